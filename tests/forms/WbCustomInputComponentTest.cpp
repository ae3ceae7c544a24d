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
#include "host/DesignSurface.h"
#include "support/Probe.h"
#include "support/Surface.h"

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

TEST(WbLongestOptionText, CountsTheTextPartsOrGivesTen) {
    EXPECT_EQ(WbLongestOptionText(TStringList{}), 10);
    EXPECT_EQ(WbLongestOptionText(TStringList{"a=", "b="}), 10);
    EXPECT_EQ(WbLongestOptionText(TStringList{"s=Small", "m=Medium", "longvalue=L"}), 6);
    EXPECT_EQ(WbLongestOptionText(TStringList{"a=b=c", "Bare line"}), 9);
}

// ---- Previews ----

const std::map<TColor, char> kLegend = {{clBlack, '#'}, {clWhite, '.'}, {clYellow, 'y'}};

TEST(TWbCustomInputComponent, BasePreviewIsWhiteInTwoBlackFramesAndFramed) {
    TForm form;
    auto* control = new TWbCustomInputComponent(&form);
    control->SetBackGroundColor(clYellow);
    control->SetBounds(1, 1, 8, 6);
    EXPECT_FALSE(control->ControlStyle().Contains(csFramed));
    const TBitmap picture = PaintDesignSurface(*control);
    EXPECT_EQ(test::Picture(picture, kLegend),
              (std::vector<std::string>{"########", "########", "##....##", "##....##", "########", "########"}));
    EXPECT_TRUE(control->ControlStyle().Contains(csFramed));
}

// A form control as constructed, on yellow, with its own content.
template <class T>
std::function<TWbCustomInputComponent*(TForm&)> Yellow(std::function<void(T&)> fill = [](T&) {}) {
    return [fill](TForm& form) {
        auto* control = new T(&form);
        control->SetBackGroundColor(clYellow);
        fill(*control);
        return control;
    };
}

// What a boxed preview shows: the box (0, 0, Right, Bottom) inside the control and, inside the
// box's frame, pixels as Reference draws them on a white canvas with the control's font.
struct BoxedPreview {
    const char* name;
    std::function<TWbCustomInputComponent*(TForm&)> make;
    int32_t width;
    int32_t height;
    int32_t right;
    int32_t bottom;
    const char* font;
    std::function<void(TCanvas&)> reference;
    int32_t textRight = 0;  // the box's inside is compared up to here (0: up to the frame)
    bool showsText = true;
};

void NoText(TCanvas&) {}

std::vector<BoxedPreview> BoxedPreviews() {
    return {
        {"text field as constructed", Yellow<TWbTextInputField>(), 120, 25, 105, 22, "MS Sans Serif", NoText, 0, false},
        {"text area as constructed", Yellow<TWbTextArea>(), 425, 150, 415, 122, "COURIER NEW", NoText, 0, false},
        {"drop-down list as constructed", Yellow<TWbDropDownlist>(), 125, 25, 90, 22, "MS Sans Serif", NoText, 74, false},
        {"list box as constructed", Yellow<TWbListBox>(), 200, 75, 85, 52, "MS Sans Serif", NoText, 0, false},
        {"text field with a value", Yellow<TWbTextInputField>([](auto& c) { c.SetValue("Oslo"); }), 120, 25, 105, 22,
         "MS Sans Serif", [](TCanvas& c) { c.TextRect(Rect(0, 0, 105, 22), 3, 3, "Oslo"); }},
        {"password field, in clear text",
         Yellow<TWbTextInputField>([](auto& c) {
             c.SetPassWord(true);
             c.SetValue("secret");
         }),
         120, 25, 105, 22, "MS Sans Serif", [](TCanvas& c) { c.TextRect(Rect(0, 0, 105, 22), 3, 3, "secret"); }},
        {"text field narrower than its value",
         Yellow<TWbTextInputField>([](auto& c) {
             c.SetSize(3);
             c.SetValue("WWWWWWWW");
         }),
         120, 25, 21, 22, "MS Sans Serif", [](TCanvas& c) { c.TextRect(Rect(0, 0, 21, 22), 3, 3, "WWWWWWWW"); }},
        {"text area showing its first Rows lines",
         Yellow<TWbTextArea>([](auto& c) {
             c.SetColumns(10);
             c.SetRows(2);
             c.SetValue(TStringList{"first line, longer than the box", "second", "third"});
         }),
         425, 150, 95, 38, "COURIER NEW",
         [](TCanvas& c) {
             c.TextRect(Rect(0, 0, 95, 38), 2, 1, "first line, longer than the box");
             c.TextRect(Rect(0, 14, 95, 38), 2, 15, "second");
         }},
        {"text area of no rows", Yellow<TWbTextArea>([](auto& c) {
             c.SetRows(0);
             c.SetValue(TStringList{"not shown"});
         }),
         425, 150, 415, 10, "COURIER NEW", NoText, 0, false},
        {"drop-down list showing the selected option",
         Yellow<TWbDropDownlist>([](auto& c) {
             c.SetOptions(TStringList{"s=Small", "m=Medium", "l=Large"});
             c.SetSelected(1);
         }),
         125, 25, 62, 22, "MS Sans Serif", [](TCanvas& c) { c.TextRect(Rect(0, 0, 62, 22), 3, 3, "Medium"); }, 46},
        {"drop-down list whose selection is past its options",
         Yellow<TWbDropDownlist>([](auto& c) {
             c.SetOptions(TStringList{"s=Small", "m=Medium", "l=Large"});
             c.SetSelected(3);
         }),
         125, 25, 62, 22, "MS Sans Serif", NoText, 46, false},
        {"list box showing its first ListSize options",
         Yellow<TWbListBox>([](auto& c) {
             c.SetOptions(TStringList{"a=Apple", "b=Banana", "c=Cherry", "d=Date"});
             c.SetSelected(3);
         }),
         200, 75, 57, 52, "MS Sans Serif",
         [](TCanvas& c) {
             c.TextRect(Rect(0, 0, 57, 52), 2, 1, "Apple");
             c.TextRect(Rect(0, 14, 57, 52), 2, 15, "Banana");
             c.TextRect(Rect(0, 28, 57, 52), 2, 29, "Cherry");
         }},
        {"list box of one row",
         Yellow<TWbListBox>([](auto& c) {
             c.SetOptions(TStringList{"a=Apple", "b=Banana"});
             c.SetlistSize(0);
         }),
         200, 75, 57, 24, "MS Sans Serif", [](TCanvas& c) { c.TextRect(Rect(0, 0, 57, 24), 2, 1, "Apple"); }},
    };
}

// The box: white inside a frame 2 pixels wide around (0, 0) to (Right, Bottom), the frame's
// outer pixels on Right and Bottom; the control's area outside it yellow in a thin black frame.
TEST(TWbCustomInputComponent, BoxedPreviewsFollowThePropertiesNotTheControlsSize) {
    for (const auto& c : BoxedPreviews()) {
        SCOPED_TRACE(c.name);
        TForm form;
        TWbCustomInputComponent* control = c.make(form);
        ASSERT_EQ(control->Width(), c.width);
        ASSERT_EQ(control->Height(), c.height);
        TControlStyle style = control->ControlStyle();
        style.Include(csFramed);
        control->SetControlStyle(style);
        const TBitmap picture = PaintDesignSurface(*control);
        EXPECT_FALSE(control->ControlStyle().Contains(csFramed));
        EXPECT_EQ(control->Canvas().Pen().Width(), 1);

        const int32_t r = c.right;
        const int32_t b = c.bottom;
        for (int32_t y = 0; y <= b; ++y)
            for (const int32_t x : {0, 1, r - 1, r}) ASSERT_EQ(picture.GetPixel(x, y), clBlack) << x << ", " << y;
        for (int32_t x = 0; x <= r; ++x)
            for (const int32_t y : {0, 1, b - 1, b}) ASSERT_EQ(picture.GetPixel(x, y), clBlack) << x << ", " << y;
        for (int32_t y = 1; y < c.height - 1; ++y)
            for (int32_t x = 1; x < c.width - 1; ++x)
                if (x > r || y > b) {
                    ASSERT_EQ(picture.GetPixel(x, y), clYellow) << x << ", " << y;
                }
        for (int32_t x = r + 1; x < c.width; ++x) ASSERT_EQ(picture.GetPixel(x, c.height - 1), clBlack) << x;
        for (int32_t y = b + 1; y < c.height; ++y) ASSERT_EQ(picture.GetPixel(c.width - 1, y), clBlack) << y;

        TBitmap expected = test::Filled(c.width, c.height, clWhite);
        TCanvas reference(expected);
        reference.Font().SetName(c.font);
        reference.Font().SetHeight(16);
        c.reference(reference);
        const TRect inside = Rect(2, 2, c.textRight != 0 ? c.textRight : r - 1, b - 1);
        EXPECT_TRUE(test::SamePixels(picture, expected, inside));
        EXPECT_EQ(test::CountColor(expected, inside, clBlack) > 0, c.showsText);
    }
}

TEST(TWbCustomInputComponent, DropDownPreviewCutsOffItsButtonWithAMark) {
    TForm form;
    auto* list = new TWbDropDownlist(&form);
    list->SetBackGroundColor(clYellow);
    const TBitmap picture = PaintDesignSurface(*list);
    // With no options the box is 10 characters: the button line at 75, the mark at 82.
    EXPECT_EQ(test::Picture(picture, Rect(70, 8, 89, 15), kLegend), (std::vector<std::string>{
                                                                         "....##.............",
                                                                         "....##.............",
                                                                         "....##.....###.....",
                                                                         "....##.....###.....",
                                                                         "....##.....###.....",
                                                                         "....##.............",
                                                                         "....##.............",
                                                                     }));
    for (int32_t y = 0; y < 22; ++y) EXPECT_EQ(picture.GetPixel(75, y), clBlack) << y;
    EXPECT_EQ(picture.GetPixel(75, 22), clBlack);  // the box's bottom frame
}

TEST(TWbCustomInputComponent, AFieldOfSizeZeroHasABoxOfNoWidth) {
    TForm form;
    auto* field = new TWbTextInputField(&form);
    field->SetBackGroundColor(clYellow);
    field->SetSize(0);
    field->SetValue("hidden");
    const TBitmap picture = PaintDesignSurface(*field);
    EXPECT_EQ(test::CountColor(picture, clWhite), 0);
    EXPECT_EQ(test::Picture(picture, Rect(0, 0, 4, 3), kLegend), (std::vector<std::string>{"####", "##yy", "##yy"}));
}

}  // namespace
}  // namespace wb
