#include "host/FontFaces.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "content/WbText.h"
#include "core/WbPage.h"
#include "forms/WbTextInputField.h"
#include "host/Bitmaps.h"
#include "host/Canvas.h"
#include "host/Forms.h"
#include "support/Surface.h"

namespace wb {
namespace {

TEST(FontFaces, NamesOfOtherSystemsFindMetricCompatibleFamilies) {
    const struct {
        const char* name;
        const char* family;
    } cases[] = {
        {"ARIAL", "Liberation Sans"},        {"Arial", "Liberation Sans"},
        {"MS Sans Serif", "Liberation Sans"}, {"ms sans serif", "Liberation Sans"},
        {"COURIER NEW", "Liberation Mono"},  {"Times New Roman", "Liberation Serif"},
        {"DejaVu Sans", ""},                 {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MetricCompatibleFamily(c.name), c.family);
    }
}

// A line of text in a face, as a picture.
TBitmap Sample(const std::string& face, TFontStyles style = {}) {
    TBitmap bitmap = test::Filled(200, 20, clWhite);
    TCanvas canvas(bitmap);
    canvas.Font().SetName(face);
    canvas.Font().SetHeight(16);
    canvas.Font().SetStyle(style);
    canvas.TextOut(0, 0, "Quick brown fox 123");
    return bitmap;
}

// With the faces the project installs (fonts-liberation2), the names forms use draw with the
// Liberation faces, the bold and italic ones included; other names as fontconfig chooses.
TEST(FontFaces, FormsFacesDrawInTheLiberationFaces) {
    const struct {
        const char* name;
        const char* face;
    } cases[] = {
        {"ARIAL", "Liberation Sans"},
        {"MS Sans Serif", "Liberation Sans"},
        {"COURIER NEW", "Liberation Mono"},
        {"A face no system has", "sans-serif"},  // the system's default face
    };
    for (const auto& c : cases) {
        for (const TFontStyles style : {TFontStyles{}, TFontStyles{fsBold}, TFontStyles{fsItalic}, TFontStyles{fsBold, fsItalic}}) {
            SCOPED_TRACE(std::string(c.name) + ", style " + std::to_string(style.Bits()));
            EXPECT_TRUE(test::SamePixels(Sample(c.name, style), Sample(c.face, style)));
        }
    }
    EXPECT_FALSE(test::SamePixels(Sample("ARIAL"), Sample("COURIER NEW")));
    EXPECT_FALSE(test::SamePixels(Sample("ARIAL"), Sample("ARIAL", {fsBold})));
}

TEST(FontFaces, FacesAreKeptForTheProcess) {
    const TFontFace* face = FindFontFace("ARIAL", 16, false, false);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(FindFontFace("arial", 16, false, false), face);
    EXPECT_NE(FindFontFace("ARIAL", 18, false, false), face);
    EXPECT_EQ(face->CellHeight(), 16);
    EXPECT_GT(face->Ascent(), 10);
    EXPECT_LT(face->Ascent(), 16);
    // A height no screen shows is drawn at the largest the faces are drawn at.
    EXPECT_EQ(FindFontFace("ARIAL", 100000, false, false)->CellHeight(), 1024);
    EXPECT_EQ(FindFontFace("ARIAL", 100000, false, false), FindFontFace("ARIAL", 1024, false, false));
}

// Runs in a fresh process: the page is built, rendered and given fonts without a face being
// looked up; the first measured text starts fontconfig and FreeType.
TEST(FontFacesDeathTest, StartOnlyAtTheFirstText) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            TForm form;
            auto* page = new TWbPage(&form);
            page->SetParent(&form);
            auto* text = new TWbText(&form);
            text->SetParent(page);
            text->WriteText(TStringList{"Hello"});
            text->GetFont()->SetPrimaryFont("COURIER NEW");
            auto* field = new TWbTextInputField(&form);
            field->SetParent(page);
            field->SetValue("value");
            const bool rendered = !page->put().empty();
            text->Canvas().Font().SetName("ARIAL");
            const bool quiet = !FontEngineStarted();
            TCanvas canvas;
            canvas.TextWidth("x");
            std::_Exit(rendered && quiet && FontEngineStarted() ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace wb
