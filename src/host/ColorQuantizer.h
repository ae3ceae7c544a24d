#pragma once

#include <cstdint>
#include <vector>

#include "host/Graphics.h"

namespace wb {

// Pixels of 3 or 4 bytes each (blue, green, red, and a reserved byte that is ignored), rows
// top to bottom without padding.
struct TColorPixels {
    const uint8_t* Data = nullptr;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t BytesPerPixel = 3;
};

// The picture as at most 256 colours: fills Indices (Width bytes a row, top to bottom) and
// returns the palette they index. A picture of at most 256 colours keeps every colour exactly,
// the palette in the order the colours first appear; a picture of more is reduced by
// ChoosePalette and each pixel takes its nearest palette colour.
std::vector<TColor> ReduceColors(const TColorPixels& Pixels, uint8_t* Indices);

// At most MaxColors (1 to 256) colours that represent the picture: its colour histogram is cut
// into boxes, always the box with the largest squared error at the plane that lowers the error
// most, and the box means are refined by a few rounds of k-means.
std::vector<TColor> ChoosePalette(const TColorPixels& Pixels, int32_t MaxColors);

// The palette entry nearest to a colour: the least squared distance in red, green and blue, the
// lowest index among equals.
uint8_t NearestColorIndex(const std::vector<TColor>& Palette, TColor Color);

// NearestColorIndex for many pixels, remembering recent answers.
class TNearestColor {
public:
    explicit TNearestColor(const std::vector<TColor>& Palette);
    uint8_t Find(uint8_t Red, uint8_t Green, uint8_t Blue);

private:
    uint8_t Search(int32_t Red, int32_t Green, int32_t Blue) const;

    std::vector<int32_t> FRed, FGreen, FBlue;
    std::vector<uint32_t> FCachedColor;  // colour + 1 << 24 when the slot holds an answer
    std::vector<uint8_t> FCachedIndex;
};

}  // namespace wb
