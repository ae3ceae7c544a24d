#include "content/WbImageMap.h"

#include <gtest/gtest.h>

#include <array>

#include "content/WbImage.h"
#include "content/WbJavaApplet.h"
#include "content/WbText.h"
#include "host/Exception.h"
#include "support/Probe.h"

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

}  // namespace
}  // namespace wb
