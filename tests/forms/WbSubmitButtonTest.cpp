#include "forms/WbSubmitButton.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "support/Probe.h"
#include "support/SetterEffects.h"

namespace wb {
namespace {

TEST(TWbSubmitButton, Defaults) {
    TForm form;
    TWbSubmitButton button(&form);
    EXPECT_EQ((std::array{button.Left(), button.Top(), button.Width(), button.Height()}),
              (std::array{1, 1, 70, 20}));
    EXPECT_FALSE(button.GetContainer());
    EXPECT_EQ(button.imagepath(), "");
    EXPECT_EQ(button.value(), "");
}

TEST(TWbSubmitButton, Markup) {
    const struct {
        const char* name;
        std::function<void(TWbSubmitButton&)> set;
        std::string expected;
    } cases[] = {
        {"caption", [](TWbSubmitButton& b) { b.Setvalue("Send"); },
         "<INPUT TYPE=SUBMIT VALUE=\"Send\" BORDER=0 >"},
        {"image path wins over the caption",
         [](TWbSubmitButton& b) {
             b.Setvalue("Send");
             b.Setimagepath("images/go.gif");
         },
         "<INPUT TYPE=IMAGE SRC=\"images/go.gif\" BORDER=0 >"},
        {"both empty", [](TWbSubmitButton&) {}, "<INPUT TYPE=SUBMIT VALUE=\"\" BORDER=0 >"},
        {"a blank is an image path", [](TWbSubmitButton& b) { b.Setimagepath(" "); },
         "<INPUT TYPE=IMAGE SRC=\" \" BORDER=0 >"},
        {"inside text",
         [](TWbSubmitButton& b) {
             b.Setvalue("Send");
             b.GetHTMLInside().Add("NAME=go");
         },
         "<INPUT TYPE=SUBMIT VALUE=\"Send\" BORDER=0  NAME=go>"},
        {"free texts around",
         [](TWbSubmitButton& b) {
             b.Setvalue("Send");
             b.GetHTMLBefore().Add("<CENTER>");
             b.GetHTMLAfter().Add("</CENTER>");
         },
         " <CENTER><INPUT TYPE=SUBMIT VALUE=\"Send\" BORDER=0 > </CENTER>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TForm form;
        TWbSubmitButton button(&form);
        c.set(button);
        EXPECT_EQ(button.put(), c.expected);
    }
}

TEST(TWbSubmitButton, RendersOutsideAnyFormAndFiresItsEvents) {
    TForm form;
    auto* page = test::Place<TWbPage>(form, form, "Page", 0, 0, 100, 50);
    auto* button = test::Place<TWbSubmitButton>(form, *page, "Go", 10, 10, 70, 20);
    std::vector<std::string> log;
    test::LogEvents(*button, log);
    button->SetOnBeforePut([&](TObject*) {
        log.push_back("Go before");
        button->Setvalue("Go");
    });
    EXPECT_NE(page->put().find("<TD  HEIGHT=20    ><INPUT TYPE=SUBMIT VALUE=\"Go\" BORDER=0 ></TD>"),
              std::string::npos);
    EXPECT_EQ(log, (std::vector<std::string>{"Go before", "Go after"}));
}

TEST(TWbSubmitButton, NoPropertyNotifiesOrRepaints) {
    test::ExpectSetterEffects<TWbSubmitButton>({
        {"imagepath", [](TWbSubmitButton& b) { b.Setimagepath("go.gif"); }, 0, 0},
        {"value", [](TWbSubmitButton& b) { b.Setvalue("Send"); }, 0, 0},
    });
}

}  // namespace
}  // namespace wb
