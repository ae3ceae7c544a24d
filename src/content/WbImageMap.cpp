#include "content/WbImageMap.h"

#include "host/Arithmetic.h"
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

void TWbImageMap::paint() {
    TCanvas& canvas = Canvas();
    const int32_t right = WrapSub(Width(), 1);
    const int32_t bottom = WrapSub(Height(), 1);
    canvas.Pen().SetStyle(psDash);
    canvas.MoveTo(0, 0);
    canvas.LineTo(0, bottom);
    canvas.LineTo(right, bottom);
    canvas.LineTo(right, 0);
    canvas.LineTo(0, 0);
}

}  // namespace wb
