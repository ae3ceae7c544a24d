#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace wb {

// A colour as the host keeps it: 0x00BBGGRR; negative values are system colours.
using TColor = int32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF;

// The system colours: the high bit set, the system's colour index in the low byte.
inline constexpr TColor clScrollBar = static_cast<TColor>(0x80000000);
inline constexpr TColor clInfoBk = static_cast<TColor>(0x80000018);

// The colour named Ident ("clWhite", "clbtnface": names compare without regard to case), or
// false when no colour has that name.
bool IdentToColor(std::string_view Ident, TColor& Color);

// The name of Color when it has one ("clWhite"), or false.
bool ColorToIdent(TColor Color, std::string& Ident);

// Color as a form file writes it: its name where it has one, otherwise a decimal integer.
std::string ColorToString(TColor Color);

// The red, green and blue parts of a colour (system colours are not resolved).
inline constexpr uint8_t GetRValue(TColor Color) { return static_cast<uint8_t>(Color & 0xFF); }
inline constexpr uint8_t GetGValue(TColor Color) { return static_cast<uint8_t>((Color >> 8) & 0xFF); }
inline constexpr uint8_t GetBValue(TColor Color) { return static_cast<uint8_t>((Color >> 16) & 0xFF); }
inline constexpr TColor RGB(uint8_t Red, uint8_t Green, uint8_t Blue) {
    return static_cast<TColor>(Red | (Green << 8) | (Blue << 16));
}

// A rectangle of pixels: Left and Top inside, Right and Bottom just outside.
struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
};

inline constexpr TRect Rect(int32_t Left, int32_t Top, int32_t Right, int32_t Bottom) {
    return TRect{Left, Top, Right, Bottom};
}

}  // namespace wb
