#include "content/WbFont.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <vector>

#include "host/Exception.h"

namespace wb {
namespace {

TEST(TWbFont, Defaults) {
    TWbFont font;
    EXPECT_EQ(font.PrimaryFont(), "ARIAL");
    EXPECT_EQ(font.SecondaryFonts(), "SYSTEM");
    EXPECT_EQ(font.GetFontSize(), 2);
    EXPECT_EQ(font.Color(), clBlack);
    EXPECT_FALSE(font.Bold() || font.Italic() || font.Underline() || font.Strikeout());
    EXPECT_FALSE(font.OnChange());
}

TEST(TWbFont, CreateHTMLText) {
    const struct {
        const char* name;
        std::function<void(TWbFont&)> set;
        std::string text;
        std::string expected;
    } cases[] = {
        {"defaults", [](TWbFont&) {}, "Hello",
         "<FONT SIZE=\"2\" FACE=\"ARIAL,SYSTEM\" COLOR=\"000000\" >Hello</FONT>"},
        {"size 4, bold, underlined, red",
         [](TWbFont& f) {
             f.SetFontSize(4);
             f.SetBold(true);
             f.SetUnderline(true);
             f.SetColor(0x000000FF);
         },
         "Hello", "<FONT SIZE=\"4\" FACE=\"ARIAL,SYSTEM\" COLOR=\"FF0000\" ><U><B>Hello</B></U></FONT>"},
        {"no colour and no secondary fonts",
         [](TWbFont& f) {
             f.SetColor(clNone);
             f.SetSecondaryFonts("");
         },
         "Hello", "<FONT SIZE=\"2\" FACE=\"ARIAL\"  >Hello</FONT>"},
        {"all four styles nest with B innermost",
         [](TWbFont& f) {
             f.SetStrikeout(true);
             f.SetItalic(true);
             f.SetBold(true);
             f.SetUnderline(true);
         },
         "x",
         "<FONT SIZE=\"2\" FACE=\"ARIAL,SYSTEM\" COLOR=\"000000\" ><S><U><I><B>x</B></I></U></S>"
         "</FONT>"},
        {"italic alone", [](TWbFont& f) { f.SetItalic(true); }, "x",
         "<FONT SIZE=\"2\" FACE=\"ARIAL,SYSTEM\" COLOR=\"000000\" ><I>x</I></FONT>"},
        {"strikeout alone", [](TWbFont& f) { f.SetStrikeout(true); }, "x",
         "<FONT SIZE=\"2\" FACE=\"ARIAL,SYSTEM\" COLOR=\"000000\" ><S>x</S></FONT>"},
        {"empty primary font", [](TWbFont& f) { f.SetPrimaryFont(""); }, "x",
         "<FONT SIZE=\"2\" FACE=\",SYSTEM\" COLOR=\"000000\" >x</FONT>"},
        {"no faces at all",
         [](TWbFont& f) {
             f.SetPrimaryFont("");
             f.SetSecondaryFonts("");
         },
         "x", "<FONT SIZE=\"2\" FACE=\"\" COLOR=\"000000\" >x</FONT>"},
        {"secondary list as entered, nothing trimmed",
         [](TWbFont& f) {
             f.SetPrimaryFont("Times ");
             f.SetSecondaryFonts(" Helvetica, Courier");
         },
         "x", "<FONT SIZE=\"2\" FACE=\"Times , Helvetica, Courier\" COLOR=\"000000\" >x</FONT>"},
        {"empty text keeps its style tags", [](TWbFont& f) { f.SetBold(true); }, "",
         "<FONT SIZE=\"2\" FACE=\"ARIAL,SYSTEM\" COLOR=\"000000\" ><B></B></FONT>"},
        {"tags and entities pass unchanged", [](TWbFont&) {}, "<TABLE>&amp;\"</TABLE>",
         "<FONT SIZE=\"2\" FACE=\"ARIAL,SYSTEM\" COLOR=\"000000\" ><TABLE>&amp;\"</TABLE></FONT>"},
        {"system colour writes its index", [](TWbFont& f) { f.SetColor(TColor(0x8000000F)); },
         "x", "<FONT SIZE=\"2\" FACE=\"ARIAL,SYSTEM\" COLOR=\"0F0000\" >x</FONT>"},
        {"largest size", [](TWbFont& f) { f.SetFontSize(7); }, "x",
         "<FONT SIZE=\"6\" FACE=\"ARIAL,SYSTEM\" COLOR=\"000000\" >x</FONT>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TWbFont font;
        c.set(font);
        EXPECT_EQ(font.CreateHTMLText(c.text), c.expected);
    }
}

TEST(TWbFont, SizeIsClampedToOneToSix) {
    const struct {
        int32_t value, stored;
    } cases[] = {{0, 1},  {-3, 1}, {INT32_MIN, 1}, {1, 1},        {3, 3},
                 {6, 6},  {7, 6},  {100, 6},       {INT32_MAX, 6}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        TWbFont font;
        font.SetFontSize(c.value);
        EXPECT_EQ(font.GetFontSize(), c.stored);
    }
}

TEST(TWbFont, EverySetterNotifiesOnceEvenWithTheSameValue) {
    const struct {
        const char* name;
        std::function<void(TWbFont&)> set;
    } setters[] = {
        {"PrimaryFont", [](TWbFont& f) { f.SetPrimaryFont("ARIAL"); }},
        {"SecondaryFonts", [](TWbFont& f) { f.SetSecondaryFonts("SYSTEM"); }},
        {"Size", [](TWbFont& f) { f.SetFontSize(2); }},
        {"Size clamped", [](TWbFont& f) { f.SetFontSize(9); }},
        {"Color", [](TWbFont& f) { f.SetColor(clBlack); }},
        {"Bold", [](TWbFont& f) { f.SetBold(false); }},
        {"Italic", [](TWbFont& f) { f.SetItalic(false); }},
        {"Underline", [](TWbFont& f) { f.SetUnderline(false); }},
        {"Strikeout", [](TWbFont& f) { f.SetStrikeout(false); }},
    };
    for (const auto& s : setters) {
        SCOPED_TRACE(s.name);
        TWbFont font;
        s.set(font);  // without a handler, every setter is silent
        std::vector<TObject*> senders;
        font.SetOnChange([&](TObject* sender) { senders.push_back(sender); });
        s.set(font);
        EXPECT_EQ(senders, std::vector<TObject*>{&font});
    }
}

TEST(TWbFont, IsNeverCopiedFromAnotherFont) {
    TWbFont font;
    TWbFont other;
    other.SetBold(true);
    EXPECT_THROW(font.Assign(other), EConvertError);
    EXPECT_FALSE(font.Bold());
}

}  // namespace
}  // namespace wb
