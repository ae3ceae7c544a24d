#include "host/Canvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "host/Bitmaps.h"
#include "support/Surface.h"

namespace wb {
namespace {

using test::CountColor;
using test::Filled;
using test::Picture;
using test::SamePixels;

const std::map<TColor, char> kLegend = {{clWhite, '.'}, {clBlack, '#'}, {clRed, 'r'}, {clBlue, 'b'}, {clLime, 'g'}};

struct FigureCase {
    const char* name;
    int32_t width;
    int32_t height;
    std::function<void(TCanvas&)> draw;
    std::vector<std::string> expected;
};

void ExpectFigures(const std::vector<FigureCase>& cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TBitmap bitmap = Filled(c.width, c.height, clWhite);
        TCanvas canvas(bitmap);
        canvas.Brush().SetColor(clRed);
        c.draw(canvas);
        EXPECT_EQ(Picture(bitmap, kLegend), c.expected);
    }
}

TEST(TCanvas, FiguresLeaveOutTheirRightAndBottomEdges) {
    ExpectFigures({
        {"fill", 7, 5, [](TCanvas& c) { c.FillRect(Rect(1, 1, 5, 4)); },
         {".......", ".rrrr..", ".rrrr..", ".rrrr..", "......."}},
        {"rectangle", 7, 5, [](TCanvas& c) { c.Rectangle(1, 1, 5, 4); },
         {".......", ".####..", ".#rr#..", ".####..", "......."}},
        {"rectangle given corner to corner backwards", 7, 5, [](TCanvas& c) { c.Rectangle(5, 4, 1, 1); },
         {".......", ".####..", ".#rr#..", ".####..", "......."}},
        {"fill of a rectangle turned inside out", 4, 2, [](TCanvas& c) { c.FillRect(Rect(3, 1, 1, 2)); },
         {"....", "...."}},
        {"rectangle of one pixel", 3, 3, [](TCanvas& c) { c.Rectangle(1, 1, 2, 2); },
         {"...", ".#.", "..."}},
        {"ellipse", 9, 7, [](TCanvas& c) { c.Ellipse(0, 0, 9, 7); },
         {"..#####..", ".#rrrrr#.", "#rrrrrrr#", "#rrrrrrr#", "#rrrrrrr#", ".#rrrrr#.", "..#####.."}},
    });
}

TEST(TCanvas, LinesLeaveOutTheirEndPoint) {
    auto line = [](int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
        return [=](TCanvas& c) {
            c.MoveTo(x0, y0);
            c.LineTo(x1, y1);
        };
    };
    ExpectFigures({
        {"to the right", 7, 3, line(1, 1, 5, 1), {".......", ".####..", "......."}},
        {"to the left", 7, 3, line(5, 1, 1, 1), {".......", "..####.", "......."}},
        {"down", 3, 5, line(1, 0, 1, 4), {".#.", ".#.", ".#.", ".#.", "..."}},
        {"diagonal", 5, 5, line(0, 0, 4, 4), {"#....", ".#...", "..#..", "...#.", "....."}},
        {"shallow", 7, 3, line(0, 0, 6, 2), {"##.....", "..###..", ".....#."}},
        {"steep, upwards", 3, 6, line(0, 5, 2, 0), {"...", "..#", ".#.", ".#.", "#..", "#.."}},
        {"no length", 3, 3, line(1, 1, 1, 1), {"...", "...", "..."}},
    });
}

TEST(TCanvas, LineToMovesThePen) {
    TBitmap bitmap = Filled(6, 3, clWhite);
    TCanvas canvas(bitmap);
    canvas.MoveTo(0, 1);
    canvas.LineTo(3, 1);
    EXPECT_EQ(canvas.PenPos().X, 3);
    canvas.LineTo(5, 1);
    // The corner where one line ends and the next begins is drawn once, by the second line.
    EXPECT_EQ(Picture(bitmap, kLegend), (std::vector<std::string>{"......", "#####.", "......"}));
}

TEST(TCanvas, WidePensCoverThePathAndThePixelsBeforeIt) {
    auto wide = [](int32_t width, TPenStyle style, std::function<void(TCanvas&)> draw) {
        return [=](TCanvas& c) {
            c.Pen().SetWidth(width);
            c.Pen().SetStyle(style);
            draw(c);
        };
    };
    auto line = [](int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
        return [=](TCanvas& c) {
            c.MoveTo(x0, y0);
            c.LineTo(x1, y1);
        };
    };
    auto rectangle = [](TCanvas& c) { c.Rectangle(1, 1, 7, 6); };
    ExpectFigures({
        {"2 pixels, across", 8, 5, wide(2, psSolid, line(2, 2, 6, 2)),
         {"........", ".#####..", ".#####..", "........", "........"}},
        {"2 pixels, down", 5, 6, wide(2, psSolid, line(3, 1, 3, 5)),
         {"..##.", "..##.", "..##.", "..##.", "..##.", "....."}},
        {"3 pixels, across", 8, 5, wide(3, psSolid, line(2, 2, 5, 2)),
         {"........", ".#####..", ".#####..", ".#####..", "........"}},
        {"a dashed pen wider than 1 pixel draws solid", 30, 3, wide(2, psDash, line(1, 1, 28, 1)),
         {std::string(28, '#') + "..", std::string(28, '#') + "..", std::string(30, '.')}},
        {"rectangle, 2 pixels on its edge", 8, 7, wide(2, psSolid, rectangle),
         {"#######.", "#######.", "##rrr##.", "##rrr##.", "#######.", "#######.", "........"}},
        {"rectangle, 2 pixels inside the frame", 8, 7, wide(2, psInsideFrame, rectangle),
         {"........", ".######.", ".######.", ".##rr##.", ".######.", ".######.", "........"}},
        {"ellipse, 2 pixels inside the frame", 8, 8,
         wide(2, psInsideFrame, [](TCanvas& c) { c.Ellipse(0, 0, 8, 8); }),
         {"..####..", ".######.", "###rr###", "##rrrr##", "##rrrr##", "###rr###", ".######.", "..####.."}},
    });
}

TEST(TCanvas, DashesAre18PixelsWithGapsOf6RunningOnFromLineToLine) {
    const std::string dashes = std::string(18, '#') + std::string(6, '.') + std::string(18, '#') +
                               std::string(6, '.') + std::string(12, '#') + "..";
    auto dashed = [](std::function<void(TCanvas&)> draw) {
        return [=](TCanvas& c) {
            c.Pen().SetStyle(psDash);
            draw(c);
        };
    };
    ExpectFigures({
        {"one line", 62, 1, dashed([](TCanvas& c) {
             c.MoveTo(0, 0);
             c.LineTo(60, 0);
         }),
         {dashes}},
        {"three lines", 62, 1, dashed([](TCanvas& c) {
             c.MoveTo(0, 0);
             c.LineTo(10, 0);
             c.LineTo(20, 0);
             c.LineTo(60, 0);
         }),
         {dashes}},
        {"MoveTo starts the pattern again", 62, 1, dashed([](TCanvas& c) {
             c.MoveTo(0, 0);
             c.LineTo(20, 0);
             c.MoveTo(20, 0);
             c.LineTo(60, 0);
         }),
         {std::string(18, '#') + ".." + std::string(18, '#') + std::string(6, '.') + std::string(16, '#') + ".."}},
    });
}

// A picture with a different colour in every pixel, so that every change shows.
TBitmap Noise(int32_t width, int32_t height) {
    TBitmap bitmap(width, height, pf24bit);
    std::mt19937 random(11);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) bitmap.SetPixel(x, y, static_cast<TColor>(random() & 0xFFFFFF));
    return bitmap;
}

// Strokes of every kind the previews draw: a closed path of lines and a tick. Where two lines
// of a wide pen meet, both cover the corner.
void Strokes(TCanvas& canvas) {
    canvas.MoveTo(0, 0);
    canvas.LineTo(0, 29);
    canvas.LineTo(39, 29);
    canvas.LineTo(39, 0);
    canvas.LineTo(0, 0);
    canvas.MoveTo(3, 3);
    canvas.LineTo(30, 20);
    canvas.LineTo(5, 25);
}

void OneLine(TCanvas& canvas) {
    canvas.MoveTo(3, 3);
    canvas.LineTo(30, 20);
}

void OneRectangle(TCanvas& canvas) { canvas.Rectangle(10, 2, 36, 27); }

TEST(TCanvas, PenModes) {
    const TBitmap original = Noise(40, 30);
    for (const int32_t width : {1, 2, 3}) {
        for (const TPenStyle style : {psSolid, psDash, psInsideFrame}) {
            SCOPED_TRACE("width " + std::to_string(width) + ", style " + std::to_string(static_cast<int>(style)));
            auto drawn = [&](void (*draw)(TCanvas&), TPenMode mode, int times) {
                TBitmap bitmap = Noise(40, 30);
                TCanvas canvas(bitmap);
                canvas.Brush().SetColor(clRed);
                canvas.Pen().SetWidth(width);
                canvas.Pen().SetStyle(style);
                canvas.Pen().SetMode(mode);
                canvas.Pen().SetColor(clBlack);
                for (int i = 0; i < times; ++i) draw(canvas);
                return bitmap;
            };
            EXPECT_TRUE(SamePixels(drawn(Strokes, pmNot, 2), original)) << "inverting twice restores";
            EXPECT_TRUE(SamePixels(drawn(Strokes, pmNop, 1), original)) << "pmNop changes nothing";

            // One line, or one rectangle's frame over its fill, inverts exactly the pixels the
            // copying pen covers, each once, however wide the pen.
            const TBitmap filled = drawn(OneRectangle, pmNop, 1);
            for (const auto& [draw, under] : {std::pair{&OneLine, &original}, std::pair{&OneRectangle, &filled}}) {
                const TBitmap copied = drawn(draw, pmCopy, 1);
                const TBitmap inverted = drawn(draw, pmNot, 1);
                int covered = 0;
                for (int32_t y = 0; y < 30; ++y)
                    for (int32_t x = 0; x < 40; ++x) {
                        const bool pen = copied.GetPixel(x, y) == clBlack;
                        covered += pen;
                        const TColor before = under->GetPixel(x, y);
                        EXPECT_EQ(inverted.GetPixel(x, y), pen ? before ^ 0xFFFFFF : before) << x << ", " << y;
                    }
                EXPECT_GT(covered, 20);
            }
        }
    }
}

TEST(TCanvas, FiguresFillWithTheBrushWhateverThePenMode) {
    // With pmNop the rectangle is only its fill; with pmNot its frame inverts the fill.
    TBitmap nop = Filled(8, 6, clWhite);
    TCanvas canvas(nop);
    canvas.Brush().SetColor(clRed);
    canvas.Pen().SetMode(pmNop);
    canvas.Rectangle(1, 1, 7, 5);
    EXPECT_EQ(Picture(nop, kLegend), (std::vector<std::string>{"........", ".rrrrrr.", ".rrrrrr.", ".rrrrrr.",
                                                                ".rrrrrr.", "........"}));
    TBitmap inverted = Filled(8, 6, clWhite);
    TCanvas second(inverted);
    second.Brush().SetColor(clRed);
    second.Pen().SetMode(pmNot);
    second.Rectangle(1, 1, 7, 5);
    const TColor cyan = clRed ^ 0xFFFFFF;
    EXPECT_EQ(CountColor(inverted, cyan), 16);
    EXPECT_EQ(CountColor(inverted, clRed), 8);
}

TEST(TCanvas, OriginAndClipRectangle) {
    TBitmap bitmap = Filled(10, 8, clWhite);
    TCanvas canvas(bitmap);
    canvas.SetOrigin(Point(3, 2));
    canvas.SetClipRect(Rect(0, 0, 4, 3));
    EXPECT_EQ(canvas.ClipRect().Right, 4);
    canvas.Brush().SetColor(clRed);
    canvas.FillRect(Rect(-100, -100, 100, 100));
    canvas.TextRect(Rect(-10, -10, 50, 50), 0, 0, "WWWW");
    canvas.MoveTo(-5, 0);
    canvas.LineTo(20, 0);
    canvas.Rectangle(2, 1, 30, 30);
    // Nothing outside the clip rectangle: device pixels 3..6 across, 2..4 down.
    for (int32_t y = 0; y < 8; ++y)
        for (int32_t x = 0; x < 10; ++x)
            if (x < 3 || x >= 7 || y < 2 || y >= 5) {
                EXPECT_EQ(bitmap.GetPixel(x, y), clWhite) << x << ", " << y;
            }
    EXPECT_EQ(bitmap.GetPixel(3, 2), clBlack);  // the line at the canvas's row 0
    EXPECT_EQ(bitmap.GetPixel(5, 3), clBlack);  // the rectangle's frame

    // A clip rectangle beyond the bitmap is cut to it; a new bitmap resets origin and clip.
    canvas.SetClipRect(Rect(-50, -50, 500, 500));
    EXPECT_EQ(canvas.ClipRect().Left, -3);
    EXPECT_EQ(canvas.ClipRect().Right, 7);
    canvas.SetBitmap(&bitmap);
    EXPECT_EQ(canvas.Origin().X, 0);
    EXPECT_EQ(canvas.ClipRect().Right, 10);

    // Without a bitmap a canvas draws nothing and fails at nothing.
    TCanvas nowhere;
    nowhere.FillRect(Rect(0, 0, 10, 10));
    nowhere.LineTo(10, 10);
    nowhere.TextOut(0, 0, "text");
    EXPECT_EQ(nowhere.PenPos().Y, 0);
}

TEST(TCanvas, FarCoordinatesAreClippedWithoutWalkingThem) {
    TBitmap bitmap = Filled(5, 5, clWhite);
    TCanvas canvas(bitmap);
    canvas.Pen().SetStyle(psDash);
    // 2^31 and 2 * 10^9 pixels of dashes lie before the picture: both leave the pattern 8
    // pixels into a dash at its left edge.
    canvas.MoveTo(INT32_MIN, 2);
    canvas.LineTo(INT32_MAX, 2);
    canvas.MoveTo(-2000000000, -2000000000);
    canvas.LineTo(2000000000, 2000000000);
    EXPECT_EQ(Picture(bitmap, kLegend), (std::vector<std::string>{"#....", ".#...", "#####", "...#.", "....#"}));
    // Figures far larger than the picture fill it.
    canvas.Ellipse(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
    EXPECT_EQ(CountColor(bitmap, clWhite), 25);
    canvas.Brush().SetColor(clRed);
    canvas.SetOrigin(Point(INT32_MAX, INT32_MAX));
    canvas.Rectangle(INT32_MIN, INT32_MIN, 0, 0);
    EXPECT_EQ(CountColor(bitmap, clRed), 25);
}

TEST(TCanvas, ColoursOfTheSystemSchemeAndTheTransparentMarker) {
    const struct {
        TColor color;
        TColor shown;
    } cases[] = {
        {clRed, clRed},
        {0x1FFFFFFF, clWhite},                          // the transparent marker
        {static_cast<TColor>(0x8000000F), clSilver},    // button face
        {static_cast<TColor>(0x80000005), clWhite},     // window
        {static_cast<TColor>(0x80000018), 0xE1FFFF},    // info background
        {static_cast<TColor>(0x80000063), clBlack},     // no such system colour
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.color);
        EXPECT_EQ(ColorToRGB(c.color), c.shown);
        TBitmap bitmap(2, 2);
        TCanvas canvas(bitmap);
        canvas.Brush().SetColor(c.color);
        canvas.FillRect(Rect(0, 0, 2, 2));
        EXPECT_EQ(bitmap.GetPixel(1, 1), c.shown);
    }
}

TEST(TCanvas, StretchDrawTakesThePixelUnderEachCentre) {
    TBitmap source(2, 2);
    source.SetPixel(0, 0, clRed);
    source.SetPixel(1, 0, clBlue);
    source.SetPixel(0, 1, clLime);
    source.SetPixel(1, 1, clBlack);
    TBitmap bitmap = Filled(6, 5, clWhite);
    TCanvas canvas(bitmap);
    canvas.StretchDraw(Rect(1, 1, 5, 5), source);
    EXPECT_EQ(Picture(bitmap, kLegend),
              (std::vector<std::string>{"......", ".rrbb.", ".rrbb.", ".gg##.", ".gg##."}));
    canvas.SetClipRect(Rect(0, 0, 2, 6));
    canvas.StretchDraw(Rect(-1, 0, 5, 3), source);  // 3 x 1.5 pixels a source pixel, cut at 2
    EXPECT_EQ(Picture(bitmap, kLegend),
              (std::vector<std::string>{"rr....", "ggrbb.", "ggrbb.", ".gg##.", ".gg##."}));
}

TEST(TCanvas, EightBitBitmapsTakeTheNearestPaletteColour) {
    TBitmap bitmap(4, 1, pf8bit);
    bitmap.SetPalette({clBlack, clWhite, clRed});
    TCanvas canvas(bitmap);
    canvas.Brush().SetColor(clWhite);
    canvas.FillRect(Rect(0, 0, 4, 1));
    canvas.Brush().SetColor(0x0000F0);  // nearly red
    canvas.FillRect(Rect(0, 0, 2, 1));
    canvas.Pen().SetMode(pmNot);
    canvas.MoveTo(1, 0);
    canvas.LineTo(3, 0);
    // Red inverted is cyan, whose nearest colour here is white; white inverted is black.
    EXPECT_EQ(Picture(bitmap, {{clBlack, '#'}, {clWhite, '.'}, {clRed, 'r'}}), (std::vector<std::string>{"r.#."}));
}

// ---- Text ----

// Text drawn with a font on a white picture, the brush yellow.
struct TextDrawing {
    TBitmap bitmap;
    TCanvas canvas;

    TextDrawing(int32_t width, int32_t height, const std::string& face, int32_t fontHeight, TFontStyles style = {})
        : bitmap(Filled(width, height, clWhite)), canvas(bitmap) {
        canvas.Brush().SetColor(clYellow);
        canvas.Font().SetName(face);
        canvas.Font().SetHeight(fontHeight);
        canvas.Font().SetStyle(style);
        canvas.Font().SetColor(clRed);
    }
};

const char* const kFaces[] = {"ARIAL", "COURIER NEW", "MS Sans Serif"};

TEST(TCanvas, TextHeightIsTheCellHeight) {
    for (const char* face : kFaces) {
        for (const int32_t height : {8, 12, 13, 16, 18, 21, 27, 36}) {
            SCOPED_TRACE(std::string(face) + " " + std::to_string(height));
            TextDrawing text(1, 1, face, height);
            EXPECT_EQ(text.canvas.TextHeight("W"), height);
            EXPECT_EQ(text.canvas.TextHeight(""), height);
        }
        // A negative height is the character height; the cell adds the internal leading.
        TextDrawing text(1, 1, face, -11);
        EXPECT_GT(text.canvas.TextHeight("W"), 11);
        EXPECT_LE(text.canvas.TextHeight("W"), 15);
    }
}

TEST(TCanvas, TextWidthAddsTheCharacters) {
    for (const char* face : kFaces) {
        SCOPED_TRACE(face);
        TextDrawing text(1, 1, face, 16);
        const TCanvas& c = text.canvas;
        EXPECT_EQ(c.TextWidth(""), 0);
        EXPECT_GT(c.TextWidth("W"), 5);
        EXPECT_EQ(c.TextWidth("Wide text"), c.TextWidth("Wide") + c.TextWidth(" ") + c.TextWidth("text"));
        EXPECT_GT(c.TextWidth("\xC4\xE9\xDF"), 0);  // Latin-1 letters
        TextDrawing bold(1, 1, face, 16, {fsBold});
        EXPECT_GE(bold.canvas.TextWidth("Wide text"), c.TextWidth("Wide text"));
    }
    TextDrawing courier(1, 1, "COURIER NEW", 16);
    EXPECT_EQ(courier.canvas.TextWidth("iiii"), courier.canvas.TextWidth("WWWW"));
}

TEST(TCanvas, TextOutDrawsOnTheBrushInTheCellAndMovesThePen) {
    TextDrawing text(80, 30, "ARIAL", 16);
    const int32_t width = text.canvas.TextWidth("Hello");
    text.canvas.TextOut(4, 5, "Hello");
    EXPECT_EQ(text.canvas.PenPos().X, 4 + width);
    EXPECT_EQ(text.canvas.PenPos().Y, 5);
    int ink = 0;
    for (int32_t y = 0; y < 30; ++y)
        for (int32_t x = 0; x < 80; ++x) {
            const TColor color = text.bitmap.GetPixel(x, y);
            const bool inCell = x >= 4 && x < 4 + width && y >= 5 && y < 5 + 16;
            if (inCell)
                EXPECT_TRUE(color == clYellow || color == clRed) << x << ", " << y;
            else
                EXPECT_EQ(color, clWhite) << x << ", " << y;
            ink += color == clRed;
        }
    EXPECT_GT(ink, 40);
}

TEST(TCanvas, TextRectFillsTheRectangleAndCutsTheText) {
    TextDrawing text(60, 30, "ARIAL", 16);
    text.canvas.TextRect(Rect(5, 5, 25, 18), 0, 2, "WWWWWW");
    for (int32_t y = 0; y < 30; ++y)
        for (int32_t x = 0; x < 60; ++x) {
            const TColor color = text.bitmap.GetPixel(x, y);
            if (x >= 5 && x < 25 && y >= 5 && y < 18)
                EXPECT_TRUE(color == clYellow || color == clRed) << x << ", " << y;
            else
                EXPECT_EQ(color, clWhite) << x << ", " << y;
        }
    EXPECT_GT(CountColor(text.bitmap, clRed), 20);
    // The same text unclipped is wider than the rectangle: the cut took ink away.
    TextDrawing whole(80, 30, "ARIAL", 16);
    whole.canvas.TextOut(0, 2, "WWWWWW");
    EXPECT_GT(CountColor(whole.bitmap, clRed), CountColor(text.bitmap, clRed));
}

// The rows of the text's cell whose every pixel, across the text's width, is ink.
std::vector<int32_t> FullRows(const TextDrawing& text, int32_t width, int32_t height) {
    std::vector<int32_t> rows;
    for (int32_t y = 0; y < height; ++y)
        if (CountColor(text.bitmap, Rect(0, y, width, y + 1), clRed) == width) rows.push_back(y);
    return rows;
}

TEST(TCanvas, FontStyles) {
    const std::string sample = "Hi yo";
    TextDrawing regular(80, 30, "ARIAL", 27);
    regular.canvas.TextOut(0, 0, sample);
    const int32_t width = regular.canvas.TextWidth(sample);
    EXPECT_TRUE(FullRows(regular, width, 27).empty());

    TextDrawing underlined(80, 30, "ARIAL", 27, {fsUnderline});
    underlined.canvas.TextOut(0, 0, sample);
    const auto under = FullRows(underlined, width, 27);
    ASSERT_FALSE(under.empty());
    EXPECT_GT(under.front(), 27 * 2 / 3) << "below the baseline";

    TextDrawing struck(80, 30, "ARIAL", 27, {fsStrikeOut});
    struck.canvas.TextOut(0, 0, sample);
    const auto through = FullRows(struck, width, 27);
    ASSERT_FALSE(through.empty());
    EXPECT_GT(through.front(), 27 / 4);
    EXPECT_LT(through.back(), 27 * 3 / 4) << "through the letters";

    TextDrawing bold(80, 30, "ARIAL", 27, {fsBold});
    bold.canvas.TextOut(0, 0, sample);
    EXPECT_GT(CountColor(bold.bitmap, clRed), CountColor(regular.bitmap, clRed) * 5 / 4);

    TextDrawing italic(80, 30, "ARIAL", 27, {fsItalic});
    italic.canvas.TextOut(0, 0, sample);
    EXPECT_FALSE(SamePixels(italic.bitmap, regular.bitmap));
}

}  // namespace
}  // namespace wb
