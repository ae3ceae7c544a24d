#include "forms/WbCustomInputComponent.h"

#include <algorithm>

#include "host/Arithmetic.h"
#include "host/Published.h"

namespace wb {

void TWbCustomInputComponent::Publish() {
    Published<TWbCustomInputComponent>("TWbCustomInputComponent", "TWbVisibleComponent",
                                       kAbstractClass)
        .Str("FieldName", &TWbCustomInputComponent::FieldName,
             &TWbCustomInputComponent::SetFieldName);
}

void TWbCustomInputComponent::paint() {
    TControlStyle style = ControlStyle();
    style.Include(csFramed);
    SetControlStyle(style);
    TCanvas& canvas = Canvas();
    const int32_t right = WrapSub(Width(), 1);
    const int32_t bottom = WrapSub(Height(), 1);
    canvas.Brush().SetColor(clWhite);
    canvas.FillRect(Rect(1, 1, right, bottom));
    canvas.Rectangle(0, 0, Width(), Height());
    canvas.Pen().SetColor(clBlack);
    canvas.MoveTo(1, 1);
    canvas.LineTo(1, WrapSub(bottom, 1));
    canvas.LineTo(WrapSub(right, 1), WrapSub(bottom, 1));
    canvas.LineTo(WrapSub(right, 1), 1);
    canvas.LineTo(1, 1);
}

void TWbCustomInputComponent::BeginBoxedPreview(int32_t Right, int32_t Bottom, const std::string& FontName) {
    TControlStyle style = ControlStyle();
    style.Exclude(csFramed);
    SetControlStyle(style);
    TCanvas& canvas = Canvas();
    canvas.Brush().SetColor(GetBackGroundColor());
    canvas.FillRect(Rect(0, 0, Width(), Height()));
    canvas.Rectangle(0, 0, Width(), Height());
    canvas.Pen().SetColor(clBlack);
    canvas.Pen().SetWidth(2);
    canvas.Brush().SetColor(clWhite);
    canvas.FillRect(Rect(0, 0, Right, Bottom));
    canvas.Font().SetName(FontName);
    canvas.Font().SetHeight(16);
    canvas.Font().SetColor(clBlack);
}

void TWbCustomInputComponent::FrameBox(int32_t Right, int32_t Bottom) {
    TCanvas& canvas = Canvas();
    canvas.MoveTo(1, 1);
    canvas.LineTo(1, Bottom);
    canvas.LineTo(Right, Bottom);
    canvas.LineTo(Right, 1);
    canvas.LineTo(1, 1);
}

void TWbCustomInputComponent::EndBoxedPreview() { Canvas().Pen().SetWidth(1); }

TWbOption WbSplitOption(const std::string& Line) {
    // Seeding both parts with the line is what a line without "=" keeps.
    TWbOption option{Line, Line};
    WbExtractHiddenValues(Line, option.Value, option.Text);
    return option;
}

std::string TWbCustomInputComponent::PutCheckedInput(const char* TypeWord, bool Checked,
                                                     const std::string& Value) {
    ActivateBeforePutEvent();
    std::string html = WbCollapseStringList(GetHTMLBefore());
    html += "<INPUT TYPE=";
    html += TypeWord;
    html += " NAME=";
    html += FFieldName;
    html += " value=\"";
    html += Value;
    html += "\" ";
    if (Checked) html += "checked";
    html += ' ';
    html += WbCollapseStringList(GetHTMLInside());
    html += '>';
    WbStrToHTML(html, WbCollapseStringList(GetHTMLAfter()));
    ActivateAfterPutEvent();
    return html;
}

void WbPutOptions(std::string& Markup, const TStrings& OptionValues, int32_t Selected) {
    for (int32_t i = 0; i < OptionValues.Count(); ++i) {
        const TWbOption option = WbSplitOption(OptionValues[i]);
        Markup += "<OPTION ";
        if (i == Selected) Markup += "SELECTED";
        Markup += " VALUE=\"";
        Markup += option.Value;
        Markup += "\">";
        Markup += option.Text;
        Markup += "</OPTION>";
    }
}

int32_t WbLongestOptionText(const TStrings& OptionValues) {
    size_t longest = 0;
    for (const auto& line : OptionValues) longest = std::max(longest, WbSplitOption(line).Text.size());
    return longest == 0 ? 10 : static_cast<int32_t>(std::min<size_t>(longest, INT32_MAX));
}

}  // namespace wb
