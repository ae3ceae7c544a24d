#include "content/WbImageMap.h"

#include <gtest/gtest.h>

#include <array>

#include "content/WbImage.h"
#include "content/WbJavaApplet.h"
#include "content/WbText.h"
#include "host/DesignSurface.h"
#include "host/Exception.h"
#include "support/Probe.h"
#include "support/Surface.h"

namespace wb {
namespace {

using test::Place;

TEST(TWbImageMap, Defaults) {
    TForm form;
    TWbImageMap area(&form);
    EXPECT_EQ((std::array{area.Left(), area.Top(), area.Width(), area.Height()}),
              (std::array{0, 0, 50, 25}));
    EXPECT_FALSE(area.ControlStyle().Contains(csOpaque));
    EXPECT_EQ(area.Link(), "");
    EXPECT_EQ(area.AltText(), "");
}

TEST(TWbImageMap, LiesAnywhereOnItsImage) {
    TForm form;
    auto* image = new TWbImage(&form);
    auto* area = new TWbImageMap(&form);
    area->SetParent(image);
    area->SetBounds(0, -3, 10, 10);  // no edge clamp: it is not a web component
    EXPECT_EQ((std::array{area->Left(), area->Top()}), (std::array{0, -3}));
}

TEST(TWbImageMap, IsRefusedByEveryOtherWebComponent) {
    TForm form;
    auto* page = Place<TWbPage>(form, form, "Page", 0, 0, 300, 300);
    auto* panel = Place<TWbPanel>(form, *page, "Panel", 1, 1, 100, 100);
    auto* text = Place<TWbText>(form, *page, "Text", 110, 1, 50, 20);
    auto* applet = Place<TWbJavaApplet>(form, *page, "Applet", 1, 110, 50, 50);
    TWinControl* receivers[] = {page, panel, text, applet};
    auto* area = new TWbImageMap(&form);
    for (TWinControl* receiver : receivers) {
        SCOPED_TRACE(receiver->Name());
        try {
            area->SetParent(receiver);
            ADD_FAILURE() << "accepted";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "Imagemaps can only be put on images");
        }
        EXPECT_EQ(area->Parent(), nullptr);
    }
}

// The preview is a dashed outline in the canvas's own pen colour and mode; the inside is left
// as it was, so the image shows through.
TEST(TWbImageMap, PreviewIsADashedOutlineOverTheImage) {
    TForm form;
    auto* area = new TWbImageMap(&form);
    area->SetBounds(0, 0, 50, 25);
    TBitmap picture = test::Filled(50, 25, clYellow);
    area->Canvas().SetBitmap(&picture);
    area->paint();
    test::ExpectDashedOutline(picture, clBlack, clYellow);
    EXPECT_EQ(test::CountColor(picture, Rect(1, 1, 49, 24), clYellow), 48 * 23);

    area->Canvas().Pen().SetMode(pmNot);
    area->Canvas().Pen().SetColor(clRed);
    TBitmap inverted = test::Filled(50, 25, clYellow);
    area->Canvas().SetBitmap(&inverted);
    area->paint();
    test::ExpectDashedOutline(inverted, clBlue, clYellow);
}

TEST(TWbImageMap, ShowsOnItsImageOnTheDesignSurface) {
    TForm form;
    auto* image = new TWbImage(&form);
    image->SetName("Map");
    image->SetBackGroundColor(clWhite);
    const TBitmap alone = PaintDesignSurface(*image);
    auto* area = new TWbImageMap(&form);
    area->SetParent(image);
    area->SetBounds(10, 20, 50, 25);
    const TBitmap mapped = PaintDesignSurface(*image);
    // Only the outline's dashes differ from the image alone.
    int differences = 0;
    for (int32_t y = 0; y < 100; ++y)
        for (int32_t x = 0; x < 100; ++x) differences += alone.GetPixel(x, y) != mapped.GetPixel(x, y);
    int dashes = 0;
    for (const auto& p : test::DashedOutline(50, 25)) {
        dashes += p.Dash;
        EXPECT_EQ(mapped.GetPixel(10 + p.X, 20 + p.Y), p.Dash ? clBlack : alone.GetPixel(10 + p.X, 20 + p.Y));
    }
    EXPECT_EQ(differences, dashes);
}

}  // namespace
}  // namespace wb
