#include "util/WbMiscTools.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <set>

namespace wb {
namespace {

TEST(WbMiscTools, StrToHTMLAppendsWithNothingBetween) {
    std::string markup;
    WbStrToHTML(markup, "<B>");
    WbStrToHTML(markup, "");
    WbStrToHTML(markup, "x");
    EXPECT_EQ(markup, "<B>x");
}

TEST(WbMiscTools, CollapseStringListPutsOneBlankBeforeEveryLine) {
    const struct {
        TStringList lines;
        const char* expected;
    } cases[] = {
        {{}, ""},
        {{""}, " "},
        {{"a", "b"}, " a b"},
        {{"", "x"}, "  x"},
        {{" keep ", "blanks"}, "  keep  blanks"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(WbCollapseStringList(c.lines), c.expected);
    }
}

TEST(WbMiscTools, MakeLatinHTMLWidensEveryLatin1Character) {
    const struct {
        std::string text;
        std::string expected;
    } cases[] = {
        {"", ""},
        {"a&b<c>\"", "a&b<c>\""},
        {"caf\xE9", "caf&eacute"},
        {"\xA0\xBF\xC0\xD7\xDF\xF7\xFF", "&nbsp&iquest&Agrave&times&szlig&divide&yuml"},
        {"\xC6\xE6\xD0\xF0\xDE\xFE", "&AElig&aelig&ETH&eth&THORN&thorn"},
        {"\x9F", "\x9F"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(WbMakeLatinHTML(c.text), c.expected);
    }
}

TEST(WbMiscTools, EveryLatin1CharacterHasADistinctLetterName) {
    std::set<std::string> names;
    for (int code = 160; code <= 255; ++code) {
        const std::string entity = WbMakeLatinHTML(std::string(1, static_cast<char>(code)));
        ASSERT_EQ(entity[0], '&');
        for (char c : entity.substr(1)) EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)));
        names.insert(entity);
    }
    EXPECT_EQ(names.size(), 96u);
}

TEST(WbMiscTools, EscapeHTMLEscapesMarkupCharacters) {
    EXPECT_EQ(WbEscapeHTML("<script>\"a\" & 'b'</script>\xE9"),
              "&lt;script&gt;&quot;a&quot; &amp; 'b'&lt;/script&gt;\xE9");
    EXPECT_EQ(WbEscapeHTML(""), "");
}

TEST(WbMiscTools, StripHTMLRemovesTags) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"a<b>c", "ac"},         {"x<y", "x"},  {"1<b>2</b>3", "123"}, {"plain > text", "plain > text"},
        {"a ><b>c", "a >"},      {"<>", ""},    {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(WbstripHTML(c.text), c.expected);
    }
}

TEST(WbMiscTools, ExtractHiddenValuesSplitsAtTheFirstEquals) {
    const struct {
        const char* line;
        const char* name;
        const char* value;
    } cases[] = {
        {"a=b=c", "a", "b=c"},
        {"=x", "", "x"},
        {"a=", "a", ""},
        {"novalue", "kept name", "kept value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        std::string name = "kept name";
        std::string value = "kept value";
        WbExtractHiddenValues(c.line, name, value);
        EXPECT_EQ(name, c.name);
        EXPECT_EQ(value, c.value);
    }
}

TEST(WbMiscTools, ColoursAndHexadecimalDigits) {
    const struct {
        int32_t value;
        const char* hex;
        const char* web;
    } cases[] = {
        {0, "000000", "000000"},
        {16777215, "FFFFFF", "FFFFFF"},
        {255, "0000FF", "FF0000"},
        {16711680, "FF0000", "0000FF"},
        {0x123456, "123456", "563412"},
        {-1, "FFFFFF", "FFFFFF"},
        {static_cast<int32_t>(0x8000000F), "00000F", "0F0000"},
        {536870911, "FFFFFF", "FFFFFF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Wbinttohex(c.value), c.hex);
        EXPECT_EQ(WbMakeWebColor(c.value), c.web);
    }
}

TEST(WbMiscTools, HexToIntReadsSixDigitsOnly) {
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"FFFFFF", 16777215}, {"abcdef", 11259375}, {"00001g", 16}, {"12345", 0},
        {"1234567", 0},       {"00000F", 15},       {"f00000", 15728640}, {"", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Wbhextoint(c.text), c.value);
    }
    for (int32_t value : {0, 1, 0xABCDEF, 0xFFFFFF, 0x7F7F7F})
        EXPECT_EQ(Wbhextoint(Wbinttohex(value)), value);
}

TEST(WbMiscTools, MinimumPrefersTheFirstWhenEqual) {
    EXPECT_EQ(Wbminimum(3, 3), 3);
    EXPECT_EQ(Wbminimum(4, -2), -2);
    EXPECT_EQ(Wbminimum(INT_MIN, INT_MAX), INT_MIN);
}

TEST(WbMiscTools, UniqueIDsShareOneCounterAcrossPrefixes) {
    const std::string first = WbGetUniqueID("MAP");
    const int32_t n = std::stoi(first.substr(3));
    EXPECT_EQ(WbGetUniqueID("X"), "X" + std::to_string(n + 1));
    EXPECT_EQ(WbGetUniqueID(""), std::to_string(n + 2));
}

}  // namespace
}  // namespace wb
