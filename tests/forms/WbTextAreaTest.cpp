#include "forms/WbTextArea.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "support/SetterEffects.h"

namespace wb {
namespace {

TEST(TWbTextArea, Defaults) {
    TForm form;
    TWbTextArea area(&form);
    EXPECT_EQ((std::array{area.Left(), area.Top(), area.Width(), area.Height()}),
              (std::array{1, 1, 425, 150}));
    EXPECT_FALSE(area.GetContainer());
    EXPECT_EQ(area.Columns(), 50);
    EXPECT_EQ(area.Rows(), 8);
    EXPECT_EQ(area.GetValue().Count(), 0);
}

TEST(TWbTextArea, Markup) {
    const struct {
        const char* name;
        std::function<void(TWbTextArea&)> set;
        std::string expected;
    } cases[] = {
        {"two lines, each ended by CR LF",
         [](TWbTextArea& a) { a.SetValue(TStringList{"Hello", "World"}); },
         "<TEXTAREA NAME=\"note\" ROWS=8 COLS=50>Hello\r\nWorld\r\n</TEXTAREA>"},
        {"no lines", [](TWbTextArea&) {}, "<TEXTAREA NAME=\"note\" ROWS=8 COLS=50></TEXTAREA>"},
        {"an empty line", [](TWbTextArea& a) { a.SetValue(TStringList{""}); },
         "<TEXTAREA NAME=\"note\" ROWS=8 COLS=50>\r\n</TEXTAREA>"},
        {"inside text in the start tag", [](TWbTextArea& a) { a.GetHTMLInside().Add("WRAP"); },
         "<TEXTAREA NAME=\"note\" ROWS=8 COLS=50 WRAP></TEXTAREA>"},
        {"rows and columns unclamped",
         [](TWbTextArea& a) {
             a.SetRows(0);
             a.SetColumns(-3);
         },
         "<TEXTAREA NAME=\"note\" ROWS=0 COLS=-3></TEXTAREA>"},
        {"more lines than rows, all written, unescaped",
         [](TWbTextArea& a) {
             a.SetRows(1);
             a.SetValue(TStringList{"<b>", "&", "\"x\""});
         },
         "<TEXTAREA NAME=\"note\" ROWS=1 COLS=50><b>\r\n&\r\n\"x\"\r\n</TEXTAREA>"},
        {"free texts around",
         [](TWbTextArea& a) {
             a.GetHTMLBefore().Add("Note:");
             a.GetHTMLAfter().Add("<BR>");
         },
         " Note:<TEXTAREA NAME=\"note\" ROWS=8 COLS=50></TEXTAREA> <BR>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TForm form;
        TWbTextArea area(&form);
        area.SetFieldName("note");
        c.set(area);
        EXPECT_EQ(area.put(), c.expected);
    }
}

TEST(TWbTextArea, ValueIsCopiedAndTheGetterGivesTheOwnList) {
    TForm form;
    TWbTextArea area(&form);
    TStrings& own = area.GetValue();
    TStringList lines{"a"};
    area.SetValue(lines);
    lines.Put(0, "changed");
    EXPECT_EQ(&area.GetValue(), &own);
    ASSERT_EQ(own.Count(), 1);
    EXPECT_EQ(own[0], "a");
}

TEST(TWbTextArea, EveryPropertyRepaints) {
    test::ExpectSetterEffects<TWbTextArea>({
        {"Columns", [](TWbTextArea& a) { a.SetColumns(60); }, 1, 1},
        {"Rows", [](TWbTextArea& a) { a.SetRows(4); }, 1, 1},
        {"Value", [](TWbTextArea& a) { a.SetValue(TStringList{"x"}); }, 1, 1},
        {"Value edited in place", [](TWbTextArea& a) { a.GetValue().Add("x"); }, 0, 0},
    });
}

}  // namespace
}  // namespace wb
