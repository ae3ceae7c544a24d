#include "forms/WbListBox.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "support/SetterEffects.h"

namespace wb {
namespace {

TEST(TWbListBox, Defaults) {
    TForm form;
    TWbListBox list(&form);
    EXPECT_EQ((std::array{list.Left(), list.Top(), list.Width(), list.Height()}),
              (std::array{1, 1, 200, 75}));
    EXPECT_FALSE(list.GetContainer());
    EXPECT_EQ(list.GetOptions().Count(), 0);
    EXPECT_EQ(list.Selected(), 0);
    EXPECT_EQ(list.ListSize(), 3);
    EXPECT_FALSE(list.SelectMultiple());
}

TEST(TWbListBox, Markup) {
    const std::string options =
        "<OPTION  VALUE=\"s\">Small</OPTION><OPTION  VALUE=\"m\">Medium</OPTION>"
        "<OPTION  VALUE=\"l\">Large</OPTION></SELECT>";
    const struct {
        const char* name;
        std::function<void(TWbListBox&)> set;
        std::string expected;
    } cases[] = {
        {"as constructed", [](TWbListBox&) {},
         "<SELECT NAME=\"size\"  SIZE=3><OPTION SELECTED VALUE=\"s\">Small</OPTION>"
         "<OPTION  VALUE=\"m\">Medium</OPTION><OPTION  VALUE=\"l\">Large</OPTION></SELECT>"},
        {"multiple selection still marks one option",
         [](TWbListBox& l) {
             l.SetSelectMultiple(true);
             l.SetSelected(2);
         },
         "<SELECT NAME=\"size\" MULTIPLE SIZE=3><OPTION  VALUE=\"s\">Small</OPTION>"
         "<OPTION  VALUE=\"m\">Medium</OPTION><OPTION SELECTED VALUE=\"l\">Large</OPTION>"
         "</SELECT>"},
        {"selected -1 stays and marks none", [](TWbListBox& l) { l.SetSelected(-1); },
         "<SELECT NAME=\"size\"  SIZE=3>" + options},
        {"list size 0 stored as 1",
         [](TWbListBox& l) {
             l.SetlistSize(0);
             l.SetSelected(7);
         },
         "<SELECT NAME=\"size\"  SIZE=1>" + options},
        {"negative list size stored as 1",
         [](TWbListBox& l) {
             l.SetlistSize(-7);
             l.SetSelected(3);
         },
         "<SELECT NAME=\"size\"  SIZE=1>" + options},
        {"larger list size",
         [](TWbListBox& l) {
             l.SetlistSize(12);
             l.SetSelected(3);
         },
         "<SELECT NAME=\"size\"  SIZE=12>" + options},
        {"a line without equals sign is value and text",
         [](TWbListBox& l) { l.SetOptions(TStringList{"=Any", "Small"}); },
         "<SELECT NAME=\"size\"  SIZE=3><OPTION SELECTED VALUE=\"\">Any</OPTION>"
         "<OPTION  VALUE=\"Small\">Small</OPTION></SELECT>"},
        {"inside text after the last option, free texts around",
         [](TWbListBox& l) {
             l.SetOptions(TStringList{});
             l.GetHTMLInside().Add("<!-- none -->");
             l.GetHTMLBefore().Add("Size:");
             l.GetHTMLAfter().Add("<BR>");
         },
         " Size:<SELECT NAME=\"size\"  SIZE=3> <!-- none --></SELECT> <BR>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TForm form;
        TWbListBox list(&form);
        list.SetFieldName("size");
        list.SetOptions(TStringList{"s=Small", "m=Medium", "l=Large"});
        c.set(list);
        EXPECT_EQ(list.put(), c.expected);
    }
}

TEST(TWbListBox, OptionsAndListSizeRepaintTheOthersDoNot) {
    test::ExpectSetterEffects<TWbListBox>({
        {"OptionValues", [](TWbListBox& l) { l.SetOptions(TStringList{"s=Small"}); }, 1, 1},
        {"Selected", [](TWbListBox& l) { l.SetSelected(2); }, 0, 0},
        {"ListSize", [](TWbListBox& l) { l.SetlistSize(5); }, 1, 1},
        {"ListSize clamped", [](TWbListBox& l) { l.SetlistSize(0); }, 1, 1},
        {"SelectMultiple", [](TWbListBox& l) { l.SetSelectMultiple(true); }, 0, 0},
    });
}

}  // namespace
}  // namespace wb
