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
