#include "forms/WbListBox.h"

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

}  // namespace wb
