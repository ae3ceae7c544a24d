#include "content/WbImage.h"

#include "host/Published.h"

namespace wb {

TWbImage::TWbImage(TComponent* AOwner) : TWbCustomImage(AOwner) {
    SetWidth(100);
    SetHeight(100);
    SetImagePath("");
    SetContainer(true);
}

void TWbImage::Publish() {
    Published<TWbImage>("TWbImage", "TWbCustomImage")
        .Str("ImagePath", &TWbImage::ImagePath, &TWbImage::SetImagePath)
        .Str("Link", &TWbImage::Link, &TWbImage::SetLink)
        .Bool("Stretch", &TWbImage::Stretch, &TWbImage::setstretch);
}

}  // namespace wb
