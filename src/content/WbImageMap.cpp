#include "content/WbImageMap.h"

namespace wb {

TWbImageMap::TWbImageMap(TComponent* AOwner) : TGraphicControl(AOwner) {
    // Not opaque: the image behind the rectangle shows through.
    TControlStyle style = ControlStyle();
    style.Exclude(csOpaque);
    SetControlStyle(style);
    SetBounds(Left(), Top(), 50, 25);
}

}  // namespace wb
