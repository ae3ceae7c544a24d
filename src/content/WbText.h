#pragma once

#include "content/WbCustomText.h"

namespace wb {

// The text component of the palette: the behaviour of TWbCustomText, publishing AutoLineBreak
// and Text as well.
class TWbText : public TWbCustomText {
public:
    explicit TWbText(TComponent* AOwner);
    static void Publish();
};

}  // namespace wb
