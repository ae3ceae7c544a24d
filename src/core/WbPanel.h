#pragma once

#include "core/WbContainer.h"

namespace wb {

// Groups components: its children as a nested table, wrapped in the user's free texts.
class TWbPanel : public TWbCustomContainer {
public:
    using TWbCustomContainer::TWbCustomContainer;

    std::string put() override;
};

}  // namespace wb
