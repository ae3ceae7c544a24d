#include "forms/WbRadioButton.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "support/Probe.h"
#include "support/SetterEffects.h"

namespace wb {
namespace {

TEST(TWbRadioButton, Defaults) {
    TForm form;
    TWbRadioButton button(&form);
    EXPECT_EQ((std::array{button.Left(), button.Top(), button.Width(), button.Height()}),
              (std::array{1, 1, 25, 25}));
    EXPECT_FALSE(button.GetContainer());
    EXPECT_FALSE(button.Checked());
    EXPECT_EQ(button.Value(), "");
}

TEST(TWbRadioButton, Markup) {
    const struct {
        const char* name;
        std::function<void(TWbRadioButton&)> set;
        std::string expected;
    } cases[] = {
        {"checked", [](TWbRadioButton& b) { b.SetChecked(true); },
         "<INPUT TYPE=RADIO NAME=size value=\"L\" checked >"},
        {"unchecked", [](TWbRadioButton&) {}, "<INPUT TYPE=RADIO NAME=size value=\"L\"  >"},
        {"value unescaped", [](TWbRadioButton& b) { b.SetValue("a\"b"); },
         "<INPUT TYPE=RADIO NAME=size value=\"a\"b\"  >"},
        {"unchecked with inside text",
         [](TWbRadioButton& b) { b.GetHTMLInside().Add("TABINDEX=1"); },
         "<INPUT TYPE=RADIO NAME=size value=\"L\"   TABINDEX=1>"},
        {"checked with inside text",
         [](TWbRadioButton& b) {
             b.SetChecked(true);
             b.GetHTMLInside().Add("TABINDEX=1");
         },
         "<INPUT TYPE=RADIO NAME=size value=\"L\" checked  TABINDEX=1>"},
        {"free texts around",
         [](TWbRadioButton& b) {
             b.GetHTMLBefore().Add("Large:");
             b.GetHTMLAfter().Add("<BR>");
         },
         " Large:<INPUT TYPE=RADIO NAME=size value=\"L\"  > <BR>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TForm form;
        TWbRadioButton button(&form);
        button.SetFieldName("size");
        button.SetValue("L");
        c.set(button);
        EXPECT_EQ(button.put(), c.expected);
    }
}

TEST(TWbRadioButton, ButtonsOfOneGroupKnowNothingOfEachOther) {
    TForm form;
    auto* panel = test::Place<TWbPanel>(form, form, "Panel", 1, 1, 100, 40);
    auto* small = test::Place<TWbRadioButton>(form, *panel, "Small", 10, 10, 25, 25);
    auto* large = test::Place<TWbRadioButton>(form, *panel, "Large", 50, 10, 25, 25);
    for (auto* button : {small, large}) {
        button->SetFieldName("size");
        button->SetChecked(true);
    }
    small->SetValue("S");
    large->SetValue("L");
    const std::string html = panel->put();
    EXPECT_NE(html.find("<INPUT TYPE=RADIO NAME=size value=\"S\" checked >"), std::string::npos);
    EXPECT_NE(html.find("<INPUT TYPE=RADIO NAME=size value=\"L\" checked >"), std::string::npos);
}

TEST(TWbRadioButton, CheckedRepaintsWithoutNotifyingValueDoesNeither) {
    test::ExpectSetterEffects<TWbRadioButton>({
        {"Checked", [](TWbRadioButton& b) { b.SetChecked(true); }, 1, 0},
        {"Value", [](TWbRadioButton& b) { b.SetValue("L"); }, 0, 0},
    });
}

}  // namespace
}  // namespace wb
