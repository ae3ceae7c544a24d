#include "forms/WbCheckBox.h"

#include "host/Published.h"

namespace wb {

TWbCheckBox::TWbCheckBox(TComponent* AOwner) : TWbCustomInputComponent(AOwner) {
    SetWidth(25);
    SetHeight(25);
}

void TWbCheckBox::Publish() {
    Published<TWbCheckBox>("TWbCheckBox", "TWbCustomInputComponent")
        .Bool("Checked", &TWbCheckBox::Checked, &TWbCheckBox::SetChecked)
        .Str("Value", &TWbCheckBox::Value, &TWbCheckBox::SetValue);
}

void TWbCheckBox::SetChecked(bool Value) {
    FChecked = Value;
    invalidate();
}

std::string TWbCheckBox::put() { return PutCheckedInput("CHECKBOX", FChecked, FValue); }

void TWbCheckBox::paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush().SetColor(GetBackGroundColor());
    canvas.FillRect(Rect(0, 0, Width(), Height()));
    canvas.Brush().SetColor(clWhite);
    canvas.FillRect(Rect(2, 2, 15, 15));
    canvas.Pen().SetWidth(2);
    canvas.Pen().SetColor(clBlack);
    canvas.Pen().SetStyle(psInsideFrame);
    canvas.Rectangle(2, 2, 15, 15);
    if (FChecked) {
        canvas.MoveTo(6, 8);
        canvas.LineTo(8, 11);
        canvas.LineTo(11, 4);
    }
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(psSolid);
    PaintOutline();
}

}  // namespace wb
