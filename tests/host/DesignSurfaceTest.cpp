#include "host/DesignSurface.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "host/Forms.h"
#include "support/Surface.h"

namespace wb {
namespace {

using test::Picture;

// A control that paints far beyond its own rectangle in one colour, and notes where its canvas
// was set up: what it shows of itself is what the surface let it paint.
template <class Base>
class Painter : public Base {
public:
    Painter(TComponent* owner, TColor color) : Base(owner), FColor(color) {}

    void paint() override {
        TCanvas& canvas = this->Canvas();
        origin = canvas.Origin();
        canvas.Brush().SetColor(FColor);
        canvas.FillRect(Rect(-1000, -1000, 1000, 1000));
        ++paints;
    }

    TPoint origin;
    int paints = 0;

private:
    TColor FColor;
};

using WindowPainter = Painter<TCustomControl>;
using LightPainter = Painter<TGraphicControl>;

template <class T>
T* Place(TForm& form, TWinControl& parent, TColor color, int32_t left, int32_t top, int32_t width, int32_t height) {
    auto* control = new T(&form, color);
    control->SetParent(&parent);
    control->SetBounds(left, top, width, height);
    return control;
}

const std::map<TColor, char> kLegend = {
    {clSilver, '.'}, {clRed, 'r'}, {clBlue, 'b'}, {clLime, 'g'}, {clYellow, 'y'}, {clBlack, '#'}};

TEST(DesignSurface, ChildrenLieOverTheirParentsEachInItsOwnRectangle) {
    TForm form;
    form.SetBounds(100, 100, 12, 8);  // the form's own place on the screen does not count
    auto* outer = Place<WindowPainter>(form, form, clRed, 1, 1, 8, 6);
    auto* inner = Place<WindowPainter>(form, *outer, clBlue, 2, 1, 9, 2);  // sticks out of outer
    auto* light = Place<LightPainter>(form, *outer, clYellow, 4, 4, 2, 1);
    auto* sibling = Place<WindowPainter>(form, form, clLime, 7, 3, 4, 4);  // later: over outer
    const TBitmap picture = PaintDesignSurface(form);
    EXPECT_EQ(Picture(picture, kLegend), (std::vector<std::string>{
                                             "............",
                                             ".rrrrrrrr...",
                                             ".rrbbbbbb...",
                                             ".rrbbbbgggg.",
                                             ".rrrrrrgggg.",
                                             ".rrrryygggg.",
                                             ".rrrrrrgggg.",
                                             "............",
                                         }));
    EXPECT_EQ(outer->origin.X, 1);
    EXPECT_EQ(inner->origin.X, 3);
    EXPECT_EQ(inner->origin.Y, 2);
    EXPECT_EQ(light->origin.X, 5);
    EXPECT_EQ(sibling->origin.Y, 3);
    // Every canvas is handed back after its paint.
    for (TCustomControl* control : {static_cast<TCustomControl*>(outer), static_cast<TCustomControl*>(inner)})
        EXPECT_EQ(control->Canvas().Bitmap(), nullptr);
    EXPECT_EQ(light->Canvas().Bitmap(), nullptr);
}

TEST(DesignSurface, AControlPaintsAtTheCornerItIsGiven) {
    TForm form;
    auto* outer = Place<WindowPainter>(form, form, clRed, 50, 60, 4, 3);
    Place<WindowPainter>(form, *outer, clBlue, 1, 1, 2, 1);
    const TBitmap alone = PaintDesignSurface(*outer);
    EXPECT_EQ(Picture(alone, kLegend), (std::vector<std::string>{"rrrr", "rbbr", "rrrr"}));

    TBitmap larger = test::Filled(6, 4, clBlack);
    PaintDesignSurface(*outer, larger, Point(3, 2));
    EXPECT_EQ(Picture(larger, kLegend), (std::vector<std::string>{"######", "######", "###rrr", "###rbb"}));
}

TEST(DesignSurface, ControlsWithoutAreaOrOutOfSightAreNotPainted) {
    TForm form;
    form.SetBounds(0, 0, 10, 10);
    auto* empty = Place<WindowPainter>(form, form, clRed, 1, 1, 0, 5);
    auto* insideEmpty = Place<WindowPainter>(form, *empty, clBlue, 0, 0, 3, 3);
    auto* negative = Place<WindowPainter>(form, form, clRed, 1, 1, -4, 5);
    auto* outside = Place<WindowPainter>(form, form, clRed, 20, 1, 5, 5);
    auto* insideOutside = Place<WindowPainter>(form, *outside, clBlue, -18, 0, 3, 3);
    auto* far = Place<WindowPainter>(form, form, clRed, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX);
    const TBitmap picture = PaintDesignSurface(form);
    EXPECT_EQ(test::CountColor(picture, clSilver), 100);
    for (WindowPainter* control : {empty, insideEmpty, negative, outside, insideOutside, far})
        EXPECT_EQ(control->paints, 0);
    EXPECT_TRUE(PaintDesignSurface(*empty).Empty());
}

class FailingPainter : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    void paint() override { throw std::runtime_error("paint failed"); }
};

TEST(DesignSurface, AFailedPaintHandsTheCanvasBack) {
    TForm form;
    form.SetBounds(0, 0, 5, 5);
    auto* failing = new FailingPainter(&form);
    failing->SetParent(&form);
    failing->SetBounds(0, 0, 5, 5);
    EXPECT_THROW(PaintDesignSurface(form), std::runtime_error);
    EXPECT_EQ(failing->Canvas().Bitmap(), nullptr);
}

}  // namespace
}  // namespace wb
