#include "forms/WbDropDownlist.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "support/SetterEffects.h"

namespace wb {
namespace {

TEST(TWbDropDownlist, Defaults) {
    TForm form;
    TWbDropDownlist list(&form);
    EXPECT_EQ((std::array{list.Left(), list.Top(), list.Width(), list.Height()}),
              (std::array{1, 1, 125, 25}));
    EXPECT_FALSE(list.GetContainer());
    EXPECT_EQ(list.GetOptions().Count(), 0);
    EXPECT_EQ(list.Selected(), 0);
}

TEST(TWbDropDownlist, Markup) {
    const TStringList sizes{"s=Small", "m=Medium", "l=Large"};
    const struct {
        const char* name;
        std::function<void(TWbDropDownlist&)> set;
        std::string expected;
    } cases[] = {
        {"second option selected",
         [&](TWbDropDownlist& l) {
             l.SetOptions(sizes);
             l.SetSelected(1);
         },
         "<SELECT NAME=\"size\"><OPTION  VALUE=\"s\">Small</OPTION>"
         "<OPTION SELECTED VALUE=\"m\">Medium</OPTION><OPTION  VALUE=\"l\">Large</OPTION>"
         "</SELECT>"},
        {"no options", [](TWbDropDownlist&) {}, "<SELECT NAME=\"size\"></SELECT>"},
        {"selected past the last option",
         [&](TWbDropDownlist& l) {
             l.SetOptions(sizes);
             l.SetSelected(3);
         },
         "<SELECT NAME=\"size\"><OPTION  VALUE=\"s\">Small</OPTION>"
         "<OPTION  VALUE=\"m\">Medium</OPTION><OPTION  VALUE=\"l\">Large</OPTION></SELECT>"},
        {"negative selected stored as the first",
         [](TWbDropDownlist& l) {
             l.SetOptions(TStringList{"s=Small", "m=Medium"});
             l.SetSelected(-5);
         },
         "<SELECT NAME=\"size\"><OPTION SELECTED VALUE=\"s\">Small</OPTION>"
         "<OPTION  VALUE=\"m\">Medium</OPTION></SELECT>"},
        {"split at the first equals sign",
         [](TWbDropDownlist& l) { l.SetOptions(TStringList{"a=b=c", "=Text"}); },
         "<SELECT NAME=\"size\"><OPTION SELECTED VALUE=\"a\">b=c</OPTION>"
         "<OPTION  VALUE=\"\">Text</OPTION></SELECT>"},
        {"a line without equals sign is value and text",
         [](TWbDropDownlist& l) { l.SetOptions(TStringList{"Small", "m=Medium", "Large"}); },
         "<SELECT NAME=\"size\"><OPTION SELECTED VALUE=\"Small\">Small</OPTION>"
         "<OPTION  VALUE=\"m\">Medium</OPTION><OPTION  VALUE=\"Large\">Large</OPTION>"
         "</SELECT>"},
        {"inside text after the last option, free texts around",
         [](TWbDropDownlist& l) {
             l.SetOptions(TStringList{"s=Small"});
             l.GetHTMLInside().Add("<!-- more -->");
             l.GetHTMLBefore().Add("Size:");
             l.GetHTMLAfter().Add("<BR>");
         },
         " Size:<SELECT NAME=\"size\"><OPTION SELECTED VALUE=\"s\">Small</OPTION>"
         " <!-- more --></SELECT> <BR>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TForm form;
        TWbDropDownlist list(&form);
        list.SetFieldName("size");
        c.set(list);
        EXPECT_EQ(list.put(), c.expected);
    }
}

TEST(TWbDropDownlist, OptionsAreCopiedAndTheGetterGivesTheOwnList) {
    TForm form;
    TWbDropDownlist list(&form);
    TStrings& own = list.GetOptions();
    TStringList lines{"s=Small"};
    list.SetOptions(lines);
    lines.Put(0, "x=changed");
    EXPECT_EQ(&list.GetOptions(), &own);
    ASSERT_EQ(own.Count(), 1);
    EXPECT_EQ(own[0], "s=Small");
}

TEST(TWbDropDownlist, BothPropertiesRepaint) {
    test::ExpectSetterEffects<TWbDropDownlist>({
        {"OptionValues", [](TWbDropDownlist& l) { l.SetOptions(TStringList{"s=Small"}); }, 1, 1},
        {"OptionValues edited in place", [](TWbDropDownlist& l) { l.GetOptions().Add("x"); }, 0,
         0},
        {"Selected", [](TWbDropDownlist& l) { l.SetSelected(2); }, 1, 1},
        {"Selected negative", [](TWbDropDownlist& l) { l.SetSelected(-5); }, 1, 1},
    });
}

}  // namespace
}  // namespace wb
