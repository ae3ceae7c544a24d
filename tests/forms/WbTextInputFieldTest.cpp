#include "forms/WbTextInputField.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "support/SetterEffects.h"

namespace wb {
namespace {

TEST(TWbTextInputField, Defaults) {
    TForm form;
    TWbTextInputField field(&form);
    EXPECT_EQ((std::array{field.Left(), field.Top(), field.Width(), field.Height()}),
              (std::array{1, 1, 120, 25}));
    EXPECT_FALSE(field.GetContainer());
    EXPECT_EQ(field.Size(), 15);
    EXPECT_EQ(field.MaxLength(), 15);
    EXPECT_EQ(field.Value(), "");
    EXPECT_FALSE(field.PassWord());
}

TEST(TWbTextInputField, Markup) {
    const struct {
        const char* name;
        std::function<void(TWbTextInputField&)> set;
        std::string expected;
    } cases[] = {
        {"as constructed", [](TWbTextInputField&) {},
         "<INPUT TYPE=\"text\" NAME=\"city\" VALUE=\"Oslo\" SIZE=15 MAXLENGTH=15 >"},
        {"password with inside text",
         [](TWbTextInputField& f) {
             f.SetPassWord(true);
             f.SetSize(8);
             f.SetMaxLength(0);
             f.GetHTMLInside().Add("TABINDEX=2");
         },
         "<INPUT TYPE=\"PASSWORD\" NAME=\"city\" VALUE=\"Oslo\" SIZE=8 MAXLENGTH=0  TABINDEX=2>"},
        {"empty value", [](TWbTextInputField& f) { f.SetValue(""); },
         "<INPUT TYPE=\"text\" NAME=\"city\" VALUE=\"\" SIZE=15 MAXLENGTH=15 >"},
        {"value unescaped", [](TWbTextInputField& f) { f.SetValue("a \"b\" & <c>"); },
         "<INPUT TYPE=\"text\" NAME=\"city\" VALUE=\"a \"b\" & <c>\" SIZE=15 MAXLENGTH=15 >"},
        {"size 0 and the largest sizes",
         [](TWbTextInputField& f) {
             f.SetSize(0);
             f.SetMaxLength(65535);
         },
         "<INPUT TYPE=\"text\" NAME=\"city\" VALUE=\"Oslo\" SIZE=0 MAXLENGTH=65535 >"},
        {"free texts around",
         [](TWbTextInputField& f) {
             f.GetHTMLBefore().Add("Town:");
             f.GetHTMLAfter().Add("<BR>");
         },
         " Town:<INPUT TYPE=\"text\" NAME=\"city\" VALUE=\"Oslo\" SIZE=15 MAXLENGTH=15 > <BR>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TForm form;
        TWbTextInputField field(&form);
        field.SetFieldName("city");
        field.SetValue("Oslo");
        c.set(field);
        EXPECT_EQ(field.put(), c.expected);
    }
}

TEST(TWbTextInputField, SizeAndValueRepaintTheOthersDoNot) {
    test::ExpectSetterEffects<TWbTextInputField>({
        {"Size", [](TWbTextInputField& f) { f.SetSize(20); }, 1, 1},
        {"Size unchanged", [](TWbTextInputField& f) { f.SetSize(15); }, 1, 1},
        {"MaxLength", [](TWbTextInputField& f) { f.SetMaxLength(20); }, 0, 0},
        {"Value", [](TWbTextInputField& f) { f.SetValue("Oslo"); }, 1, 1},
        {"PassWord", [](TWbTextInputField& f) { f.SetPassWord(true); }, 0, 0},
    });
}

}  // namespace
}  // namespace wb
