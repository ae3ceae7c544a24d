#include "forms/WbInputForm.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "forms/WbCheckBox.h"
#include "forms/WbSubmitButton.h"
#include "forms/WbTextInputField.h"
#include "support/Probe.h"
#include "support/SetterEffects.h"

namespace wb {
namespace {

using test::LogEvents;
using test::Place;

const std::string kRow = "<TR VALIGN=\"top\" ALIGN=\"left\">";

TEST(TWbInputForm, Defaults) {
    TForm form;
    TWbInputForm input(&form);
    EXPECT_EQ(input.Method(), T_FormMethodType::Post);
    EXPECT_EQ(input.Action(), "");
    EXPECT_EQ(input.FormName(), "");
    EXPECT_EQ(input.GetHiddenField().Count(), 0);
    EXPECT_EQ((std::array{input.Left(), input.Top(), input.Width(), input.Height()}),
              (std::array{1, 1, 300, 300}));
    EXPECT_TRUE(input.GetContainer());
    EXPECT_TRUE(input.IsBackgroundTransparent());
    EXPECT_EQ(sizeof(T_FormMethodType), 1u);
    EXPECT_EQ(static_cast<int>(T_FormMethodType::Post), 0);
    EXPECT_EQ(static_cast<int>(T_FormMethodType::Get), 1);
}

// A childless form of 40 by 20: everything but the FORM head is the empty container's table.
TEST(TWbInputForm, WritesItsHeadAndHiddenFieldsInsideTheTable) {
    const struct {
        const char* name;
        std::function<void(TWbInputForm&)> set;
        std::string head;
    } cases[] = {
        {"as constructed", [](TWbInputForm&) {}, "<FORM NAME=\"\" ACTION=\"\" METHOD=POST>"},
        {"method Get", [](TWbInputForm& f) { f.SetMethod(T_FormMethodType::Get); },
         "<FORM NAME=\"\" ACTION=\"\" METHOD=GET>"},
        {"name and action quoted and unchanged",
         [](TWbInputForm& f) {
             f.SetFormName("a \"b\"");
             f.SetAction("/x?y=1&z=<2>");
         },
         "<FORM NAME=\"a \"b\"\" ACTION=\"/x?y=1&z=<2>\" METHOD=POST>"},
        {"split at the first equals sign",
         [](TWbInputForm& f) { f.SetHiddenField(TStringList{"a=b=c", "=x", "a="}); },
         "<FORM NAME=\"\" ACTION=\"\" METHOD=POST><INPUT TYPE=HIDDEN NAME=a VALUE=b=c>"
         "<INPUT TYPE=HIDDEN NAME= VALUE=x><INPUT TYPE=HIDDEN NAME=a VALUE=>"},
        {"value with blanks and quotes unquoted and unchanged",
         [](TWbInputForm& f) { f.SetHiddenField(TStringList{"note=two words \"q\""}); },
         "<FORM NAME=\"\" ACTION=\"\" METHOD=POST>"
         "<INPUT TYPE=HIDDEN NAME=note VALUE=two words \"q\">"},
        {"a line without equals sign is a name with an empty value",
         [](TWbInputForm& f) { f.SetHiddenField(TStringList{"x", "step=2", "y", ""}); },
         "<FORM NAME=\"\" ACTION=\"\" METHOD=POST><INPUT TYPE=HIDDEN NAME=x VALUE=>"
         "<INPUT TYPE=HIDDEN NAME=step VALUE=2><INPUT TYPE=HIDDEN NAME=y VALUE=>"
         "<INPUT TYPE=HIDDEN NAME= VALUE=>"},
        {"inside text before the hidden fields",
         [](TWbInputForm& f) {
             f.GetHTMLInside().Add("<P>");
             f.GetHiddenField().Add("a=1");
         },
         "<FORM NAME=\"\" ACTION=\"\" METHOD=POST> <P><INPUT TYPE=HIDDEN NAME=a VALUE=1>"},
        {"inside text right before the first row",
         [](TWbInputForm& f) { f.GetHTMLInside().Add("<P>"); },
         "<FORM NAME=\"\" ACTION=\"\" METHOD=POST> <P>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TForm form;
        TWbInputForm input(&form);
        input.SetBounds(1, 1, 40, 20);
        c.set(input);
        EXPECT_EQ(input.put(), "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=0 WIDTH=40>" + c.head +
                                   kRow + "<TD HEIGHT=20 WIDTH=40 ></TD><TD></TD></TR>" +
                                   "</FORM></TABLE>");
    }
}

TEST(TWbInputForm, FreeTextsWrapTheTableAndAColourReachesIt) {
    TForm form;
    TWbInputForm input(&form);
    input.SetBounds(1, 1, 40, 0);  // no rows
    input.GetHTMLBefore().Add("<CENTER>");
    input.GetHTMLAfter().Add("</CENTER>");
    input.SetBackGroundColor(clYellow);
    EXPECT_EQ(input.put(),
              " <CENTER><TABLE BGCOLOR=\"#FFFF00\" BORDER=0 CELLSPACING=0 CELLPADDING=0 WIDTH=40>"
              "<FORM NAME=\"\" ACTION=\"\" METHOD=POST></FORM></TABLE> </CENTER>");
}

TEST(TWbInputForm, HiddenFieldsAreCopiedAndTheGetterGivesTheOwnList) {
    TForm form;
    TWbInputForm input(&form);
    TStrings& own = input.GetHiddenField();
    TStringList lines{"a=1"};
    input.SetHiddenField(lines);
    lines.Put(0, "changed=1");
    EXPECT_EQ(&input.GetHiddenField(), &own);
    own.Add("b=2");  // edited in place, shows in the next output
    const std::string html = input.put();
    EXPECT_NE(html.find("<INPUT TYPE=HIDDEN NAME=a VALUE=1><INPUT TYPE=HIDDEN NAME=b VALUE=2>"),
              std::string::npos);
    EXPECT_EQ(html.find("changed"), std::string::npos);
}

TEST(TWbInputForm, NoPropertyNotifiesOrRepaints) {
    test::ExpectSetterEffects<TWbInputForm>({
        {"Method", [](TWbInputForm& f) { f.SetMethod(T_FormMethodType::Get); }, 0, 0},
        {"Action", [](TWbInputForm& f) { f.SetAction("/cgi-bin/order"); }, 0, 0},
        {"FormName", [](TWbInputForm& f) { f.SetFormName("order"); }, 0, 0},
        {"HiddenFields", [](TWbInputForm& f) { f.SetHiddenField(TStringList{"a=1"}); }, 0, 0},
    });
}

// The order form of a page: a form at (10, 10), 200 by 60, holding a quantity field and a
// button; a check box stands on the page outside the form.
class OrderPage : public ::testing::Test {
protected:
    OrderPage() {
        page = Place<TWbPage>(form, form, "Page", 0, 0, 500, 300);
        order = Place<TWbInputForm>(form, *page, "Order", 10, 10, 200, 60);
        order->SetFormName("order");
        order->SetAction("/cgi-bin/order");
        order->SetMethod(T_FormMethodType::Get);
        order->SetHiddenField(TStringList{"step=2", "lang=en"});
        quantity = Place<TWbTextInputField>(form, *order, "Quantity", 10, 10, 120, 25);
        quantity->SetFieldName("qty");
        quantity->SetValue("1");
        send = Place<TWbSubmitButton>(form, *order, "Send", 140, 10, 50, 25);
        send->Setvalue("Order");
        news = Place<TWbCheckBox>(form, *page, "News", 300, 10, 25, 25);
        news->SetFieldName("news");
        news->SetValue("yes");
    }

    TForm form;
    TWbPage* page;
    TWbInputForm* order;
    TWbTextInputField* quantity;
    TWbSubmitButton* send;
    TWbCheckBox* news;
};

const std::string kOrderForm =
    "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=0 WIDTH=200>"
    "<FORM NAME=\"order\" ACTION=\"/cgi-bin/order\" METHOD=GET>"
    "<INPUT TYPE=HIDDEN NAME=step VALUE=2><INPUT TYPE=HIDDEN NAME=lang VALUE=en>" +
    kRow +
    "<TD HEIGHT=10 WIDTH=10 ></TD><TD HEIGHT=10 WIDTH=120 ></TD><TD HEIGHT=10 WIDTH=10 ></TD>"
    "<TD HEIGHT=10 WIDTH=50 ></TD><TD HEIGHT=10 WIDTH=10 ></TD><TD></TD></TR>" +
    kRow +
    "<TD HEIGHT=25 ></TD>"
    "<TD  HEIGHT=25    ><INPUT TYPE=\"text\" NAME=\"qty\" VALUE=\"1\" SIZE=15 MAXLENGTH=15 ></TD>"
    "<TD></TD>"
    "<TD  HEIGHT=25    ><INPUT TYPE=SUBMIT VALUE=\"Order\" BORDER=0 ></TD></TR>" +
    kRow + "<TD HEIGHT=25 ></TD><TD COLSPAN=4></TD></TR></FORM></TABLE>";

TEST_F(OrderPage, FormRendersItsChildrenInsideTheFormElement) {
    EXPECT_EQ(order->put(), kOrderForm);
}

TEST_F(OrderPage, PageCarriesTheFormAndTheControlOutsideIt) {
    const std::string document = page->put();
    // The check box's bottom edge splits the form's rows in the page's table.
    EXPECT_NE(document.find("<TD  HEIGHT=25 ROWSPAN=2   >" + kOrderForm + "</TD>"),
              std::string::npos);
    const auto checkBox =
        document.find("<TD  HEIGHT=25    ><INPUT TYPE=CHECKBOX NAME=news value=\"yes\"  ></TD>");
    ASSERT_NE(checkBox, std::string::npos);
    EXPECT_GT(checkBox, document.find("</FORM>"));
}

TEST_F(OrderPage, EventsNestAndABeforePutHandlerChangesTheSameOutput) {
    std::vector<std::string> log;
    for (TWbComponent* c : std::initializer_list<TWbComponent*>{order, quantity, send})
        LogEvents(*c, log);
    order->SetOnBeforePut([&](TObject*) {
        log.push_back("Order before");
        order->SetAction("/cgi-bin/late");
    });
    const std::string html = order->put();
    EXPECT_NE(html.find("ACTION=\"/cgi-bin/late\""), std::string::npos);
    EXPECT_EQ(log, (std::vector<std::string>{"Order before", "Quantity before", "Quantity after",
                                             "Send before", "Send after", "Order after"}));
}

}  // namespace
}  // namespace wb
