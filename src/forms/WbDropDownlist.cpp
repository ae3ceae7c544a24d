#include "forms/WbDropDownlist.h"

#include "host/Arithmetic.h"
#include "host/Published.h"

namespace wb {

TWbDropDownlist::TWbDropDownlist(TComponent* AOwner) : TWbCustomInputComponent(AOwner) {
    SetHeight(25);
    SetWidth(125);
}

void TWbDropDownlist::Publish() {
    Published<TWbDropDownlist>("TWbDropDownlist", "TWbCustomInputComponent")
        .Strings("OptionValues", &TWbDropDownlist::GetOptions, &TWbDropDownlist::SetOptions)
        .Int("Selected", &TWbDropDownlist::Selected, &TWbDropDownlist::SetSelected);
}

void TWbDropDownlist::SetOptions(const TStrings& Value) {
    FOptionValues.Assign(Value);
    HasChanged();
}

void TWbDropDownlist::SetSelected(int32_t Value) {
    FSelected = Value < 0 ? 0 : Value;
    HasChanged();
}

std::string TWbDropDownlist::put() {
    ActivateBeforePutEvent();
    std::string html = WbCollapseStringList(GetHTMLBefore());
    html += "<SELECT NAME=\"";
    html += FieldName();
    html += "\">";
    WbPutOptions(html, FOptionValues, FSelected);
    html += WbCollapseStringList(GetHTMLInside());
    html += "</SELECT>";
    WbStrToHTML(html, WbCollapseStringList(GetHTMLAfter()));
    ActivateAfterPutEvent();
    return html;
}

void TWbDropDownlist::paint() {
    const int32_t longest = WbLongestOptionText(FOptionValues);
    const int32_t right = WrapAdd(WrapMul(7, longest), 20);
    BeginBoxedPreview(right, 22, "MS Sans Serif");
    if (FSelected >= 0 && FSelected < FOptionValues.Count())
        Canvas().TextRect(Rect(0, 0, right, 22), 3, 3, WbSplitOption(FOptionValues[FSelected]).Text);
    FrameBox(right, 22);
    PaintButton(longest);
    EndBoxedPreview();
}

// The line that cuts the button part off the box, and the small square in it.
void TWbDropDownlist::PaintButton(int32_t Longest) {
    TCanvas& canvas = Canvas();
    const int32_t x = WrapMul(7, Longest);
    canvas.MoveTo(WrapAdd(x, 5), 1);
    canvas.LineTo(WrapAdd(x, 5), 22);
    canvas.Rectangle(WrapAdd(x, 12), 11, WrapAdd(x, 14), 13);
}

}  // namespace wb
