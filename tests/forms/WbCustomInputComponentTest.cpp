#include "forms/WbCustomInputComponent.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/WbCheckBox.h"
#include "forms/WbDropDownlist.h"
#include "forms/WbListBox.h"
#include "forms/WbRadioButton.h"
#include "forms/WbTextArea.h"
#include "forms/WbTextInputField.h"
#include "support/Probe.h"

namespace wb {
namespace {

// Every form control that submits a named value, with the piece of its markup that carries
// the name "city".
struct InputControl {
    const char* name;
    std::function<TWbCustomInputComponent*(TForm&)> make;
    std::string namedAs;
};

template <class T>
std::function<TWbCustomInputComponent*(TForm&)> Maker() {
    return [](TForm& form) { return new T(&form); };
}

const InputControl kControls[] = {
    {"text field", Maker<TWbTextInputField>(), "NAME=\"city\" VALUE="},
    {"text area", Maker<TWbTextArea>(), "<TEXTAREA NAME=\"city\" ROWS="},
    {"check box", Maker<TWbCheckBox>(), "NAME=city value="},
    {"radio button", Maker<TWbRadioButton>(), "NAME=city value="},
    {"drop-down list", Maker<TWbDropDownlist>(), "<SELECT NAME=\"city\">"},
    {"list box", Maker<TWbListBox>(), "<SELECT NAME=\"city\" "},
};

TEST(TWbCustomInputComponent, FieldNameShowsInTheNextOutputAndNothingElse) {
    for (const auto& c : kControls) {
        SCOPED_TRACE(c.name);
        TForm form;
        TWbCustomInputComponent* control = c.make(form);
        EXPECT_EQ(control->FieldName(), "");
        int changes = 0;
        control->SetOnChange([&](TObject*) { ++changes; });
        form.SetDesigning(true);
        const int repaints = control->RepaintRequests();
        control->SetFieldName("city");
        EXPECT_EQ(control->RepaintRequests(), repaints);
        EXPECT_EQ(changes, 0);
        EXPECT_NE(control->put().find(c.namedAs), std::string::npos) << control->put();
    }
}

TEST(TWbCustomInputComponent, PutFiresBeforePutFirstAndAfterPutLastOnce) {
    for (const auto& c : kControls) {
        SCOPED_TRACE(c.name);
        TForm form;
        TWbCustomInputComponent* control = c.make(form);
        std::vector<std::string> log;
        // A name given by the before-handler is in this very output; one given afterwards is not.
        control->SetOnBeforePut([&](TObject*) {
            log.push_back("before");
            control->SetFieldName("city");
        });
        control->SetOnAfterPut([&](TObject*) {
            log.push_back("after");
            control->SetFieldName("late");
        });
        const std::string html = control->put();
        EXPECT_NE(html.find(c.namedAs), std::string::npos) << html;
        EXPECT_EQ(log, (std::vector<std::string>{"before", "after"}));
    }
}

TEST(TWbCustomInputComponent, ControlsRenderOutsideAnyForm) {
    for (const auto& c : kControls) {
        SCOPED_TRACE(c.name);
        TForm form;
        auto* page = test::Place<TWbPage>(form, form, "Page", 0, 0, 500, 300);
        TWbCustomInputComponent* control = c.make(form);
        control->SetParent(page);
        control->SetFieldName("city");
        const std::string document = page->put();
        EXPECT_NE(document.find(c.namedAs), std::string::npos);
        EXPECT_EQ(document.find("<FORM"), std::string::npos);
    }
}

TEST(WbSplitOption, SplitsAtTheFirstEqualsSignAndTakesABareLineAsBoth) {
    const struct {
        const char* line;
        const char* value;
        const char* text;
    } cases[] = {
        {"s=Small", "s", "Small"},  {"a=b=c", "a", "b=c"}, {"=Text", "", "Text"},
        {"a=", "a", ""},            {"=", "", ""},         {"Small", "Small", "Small"},
        {"", "", ""},               {" x y ", " x y ", " x y "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const TWbOption option = WbSplitOption(c.line);
        EXPECT_EQ(option.Value, c.value);
        EXPECT_EQ(option.Text, c.text);
    }
}

TEST(WbPutOptions, ABareLineDoesNotRepeatTheLineBeforeIt) {
    std::string html = "<SELECT>";
    WbPutOptions(html, TStringList{"s=Small", "Medium", "l=Large"}, 1);
    EXPECT_EQ(html,
              "<SELECT><OPTION  VALUE=\"s\">Small</OPTION>"
              "<OPTION SELECTED VALUE=\"Medium\">Medium</OPTION>"
              "<OPTION  VALUE=\"l\">Large</OPTION>");
}

}  // namespace
}  // namespace wb
