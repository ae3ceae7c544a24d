#include "forms/WbRadioButton.h"

namespace wb {

TWbRadioButton::TWbRadioButton(TComponent* AOwner) : TWbCustomInputComponent(AOwner) {
    SetWidth(25);
    SetHeight(25);
}

void TWbRadioButton::SetChecked(bool Value) {
    FChecked = Value;
    invalidate();
}

std::string TWbRadioButton::put() {
    ActivateBeforePutEvent();
    std::string html = WbCollapseStringList(GetHTMLBefore());
    html += "<INPUT TYPE=RADIO NAME=";
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
