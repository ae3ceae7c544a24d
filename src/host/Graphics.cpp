#include "host/Graphics.h"

#include "host/SysUtils.h"

namespace wb {

namespace {

struct TColorName {
    TColor Color;
    const char* Name;
};

// The host's colour names, the system colours in the order of their index.
constexpr TColorName kColorNames[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clNone, "clNone"},
    {clScrollBar + 0, "clScrollBar"},
    {clScrollBar + 1, "clBackground"},
    {clScrollBar + 2, "clActiveCaption"},
    {clScrollBar + 3, "clInactiveCaption"},
    {clScrollBar + 4, "clMenu"},
    {clScrollBar + 5, "clWindow"},
    {clScrollBar + 6, "clWindowFrame"},
    {clScrollBar + 7, "clMenuText"},
    {clScrollBar + 8, "clWindowText"},
    {clScrollBar + 9, "clCaptionText"},
    {clScrollBar + 10, "clActiveBorder"},
    {clScrollBar + 11, "clInactiveBorder"},
    {clScrollBar + 12, "clAppWorkSpace"},
    {clScrollBar + 13, "clHighlight"},
    {clScrollBar + 14, "clHighlightText"},
    {clScrollBar + 15, "clBtnFace"},
    {clScrollBar + 16, "clBtnShadow"},
    {clScrollBar + 17, "clGrayText"},
    {clScrollBar + 18, "clBtnText"},
    {clScrollBar + 19, "clInactiveCaptionText"},
    {clScrollBar + 20, "clBtnHighlight"},
    {clScrollBar + 21, "cl3DDkShadow"},
    {clScrollBar + 22, "cl3DLight"},
    {clScrollBar + 23, "clInfoText"},
    {clScrollBar + 24, "clInfoBk"},
};

static_assert(kColorNames[std::size(kColorNames) - 1].Color == clInfoBk);

}  // namespace

bool IdentToColor(std::string_view Ident, TColor& Color) {
    for (const auto& entry : kColorNames) {
        if (SameText(entry.Name, Ident)) {
            Color = entry.Color;
            return true;
        }
    }
    return false;
}

bool ColorToIdent(TColor Color, std::string& Ident) {
    for (const auto& entry : kColorNames) {
        if (entry.Color == Color) {
            Ident = entry.Name;
            return true;
        }
    }
    return false;
}

std::string ColorToString(TColor Color) {
    std::string ident;
    return ColorToIdent(Color, ident) ? ident : std::to_string(Color);
}

}  // namespace wb
