#include "forms/WbRadioButton.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "support/Probe.h"
#include "host/DesignSurface.h"
#include "support/SetterEffects.h"
#include "support/Surface.h"

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

const std::vector<std::string> kUnchecked = {
    "yyyyyyyyyyyyyyy",
    "yyyyy####yyyyyy",
    "yyy########yyyy",
    "yy###....###yyy",
    "yy##......##yyy",
    "y##........##yy",
    "y##........##yy",
    "y##........##yy",
    "y##........##yy",
    "yy##......##yyy",
    "yy###....###yyy",
    "yyy########yyyy",
    "yyyyy####yyyyyy",
    "yyyyyyyyyyyyyyy",
    "yyyyyyyyyyyyyyy",
};

// The dot: the ellipse in (6, 6, 10, 10) with the same 2-pixel pen.
const std::vector<std::string> kChecked = {
    "yyyyyyyyyyyyyyy",
    "yyyyy####yyyyyy",
    "yyy########yyyy",
    "yy###....###yyy",
    "yy##......##yyy",
    "y##...##...##yy",
    "y##..####..##yy",
    "y##..####..##yy",
    "y##...##...##yy",
    "yy##......##yyy",
    "yy###....###yyy",
    "yyy########yyyy",
    "yyyyy####yyyyyy",
    "yyyyyyyyyyyyyyy",
    "yyyyyyyyyyyyyyy",
};

// The figure stays in the top-left corner whatever the control's size and colour mark it
// shows; the control style is not touched, and the pen is left 1 pixel wide.
TEST(TWbRadioButton, PreviewIsAWhiteCircleWithADotWhenChecked) {
    const test::CornerFigureCase cases[] = {
        {"unchecked", false, 25, 25, kUnchecked},
        {"checked", true, 25, 25, kChecked},
        {"checked, in a larger control", true, 60, 40, kChecked},
        {"unchecked, in a larger control", false, 40, 60, kUnchecked},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TForm form;
        auto* control = new TWbRadioButton(&form);
        control->SetBackGroundColor(clYellow);
        control->SetBounds(1, 1, c.width, c.height);
        control->SetChecked(c.checked);
        control->SetValue("a value the preview does not show");
        const TControlStyle style = control->ControlStyle();
        test::ExpectCornerFigure(PaintDesignSurface(*control), c.figure);
        EXPECT_EQ(control->ControlStyle(), style);
        EXPECT_EQ(control->Canvas().Pen().Width(), 1);
        EXPECT_EQ(control->Canvas().Pen().Mode(), pmCopy);
    }
}

}  // namespace
}  // namespace wb
