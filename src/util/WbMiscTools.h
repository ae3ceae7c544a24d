#pragma once

#include <cstdint>
#include <string>

#include "host/Graphics.h"
#include "host/TStrings.h"

namespace wb {

// Horizontal alignment of a component in its table cell and of its preview text.
enum class t_WbTextAlign : uint8_t { taCenter, taLeft, taRight, taNone };
inline constexpr auto taCenter = t_WbTextAlign::taCenter;
inline constexpr auto taLeft = t_WbTextAlign::taLeft;
inline constexpr auto taRight = t_WbTextAlign::taRight;
inline constexpr auto taNone = t_WbTextAlign::taNone;
// The names a form file stores the values by, in the order of the values.
inline constexpr const char* t_WbTextAlignNames[] = {"taCenter", "taLeft", "taRight", "taNone"};

// Appends Text to Markup, with nothing between them.
void WbStrToHTML(std::string& Markup, const std::string& Text);

// The lines joined, each preceded by one blank: "a", "b" give " a b".
std::string WbCollapseStringList(const TStrings& Lines);

// Text with every character from 160 to 255 written as "&" and its entity name, without ";".
std::string WbMakeLatinHTML(const std::string& Text);

// Text with "&", "<", ">" and '"' written as entity references: for values taken from a request
// before they become part of a page.
std::string WbEscapeHTML(const std::string& Text);

// Text without its tags; an unclosed "<" removes the rest of the text.
std::string WbstripHTML(std::string Text);

// Splits Line at its first "=" into Name and Value; a line without "=" leaves both unchanged.
void WbExtractHiddenValues(const std::string& Line, std::string& Name, std::string& Value);

// A colour as six upper-case hexadecimal digits in the order red, green, blue, without "#".
std::string WbMakeWebColor(TColor Color);

// The low 24 bits of Value as six upper-case hexadecimal digits.
std::string Wbinttohex(int32_t Value);

// Six hexadecimal digits (any case) as a number; any other length gives 0, and a character that
// is not a digit counts as 0.
int32_t Wbhextoint(const std::string& Text);

int32_t Wbminimum(int32_t A, int32_t B);

// Prefix followed by the process's running number, which then goes up by one.
std::string WbGetUniqueID(const std::string& Prefix);

}  // namespace wb
