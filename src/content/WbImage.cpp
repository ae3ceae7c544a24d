#include "content/WbImage.h"

namespace wb {

TWbImage::TWbImage(TComponent* AOwner) : TWbCustomImage(AOwner) {
    SetWidth(100);
    SetHeight(100);
    SetImagePath("");
    SetContainer(true);
}

}  // namespace wb
