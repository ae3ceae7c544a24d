#include "forms/WbCheckBox.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "host/DesignSurface.h"
#include "support/SetterEffects.h"
#include "support/Surface.h"

namespace wb {
namespace {

TEST(TWbCheckBox, Defaults) {
    TForm form;
    TWbCheckBox box(&form);
    EXPECT_EQ((std::array{box.Left(), box.Top(), box.Width(), box.Height()}),
              (std::array{1, 1, 25, 25}));
    EXPECT_FALSE(box.GetContainer());
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(box.Value(), "");
}

TEST(TWbCheckBox, Markup) {
    const struct {
        const char* name;
        std::function<void(TWbCheckBox&)> set;
        std::string expected;
    } cases[] = {
        {"checked", [](TWbCheckBox& b) { b.SetChecked(true); },
         "<INPUT TYPE=CHECKBOX NAME=news value=\"yes\" checked >"},
        {"unchecked", [](TWbCheckBox&) {}, "<INPUT TYPE=CHECKBOX NAME=news value=\"yes\"  >"},
        {"empty field name", [](TWbCheckBox& b) { b.SetFieldName(""); },
         "<INPUT TYPE=CHECKBOX NAME= value=\"yes\"  >"},
        {"empty value", [](TWbCheckBox& b) { b.SetValue(""); },
         "<INPUT TYPE=CHECKBOX NAME=news value=\"\"  >"},
        {"unchecked with inside text", [](TWbCheckBox& b) { b.GetHTMLInside().Add("TABINDEX=1"); },
         "<INPUT TYPE=CHECKBOX NAME=news value=\"yes\"   TABINDEX=1>"},
        {"checked with inside text",
         [](TWbCheckBox& b) {
             b.SetChecked(true);
             b.GetHTMLInside().Add("TABINDEX=1");
         },
         "<INPUT TYPE=CHECKBOX NAME=news value=\"yes\" checked  TABINDEX=1>"},
        {"free texts around",
         [](TWbCheckBox& b) {
             b.GetHTMLBefore().Add("<B>");
             b.GetHTMLAfter().Add("News</B>");
         },
         " <B><INPUT TYPE=CHECKBOX NAME=news value=\"yes\"  > News</B>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TForm form;
        TWbCheckBox box(&form);
        box.SetFieldName("news");
        box.SetValue("yes");
        c.set(box);
        EXPECT_EQ(box.put(), c.expected);
    }
}

TEST(TWbCheckBox, CheckedRepaintsWithoutNotifyingValueDoesNeither) {
    test::ExpectSetterEffects<TWbCheckBox>({
        {"Checked", [](TWbCheckBox& b) { b.SetChecked(true); }, 1, 0},
        {"Checked cleared", [](TWbCheckBox& b) { b.SetChecked(false); }, 1, 0},
        {"Value", [](TWbCheckBox& b) { b.SetValue("yes"); }, 0, 0},
    });
}

const std::vector<std::string> kUnchecked = {
    "yyyyyyyyyyyyyyy",
    "y#############y",
    "y#############y",
    "y##.........##y",
    "y##.........##y",
    "y##.........##y",
    "y##.........##y",
    "y##.........##y",
    "y##.........##y",
    "y##.........##y",
    "y##.........##y",
    "y##.........##y",
    "y#############y",
    "y#############y",
    "yyyyyyyyyyyyyyy",
};

// The tick from (6, 8) down to (8, 11) and up to (11, 4), with the 2-pixel pen.
const std::vector<std::string> kChecked = {
    "yyyyyyyyyyyyyyy",
    "y#############y",
    "y#############y",
    "y##......##.##y",
    "y##.....###.##y",
    "y##.....##..##y",
    "y##.##.###..##y",
    "y##.#####...##y",
    "y##..####...##y",
    "y##..###....##y",
    "y##...##....##y",
    "y##.........##y",
    "y#############y",
    "y#############y",
    "yyyyyyyyyyyyyyy",
};

// The figure stays in the top-left corner whatever the control's size and colour mark it
// shows; the control style is not touched, and the pen is left 1 pixel wide.
TEST(TWbCheckBox, PreviewIsAWhiteSquareTickedWhenChecked) {
    const test::CornerFigureCase cases[] = {
        {"unchecked", false, 25, 25, kUnchecked},
        {"checked", true, 25, 25, kChecked},
        {"checked, in a larger control", true, 60, 40, kChecked},
        {"unchecked, in a larger control", false, 40, 60, kUnchecked},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TForm form;
        auto* control = new TWbCheckBox(&form);
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
