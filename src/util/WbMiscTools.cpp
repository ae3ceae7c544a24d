#include "util/WbMiscTools.h"

#include <array>

#include "host/Arithmetic.h"

namespace wb {

namespace {

// The HTML 3.2 entity names of the Latin-1 characters 160 to 255, in code order.
constexpr std::array<const char*, 96> kLatinEntities = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",
    "uml",    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",
    "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",  "para",   "middot",
    "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest",
    "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil",
    "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",
    "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",   "times",
    "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",
    "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",
    "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml",
};

constexpr char kHexDigits[] = "0123456789ABCDEF";

int32_t HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
}

// Shared by every caller in the process; the package's start sets it to 0.
int32_t gUniqueIDCounter = 0;

}  // namespace

void WbStrToHTML(std::string& Markup, const std::string& Text) { Markup += Text; }

std::string WbCollapseStringList(const TStrings& Lines) {
    std::string collapsed;
    for (const auto& line : Lines) {
        collapsed += ' ';
        collapsed += line;
    }
    return collapsed;
}

std::string WbMakeLatinHTML(const std::string& Text) {
    std::string result;
    result.reserve(Text.size());
    for (const char c : Text) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= 160) {
            result += '&';
            result += kLatinEntities[code - 160];
        } else {
            result += c;
        }
    }
    return result;
}

std::string WbEscapeHTML(const std::string& Text) {
    std::string result;
    result.reserve(Text.size());
    for (const char c : Text) {
        switch (c) {
            case '&': result += "&amp;"; break;
            case '<': result += "&lt;"; break;
            case '>': result += "&gt;"; break;
            case '"': result += "&quot;"; break;
            default: result += c;
        }
    }
    return result;
}

std::string WbstripHTML(std::string Text) {
    for (auto open = Text.find('<'); open != std::string::npos; open = Text.find('<')) {
        const auto close = Text.find('>');
        if (close != std::string::npos && close > open)
            Text.erase(open, close - open + 1);
        else
            Text.erase(open);
    }
    return Text;
}

void WbExtractHiddenValues(const std::string& Line, std::string& Name, std::string& Value) {
    const auto equals = Line.find('=');
    if (equals == std::string::npos) return;
    Name = Line.substr(0, equals);
    Value = Line.substr(equals + 1);
}

std::string Wbinttohex(int32_t Value) {
    const auto bits = static_cast<uint32_t>(Value);
    std::string digits(6, '0');
    for (int i = 0; i < 6; ++i) digits[static_cast<size_t>(5 - i)] = kHexDigits[(bits >> (4 * i)) & 0xF];
    return digits;
}

std::string WbMakeWebColor(TColor Color) {
    std::string digits = Wbinttohex(Color);  // blue, green, red
    std::swap(digits[0], digits[4]);
    std::swap(digits[1], digits[5]);
    return digits;
}

int32_t Wbhextoint(const std::string& Text) {
    if (Text.size() != 6) return 0;
    int32_t value = 0;
    for (const char c : Text) value = value * 16 + HexDigitValue(c);
    return value;
}

int32_t Wbminimum(int32_t A, int32_t B) { return B < A ? B : A; }

std::string WbGetUniqueID(const std::string& Prefix) {
    std::string id = Prefix + std::to_string(gUniqueIDCounter);
    gUniqueIDCounter = WrapAdd(gUniqueIDCounter, 1);
    return id;
}

}  // namespace wb
