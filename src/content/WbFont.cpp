#include "content/WbFont.h"

#include "host/Published.h"

#include <algorithm>

#include "util/WbMiscTools.h"

namespace wb {

namespace {

// The sizes HTML 3.2 knows are 1 to 7; the font never writes more than 6.
constexpr int32_t kSmallestSize = 1;
constexpr int32_t kLargestSize = 6;

}  // namespace

void TWbFont::Publish() {
    Published<TWbFont>("TWbFont", "TPersistent", kAbstractClass)
        .Str("PrimaryFont", &TWbFont::PrimaryFont, &TWbFont::SetPrimaryFont)
        .Str("SecondaryFonts", &TWbFont::SecondaryFonts, &TWbFont::SetSecondaryFonts)
        .Int("Size", &TWbFont::GetFontSize, &TWbFont::SetFontSize)
        .Color("Color", &TWbFont::Color, &TWbFont::SetColor)
        .Bool("Bold", &TWbFont::Bold, &TWbFont::SetBold)
        .Bool("Italic", &TWbFont::Italic, &TWbFont::SetItalic)
        .Bool("Underline", &TWbFont::Underline, &TWbFont::SetUnderline)
        .Bool("Strikeout", &TWbFont::Strikeout, &TWbFont::SetStrikeout);
}

void TWbFont::SetPrimaryFont(std::string Value) {
    FPrimaryFont = std::move(Value);
    HasChanged();
}

void TWbFont::SetSecondaryFonts(std::string Value) {
    FSecondaryFonts = std::move(Value);
    HasChanged();
}

void TWbFont::SetFontSize(int32_t Value) {
    FSize = std::clamp(Value, kSmallestSize, kLargestSize);
    HasChanged();
}

void TWbFont::SetColor(TColor Value) {
    FColor = Value;
    HasChanged();
}

void TWbFont::SetBold(bool Value) {
    FBold = Value;
    HasChanged();
}

void TWbFont::SetItalic(bool Value) {
    FItalic = Value;
    HasChanged();
}

void TWbFont::SetUnderline(bool Value) {
    FUnderline = Value;
    HasChanged();
}

void TWbFont::SetStrikeout(bool Value) {
    FStrikeout = Value;
    HasChanged();
}

void TWbFont::HasChanged() {
    if (FOnChange) FOnChange(this);
}

std::string TWbFont::GetFontString() const {
    if (FSecondaryFonts.empty()) return FPrimaryFont;
    return FPrimaryFont + "," + FSecondaryFonts;
}

std::string TWbFont::CreateHTMLText(const std::string& Text) const {
    std::string html;
    html.reserve(Text.size() + 96);
    html += "<FONT SIZE=\"";
    html += std::to_string(FSize);
    html += "\" FACE=\"";
    html += GetFontString();
    html += "\" ";
    if (FColor != clNone) {
        html += "COLOR=\"";
        html += WbMakeWebColor(FColor);
        html += '"';
    }
    html += " >";
    // B innermost, S outermost.
    if (FStrikeout) html += "<S>";
    if (FUnderline) html += "<U>";
    if (FItalic) html += "<I>";
    if (FBold) html += "<B>";
    html += Text;
    if (FBold) html += "</B>";
    if (FItalic) html += "</I>";
    if (FUnderline) html += "</U>";
    if (FStrikeout) html += "</S>";
    html += "</FONT>";
    return html;
}

}  // namespace wb
