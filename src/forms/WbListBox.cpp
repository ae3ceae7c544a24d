#include "forms/WbListBox.h"

#include "host/Arithmetic.h"
#include "host/Published.h"

namespace wb {

TWbListBox::TWbListBox(TComponent* AOwner) : TWbCustomInputComponent(AOwner) {
    SetHeight(75);
    SetWidth(200);
    FSelectMultiple = false;
    SetlistSize(3);
}

void TWbListBox::Publish() {
    Published<TWbListBox>("TWbListBox", "TWbCustomInputComponent")
        .Strings("OptionValues", &TWbListBox::GetOptions, &TWbListBox::SetOptions)
        .Int("Selected", &TWbListBox::Selected, &TWbListBox::SetSelected)
        .Int("ListSize", &TWbListBox::ListSize, &TWbListBox::SetlistSize)
        .Bool("SelectMultiple", &TWbListBox::SelectMultiple, &TWbListBox::SetSelectMultiple);
}

void TWbListBox::SetOptions(const TStrings& Value) {
    FOptionValues.Assign(Value);
    HasChanged();
}

void TWbListBox::SetlistSize(int32_t Value) {
    FListSize = Value < 1 ? 1 : Value;
    HasChanged();
}

std::string TWbListBox::put() {
    ActivateBeforePutEvent();
    std::string html = WbCollapseStringList(GetHTMLBefore());
    html += "<SELECT NAME=\"";
    html += FieldName();
    html += "\" ";
    if (FSelectMultiple) html += "MULTIPLE";
    html += " SIZE=";
    html += std::to_string(FListSize);
    html += '>';
    WbPutOptions(html, FOptionValues, FSelected);
    html += WbCollapseStringList(GetHTMLInside());
    html += "</SELECT>";
    WbStrToHTML(html, WbCollapseStringList(GetHTMLAfter()));
    ActivateAfterPutEvent();
    return html;
}

void TWbListBox::paint() {
    const int32_t right = WrapAdd(WrapMul(7, WbLongestOptionText(FOptionValues)), 15);
    const int32_t bottom = WrapAdd(WrapMul(14, FListSize), 10);
    BeginBoxedPreview(right, bottom, "MS Sans Serif");
    const int32_t shown = Wbminimum(FOptionValues.Count(), FListSize);
    for (int32_t i = 0; i < shown; ++i) {
        const int32_t top = WrapMul(14, i);
        Canvas().TextRect(Rect(0, top, right, bottom), 2, WrapAdd(top, 1), WbSplitOption(FOptionValues[i]).Text);
    }
    FrameBox(right, bottom);
    EndBoxedPreview();
}

}  // namespace wb
