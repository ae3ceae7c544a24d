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
