#pragma once

#include "content/WbCustomImage.h"

namespace wb {

// The image of the palette: 100 by 100 pixels, and a container, so that image maps can be
// dropped onto it.
class TWbImage : public TWbCustomImage {
public:
    explicit TWbImage(TComponent* AOwner);
    static void Publish();
};

}  // namespace wb
