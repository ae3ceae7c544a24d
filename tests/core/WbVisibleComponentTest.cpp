#include "core/WbVisibleComponent.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "content/WbImage.h"
#include "content/WbImageMap.h"
#include "content/WbJavaApplet.h"
#include "forms/WbInputForm.h"
#include "forms/WbSubmitButton.h"
#include "host/DesignSurface.h"
#include "host/Exception.h"
#include "support/Probe.h"
#include "support/Surface.h"

namespace wb {
namespace {

using test::LogEvents;
using test::Place;
using test::TProbe;

TEST(TWbVisibleComponent, Defaults) {
    TForm form;
    TWbVisibleComponent component(&form);
    EXPECT_EQ(component.Width(), 300);
    EXPECT_EQ(component.Height(), 300);
    // The constructor's sizing passed the edge clamp, as every new component's does.
    EXPECT_EQ(component.Left(), 1);
    EXPECT_EQ(component.Top(), 1);
    EXPECT_TRUE(component.IsBackgroundTransparent());
    EXPECT_EQ(component.Align(), taLeft);
    EXPECT_EQ(component.GetHTMLBefore().Count() + component.GetHTMLInside().Count() +
                  component.GetHTMLAfter().Count(),
              0);
    EXPECT_FALSE(component.GetContainer());
}

TEST(TWbVisibleComponent, EdgeClampSparesOnlyThePage) {
    TForm form;
    auto* text = new TProbe(&form);
    auto* page = new TWbPage(&form);
    EXPECT_EQ(page->Left(), 0);  // a new page was never clamped
    EXPECT_EQ(page->Top(), 0);
    text->SetBounds(0, -5, 10, 10);
    page->SetBounds(0, -5, 10, 10);
    EXPECT_EQ((std::array{text->Left(), text->Top(), text->Width(), text->Height()}),
              (std::array{1, 1, 10, 10}));
    EXPECT_EQ((std::array{page->Left(), page->Top()}), (std::array{0, -5}));
    text->SetLeft(-100);
    text->SetWidth(-20);  // sizes pass unchanged, even negative ones
    EXPECT_EQ(text->Left(), 1);
    EXPECT_EQ(text->Width(), -20);
}

TEST(TWbVisibleComponent, PlacementRefusalsLeaveTheNewcomerOutside) {
    TForm form;
    auto* panel = Place<TWbPanel>(form, form, "Panel", 1, 1, 100, 100);
    auto* leaf = Place<TProbe>(form, *panel, "Leaf", 1, 1, 10, 10);
    auto* plainControl = new TWinControl(&form);
    auto* imageMap = new TWbImageMap(&form);
    auto* webComponent = new TProbe(&form);
    const struct {
        const char* name;
        TWinControl* receiver;
        TControl* newcomer;
        const char* message;
    } cases[] = {
        {"web component on a leaf", leaf, webComponent,
         "Cannot place component in a non-container"},
        {"host control on a panel", panel, plainControl,
         "It\xB4s only possible to place Web-Components here"},
        {"image map on a panel", panel, imageMap, "Imagemaps can only be put on images"},
        {"image map on a leaf", leaf, imageMap, "Imagemaps can only be put on images"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            c.newcomer->SetParent(c.receiver);
            ADD_FAILURE() << "accepted";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
        EXPECT_EQ(c.newcomer->Parent(), nullptr);
    }
    EXPECT_EQ(panel->ControlCount(), 1);
    EXPECT_EQ(leaf->ControlCount(), 0);
    webComponent->SetParent(panel);  // a web component in a container is welcome
    EXPECT_EQ(panel->ControlCount(), 2);
}

TEST(TWbVisibleComponent, TransparentComponentsShowTheNearestColour) {
    TForm form;
    auto* page = Place<TWbPage>(form, form, "Page", 0, 0, 100, 100);
    auto* panel = Place<TWbPanel>(form, *page, "Panel", 1, 1, 50, 50);
    auto* inner = Place<TProbe>(form, *panel, "Inner", 1, 1, 10, 10);
    page->SetBackGroundColor(WbTransparentColor);
    EXPECT_EQ(panel->GetBackGroundColor(), WbTransparentColor);

    page->SetBackGroundColor(clWhite);
    EXPECT_EQ(panel->GetBackGroundColor(), clWhite);
    EXPECT_EQ(inner->GetBackGroundColor(), clWhite);
    EXPECT_TRUE(panel->IsBackgroundTransparent());

    panel->SetBackGroundColor(clRed);
    EXPECT_EQ(inner->GetBackGroundColor(), clRed);
    panel->SetIsBackgroundTransparent(true);  // asks for a repaint and nothing else
    EXPECT_EQ(panel->GetBackGroundColor(), clRed);
}

TEST(TWbVisibleComponent, HTMLListsAreCopiedNotShared) {
    TForm form;
    TProbe component(&form);
    TStrings& own = component.GetHTMLBefore();
    TStringList lines{"<CENTER>", "<B>"};
    component.SetHTMLBefore(lines);
    lines.Put(0, "changed");
    EXPECT_EQ(&component.GetHTMLBefore(), &own);
    ASSERT_EQ(own.Count(), 2);
    EXPECT_EQ(own[0], "<CENTER>");
}

TEST(TWbVisibleComponent, BasePutFiresBothEventsAndWritesNothing) {
    TForm form;
    TWbVisibleComponent component(&form);
    component.SetName("C");
    std::vector<std::string> log;
    LogEvents(component, log);
    EXPECT_EQ(component.put(), "");
    EXPECT_EQ(log, (std::vector<std::string>{"C before", "C after"}));
}

TEST(TWbVisibleComponent, RepaintRequestsReachTheSurfaceOnlyAtDesignTime) {
    TForm form;
    auto* panel = Place<TWbPanel>(form, form, "Panel", 1, 1, 100, 100);
    auto* child = Place<TProbe>(form, *panel, "Child", 1, 1, 10, 10);
    int changes = 0;
    panel->SetOnChange([&](TObject*) { ++changes; });

    const struct {
        const char* name;
        std::function<void()> change;
        int panelRepaints, childRepaints;
    } cases[] = {
        {"colour repaints the children too", [&] { panel->SetBackGroundColor(clRed); }, 1, 1},
        {"alignment", [&] { panel->SetAlign(taRight); }, 1, 0},
        {"transparency flag", [&] { panel->SetIsBackgroundTransparent(false); }, 1, 0},
        {"HasChanged", [&] { panel->HasChanged(); }, 1, 0},
        {"updateSelf", [&] { panel->updateSelf(nullptr); }, 1, 0},
        {"design-time message", [&] { panel->Perform(CM_DESIGNTIMEUPDATE); }, 1, 0},
        {"free texts do not repaint", [&] { panel->SetHTMLAfter(TStringList{"x"}); }, 0, 0},
        {"style change does not repaint", [&] { panel->StyleChanged(nullptr); }, 0, 0},
    };
    for (const bool designing : {false, true}) {
        form.SetDesigning(designing);
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (designing ? " (designing)" : " (running)"));
            const int panelBefore = panel->RepaintRequests();
            const int childBefore = child->RepaintRequests();
            c.change();
            EXPECT_EQ(panel->RepaintRequests() - panelBefore, designing ? c.panelRepaints : 0);
            EXPECT_EQ(child->RepaintRequests() - childBefore, designing ? c.childRepaints : 0);
        }
    }
    EXPECT_EQ(changes, 2);  // HasChanged fires the change callback at run time as well
}

// The components that keep the generic preview, each with the colour it shows.
struct GenericPreview {
    const char* name;
    std::function<TWbVisibleComponent*(TForm&)> make;
    TColor shown;
};

template <class T>
std::function<TWbVisibleComponent*(TForm&)> Coloured(TColor color) {
    return [color](TForm& form) {
        auto* component = new T(&form);
        component->SetBackGroundColor(color);
        return component;
    };
}

TEST(TWbVisibleComponent, GenericPreviewShowsTheNameOnTheColourInsideTheOutline) {
    const GenericPreview cases[] = {
        {"transparent page, painted white", [](TForm& form) { return new TWbPage(&form); }, clWhite},
        {"panel", Coloured<TWbPanel>(clYellow), clYellow},
        {"input form", Coloured<TWbInputForm>(clNavy), clNavy},
        {"submit button", Coloured<TWbSubmitButton>(clTeal), clTeal},
        {"image", Coloured<TWbImage>(clWhite), clWhite},
        {"applet, silver as constructed", [](TForm& form) { return new TWbJavaApplet(&form); }, clSilver},
        {"transparent panel on a coloured page",
         [](TForm& form) {
             auto* page = new TWbPage(&form);
             page->SetBackGroundColor(clPurple);
             auto* panel = new TWbPanel(&form);
             panel->SetParent(page);
             return panel;
         },
         clPurple},
    };
    TCanvas measure;
    measure.Font().SetName("ARIAL");
    measure.Font().SetHeight(12);
    const int32_t nameWidth = measure.TextWidth("Order1");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TForm form;
        TWbVisibleComponent* component = c.make(form);
        component->SetName("Order1");
        const TBitmap picture = PaintDesignSurface(*component);
        ASSERT_EQ(picture.Width(), component->Width());

        test::ExpectDashedOutline(picture, c.shown ^ 0xFFFFFF, c.shown);
        // The name in light grey in its cell at (5, 5); the rest of the inside in the colour.
        const TRect cell = Rect(5, 5, 5 + nameWidth, 5 + 12);
        EXPECT_GT(test::CountColor(picture, cell, 0xAAAAAA), 10);
        for (int32_t y = 1; y < picture.Height() - 1; ++y)
            for (int32_t x = 1; x < picture.Width() - 1; ++x) {
                const bool inCell = x >= cell.Left && x < cell.Right && y >= cell.Top && y < cell.Bottom;
                const TColor color = picture.GetPixel(x, y);
                ASSERT_TRUE(color == c.shown || (inCell && color == 0xAAAAAA)) << x << ", " << y;
            }
        // What the outline leaves behind for the next paint.
        EXPECT_EQ(component->Canvas().Pen().Mode(), pmCopy);
        EXPECT_EQ(component->Canvas().Pen().Style(), psDash);
    }
}

TEST(TWbVisibleComponent, GenericPreviewLooksTheSameEveryTime) {
    TForm form;
    auto* panel = new TWbPanel(&form);
    panel->SetName("Panel1");
    panel->SetBackGroundColor(clYellow);
    const TBitmap first = PaintDesignSurface(*panel);
    EXPECT_TRUE(test::SamePixels(PaintDesignSurface(*panel), first));
}

}  // namespace
}  // namespace wb
