#include "forms/WbDropDownlist.h"

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

}  // namespace wb
