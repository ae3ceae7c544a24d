#include "forms/WbTextInputField.h"

#include "host/Published.h"

namespace wb {

TWbTextInputField::TWbTextInputField(TComponent* AOwner) : TWbCustomInputComponent(AOwner) {
    SetHeight(25);
    SetWidth(120);
    SetContainer(false);
    FPassWord = false;
    SetSize(15);
    FMaxLength = 15;
}

void TWbTextInputField::Publish() {
    Published<TWbTextInputField>("TWbTextInputField", "TWbCustomInputComponent")
        .Int("Size", &TWbTextInputField::Size, &TWbTextInputField::SetSize)
        .Int("MaxLength", &TWbTextInputField::MaxLength, &TWbTextInputField::SetMaxLength)
        .Str("Value", &TWbTextInputField::Value, &TWbTextInputField::SetValue)
        .Bool("PassWord", &TWbTextInputField::PassWord, &TWbTextInputField::SetPassWord);
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
