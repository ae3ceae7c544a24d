#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "host/Bitmaps.h"
#include "host/Canvas.h"

namespace wb::test {

// The pixels of Area as rows of characters, one per pixel, by Legend; '?' for a colour the
// legend does not name. Expected pictures written this way show a figure pixel by pixel.
inline std::vector<std::string> Picture(const TBitmap& Bitmap, const TRect& Area, const std::map<TColor, char>& Legend) {
    std::vector<std::string> rows;
    for (int32_t y = Area.Top; y < Area.Bottom; ++y) {
        std::string row;
        for (int32_t x = Area.Left; x < Area.Right; ++x) {
            const auto found = Legend.find(Bitmap.GetPixel(x, y));
            row += found == Legend.end() ? '?' : found->second;
        }
        rows.push_back(row);
    }
    return rows;
}

inline std::vector<std::string> Picture(const TBitmap& Bitmap, const std::map<TColor, char>& Legend) {
    return Picture(Bitmap, Rect(0, 0, Bitmap.Width(), Bitmap.Height()), Legend);
}

// A 24-bit picture of one colour.
inline TBitmap Filled(int32_t Width, int32_t Height, TColor Color) {
    TBitmap bitmap(Width, Height, pf24bit);
    TCanvas canvas(bitmap);
    canvas.Brush().SetColor(Color);
    canvas.FillRect(Rect(0, 0, Width, Height));
    return bitmap;
}

// How many pixels of Area have Color.
inline int CountColor(const TBitmap& Bitmap, const TRect& Area, TColor Color) {
    int count = 0;
    for (int32_t y = Area.Top; y < Area.Bottom; ++y)
        for (int32_t x = Area.Left; x < Area.Right; ++x) count += Bitmap.GetPixel(x, y) == Color;
    return count;
}

inline int CountColor(const TBitmap& Bitmap, TColor Color) {
    return CountColor(Bitmap, Rect(0, 0, Bitmap.Width(), Bitmap.Height()), Color);
}

// The smallest rectangle holding every pixel of Color (an empty rectangle when there is none).
inline TRect Extent(const TBitmap& Bitmap, TColor Color) {
    TRect extent{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (int32_t y = 0; y < Bitmap.Height(); ++y)
        for (int32_t x = 0; x < Bitmap.Width(); ++x)
            if (Bitmap.GetPixel(x, y) == Color) {
                extent.Left = std::min(extent.Left, x);
                extent.Top = std::min(extent.Top, y);
                extent.Right = std::max(extent.Right, x + 1);
                extent.Bottom = std::max(extent.Bottom, y + 1);
            }
    return extent.Right == INT32_MIN ? TRect{} : extent;
}

// Whether two pictures have the same pixels in Area.
inline bool SamePixels(const TBitmap& A, const TBitmap& B, const TRect& Area) {
    for (int32_t y = Area.Top; y < Area.Bottom; ++y)
        for (int32_t x = Area.Left; x < Area.Right; ++x)
            if (A.GetPixel(x, y) != B.GetPixel(x, y)) return false;
    return true;
}

inline bool SamePixels(const TBitmap& A, const TBitmap& B) {
    return A.Width() == B.Width() && A.Height() == B.Height() && SamePixels(A, B, Rect(0, 0, A.Width(), A.Height()));
}

}  // namespace wb::test

namespace wb::test {

// One pixel of the dashed outline a component draws along its innermost pixels.
struct OutlinePixel {
    int32_t X;
    int32_t Y;
    bool Dash;  // in a dash (changed) rather than in a gap (left alone)
};

// The outline of a Width x Height component, in the order it is drawn: down the left edge from
// the top-left corner, along the bottom, up the right edge, back along the top; the pattern of
// 18 pixels on and 6 off runs on from edge to edge.
inline std::vector<OutlinePixel> DashedOutline(int32_t Width, int32_t Height) {
    std::vector<OutlinePixel> outline;
    auto add = [&](int32_t x, int32_t y) {
        outline.push_back({x, y, outline.size() % 24 < 18});
    };
    for (int32_t y = 0; y < Height - 1; ++y) add(0, y);
    for (int32_t x = 0; x < Width - 1; ++x) add(x, Height - 1);
    for (int32_t y = Height - 1; y > 0; --y) add(Width - 1, y);
    for (int32_t x = Width - 1; x > 0; --x) add(x, 0);
    return outline;
}

// Checks that the outline of the picture's whole area is DashedOutline: dashes in DashColor,
// gaps in GapColor.
inline void ExpectDashedOutline(const TBitmap& Bitmap, TColor DashColor, TColor GapColor) {
    for (const OutlinePixel& p : DashedOutline(Bitmap.Width(), Bitmap.Height()))
        EXPECT_EQ(Bitmap.GetPixel(p.X, p.Y), p.Dash ? DashColor : GapColor) << "outline at " << p.X << ", " << p.Y;
}

}  // namespace wb::test

namespace wb::test {

// A small figure a control draws in its top-left corner (the check box, the radio button), as
// painted on a yellow background.
struct CornerFigureCase {
    const char* name;
    bool checked;
    int32_t width;
    int32_t height;
    std::vector<std::string> figure;  // pixels (1, 1) to (15, 15): '#' black, '.' white, 'y' yellow
};

// Checks the figure, the dashed outline (yellow inverted is blue) and the yellow everywhere
// else.
inline void ExpectCornerFigure(const TBitmap& Picture, const std::vector<std::string>& Figure) {
    const std::map<TColor, char> legend = {{clBlack, '#'}, {clWhite, '.'}, {clYellow, 'y'}, {clBlue, 'b'}};
    EXPECT_EQ(test::Picture(Picture, Rect(1, 1, 16, 16), legend), Figure);
    ExpectDashedOutline(Picture, clBlue, clYellow);
    const int32_t width = Picture.Width();
    const int32_t height = Picture.Height();
    EXPECT_EQ(CountColor(Picture, Rect(16, 1, width - 1, height - 1), clYellow), (width - 17) * (height - 2));
    EXPECT_EQ(CountColor(Picture, Rect(1, 16, 16, height - 1), clYellow), 15 * (height - 17));
}

}  // namespace wb::test
