#include "forms/WbRadioButton.h"

#include "host/Published.h"

namespace wb {

TWbRadioButton::TWbRadioButton(TComponent* AOwner) : TWbCustomInputComponent(AOwner) {
    SetWidth(25);
    SetHeight(25);
}

void TWbRadioButton::Publish() {
    Published<TWbRadioButton>("TWbRadioButton", "TWbCustomInputComponent")
        .Bool("Checked", &TWbRadioButton::Checked, &TWbRadioButton::SetChecked)
        .Str("Value", &TWbRadioButton::Value, &TWbRadioButton::SetValue);
}

void TWbRadioButton::SetChecked(bool Value) {
    FChecked = Value;
    invalidate();
}

std::string TWbRadioButton::put() { return PutCheckedInput("RADIO", FChecked, FValue); }

void TWbRadioButton::paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush().SetColor(GetBackGroundColor());
    canvas.FillRect(Rect(0, 0, Width(), Height()));
    canvas.Pen().SetWidth(2);
    canvas.Pen().SetColor(clBlack);
    canvas.Brush().SetColor(clWhite);
    canvas.Pen().SetStyle(psInsideFrame);
    canvas.Ellipse(2, 2, 14, 14);
    if (FChecked) canvas.Ellipse(6, 6, 10, 10);
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetWidth(1);
    PaintOutline();
}

}  // namespace wb
