#pragma once

#include "core/WbContainer.h"

namespace wb {

// Groups components: its children as a nested table, wrapped in the user's free texts.
class TWbPanel : public TWbCustomContainer {
public:
    using TWbCustomContainer::TWbCustomContainer;

    // Registers the class; it publishes nothing of its own.
    static void Publish();

    std::string put() override;
};

}  // namespace wb
