#include "forms/WbTextInputField.h"

namespace wb {

TWbTextInputField::TWbTextInputField(TComponent* AOwner) : TWbCustomInputComponent(AOwner) {
    SetHeight(25);
    SetWidth(120);
    SetContainer(false);
    FPassWord = false;
    SetSize(15);
    FMaxLength = 15;
}

void TWbTextInputField::SetSize(uint16_t Value) {
    FSize = Value;
    HasChanged();
}

void TWbTextInputField::SetValue(std::string Value) {
    FValue = std::move(Value);
    HasChanged();
}

std::string TWbTextInputField::put() {
    ActivateBeforePutEvent();
    std::string html = WbCollapseStringList(GetHTMLBefore());
    html += "<INPUT TYPE=\"";
    html += FPassWord ? "PASSWORD" : "text";
    html += "\" NAME=\"";
    html += FieldName();
    html += "\" VALUE=\"";
    html += FValue;
    html += "\" SIZE=";
    html += std::to_string(FSize);
    html += " MAXLENGTH=";
    html += std::to_string(FMaxLength);
    html += ' ';
    html += WbCollapseStringList(GetHTMLInside());
    html += '>';
    WbStrToHTML(html, WbCollapseStringList(GetHTMLAfter()));
    ActivateAfterPutEvent();
    return html;
}

void TWbTextInputField::paint() {
    const int32_t right = 7 * FSize;
    BeginBoxedPreview(right, 22, "MS Sans Serif");
    Canvas().TextRect(Rect(0, 0, right, 22), 3, 3, FValue);
    FrameBox(right, 22);
    EndBoxedPreview();
}

}  // namespace wb
