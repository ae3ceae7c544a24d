#include "content/WbCustomText.h"

#include "host/Arithmetic.h"
#include "host/Exception.h"
#include "host/Published.h"
#include "util/WbMiscTools.h"

namespace wb {

TWbCustomText::TWbCustomText(TComponent* AOwner) : TWbVisibleComponent(AOwner) {
    SetWidth(70);
    SetHeight(20);
    SetFont(new TWbFont);
    FFont->SetPrimaryFont("ARIAL");
    FFont->SetSecondaryFonts("SYSTEM");
    FFont->SetFontSize(2);
    FFont->SetColor(clBlack);
    FAutoLineBreak = true;
}

void TWbCustomText::Publish() {
    Published<TWbCustomText>("TWbCustomText", "TWbVisibleComponent", kAbstractClass)
        .Enum("Align", &TWbCustomText::Align, &TWbCustomText::SetAlign, t_WbTextAlignNames)
        .Object("Font", &TWbCustomText::GetFont)
        .Str("Link", &TWbCustomText::Link, &TWbCustomText::SetLink);
}

void TWbCustomText::SetFont(TWbFont* Value) {
    if (Value == FFont.get()) return;
    if (Value == nullptr) throw Exception("A text component cannot be without a font");
    FFont.reset(Value);
    FFont->SetOnChange([this](TObject* Sender) { updateSelf(Sender); });
    invalidate();
}

void TWbCustomText::SetLink(std::string Value) {
    FLink = std::move(Value);
    invalidate();
}

TStrings& TWbCustomText::readText() { return FText; }

void TWbCustomText::WriteText(const TStrings& Value) {
    FText.Assign(Value);
    invalidate();
}

std::string TWbCustomText::put() {
    ActivateBeforePutEvent();
    // The anchor encloses everything, the free texts before and after included.
    const bool linked = !FLink.empty();
    std::string html;
    if (linked) {
        html += "<A HREF = \"";
        html += FLink;
        html += "\" >";
    }
    WbStrToHTML(html, WbCollapseStringList(GetHTMLBefore()));
    WbStrToHTML(html, FFont->CreateHTMLText(JoinedLines()));
    WbStrToHTML(html, WbCollapseStringList(GetHTMLInside()));
    WbStrToHTML(html, WbCollapseStringList(GetHTMLAfter()));
    if (linked) html += "</A>";
    ActivateAfterPutEvent();
    return html;
}

void TWbCustomText::paint() {
    TRect area = Rect(0, 0, Width(), Height());
    Canvas().Brush().SetColor(GetBackGroundColor());
    Canvas().FillRect(area);
    for (const auto& line : readText()) {
        const int32_t height = WbDrawString(WbstripHTML(line), *FFont, Canvas(), area, GetBackGroundColor(), Align());
        area.Top = WrapAdd(area.Top, height);
    }
    PaintOutline();
}

// Every line, the last one too, followed by the line break when there is one.
std::string TWbCustomText::JoinedLines() {
    const char* lineBreak = FAutoLineBreak ? "<br>" : "";
    std::string lines;
    for (const auto& line : readText()) {
        lines += line;
        lines += lineBreak;
    }
    return lines;
}

}  // namespace wb
