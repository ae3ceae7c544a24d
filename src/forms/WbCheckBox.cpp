#include "forms/WbCheckBox.h"

namespace wb {

TWbCheckBox::TWbCheckBox(TComponent* AOwner) : TWbCustomInputComponent(AOwner) {
    SetWidth(25);
    SetHeight(25);
}

void TWbCheckBox::SetChecked(bool Value) {
    FChecked = Value;
    invalidate();
}

std::string TWbCheckBox::put() {
    ActivateBeforePutEvent();
    std::string html = WbCollapseStringList(GetHTMLBefore());
    html += "<INPUT TYPE=CHECKBOX NAME=";
    html += FieldName();
    html += " value=\"";
    html += FValue;
    html += "\" ";
    if (FChecked) html += "checked";
    html += ' ';
    html += WbCollapseStringList(GetHTMLInside());
    html += '>';
    WbStrToHTML(html, WbCollapseStringList(GetHTMLAfter()));
    ActivateAfterPutEvent();
    return html;
}

}  // namespace wb
