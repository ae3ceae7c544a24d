#include "content/WbImageMap.h"

#include "host/Published.h"

namespace wb {

TWbImageMap::TWbImageMap(TComponent* AOwner) : TGraphicControl(AOwner) {
    // Not opaque: the image behind the rectangle shows through.
    TControlStyle style = ControlStyle();
    style.Exclude(csOpaque);
    SetControlStyle(style);
    SetBounds(Left(), Top(), 50, 25);
}

void TWbImageMap::Publish() {
    Published<TWbImageMap>("TWbImageMap", "TGraphicControl")
        .Str("Link", &TWbImageMap::Link, &TWbImageMap::SetLink)
        .Str("AltText", &TWbImageMap::AltText, &TWbImageMap::SetAltText);
}

}  // namespace wb
