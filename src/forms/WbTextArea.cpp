#include "forms/WbTextArea.h"

#include "host/Arithmetic.h"
#include "host/Published.h"

namespace wb {

TWbTextArea::TWbTextArea(TComponent* AOwner) : TWbCustomInputComponent(AOwner) {
    SetColumns(50);
    SetRows(8);
    SetWidth(425);
    SetHeight(150);
}

void TWbTextArea::Publish() {
    Published<TWbTextArea>("TWbTextArea", "TWbCustomInputComponent")
        .Int("Columns", &TWbTextArea::Columns, &TWbTextArea::SetColumns)
        .Int("Rows", &TWbTextArea::Rows, &TWbTextArea::SetRows)
        .Strings("Value", &TWbTextArea::GetValue, &TWbTextArea::SetValue);
}

void TWbTextArea::SetColumns(int32_t Value) {
    FColumns = Value;
    HasChanged();
}

void TWbTextArea::SetRows(int32_t Value) {
    FRows = Value;
    HasChanged();
}

void TWbTextArea::SetValue(const TStrings& Value) {
    FValue.Assign(Value);
    HasChanged();
}

std::string TWbTextArea::put() {
    ActivateBeforePutEvent();
    std::string html = WbCollapseStringList(GetHTMLBefore());
    html += "<TEXTAREA NAME=\"";
    html += FieldName();
    html += "\" ROWS=";
    html += std::to_string(FRows);
    html += " COLS=";
    html += std::to_string(FColumns);
    html += WbCollapseStringList(GetHTMLInside());
    html += '>';
    for (const std::string& line : FValue) {
        html += line;
        html += "\r\n";
    }
    html += "</TEXTAREA>";
    WbStrToHTML(html, WbCollapseStringList(GetHTMLAfter()));
    ActivateAfterPutEvent();
    return html;
}

void TWbTextArea::paint() {
    const int32_t right = WrapAdd(WrapMul(8, FColumns), 15);
    const int32_t bottom = WrapAdd(WrapMul(14, FRows), 10);
    BeginBoxedPreview(right, bottom, "COURIER NEW");
    const int32_t shown = Wbminimum(FRows, FValue.Count());
    for (int32_t i = 0; i < shown; ++i) {
        const int32_t top = WrapMul(14, i);
        Canvas().TextRect(Rect(0, top, right, bottom), 2, WrapAdd(top, 1), FValue[i]);
    }
    FrameBox(right, bottom);
    EndBoxedPreview();
}

}  // namespace wb
