#include "host/ColorQuantizer.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace wb {

namespace {

constexpr int kBinBits = 5;
constexpr int kBinsPerAxis = 1 << kBinBits;
constexpr int kShift = 8 - kBinBits;
constexpr int kRefinementRounds = 3;

uint32_t PackedColor(const uint8_t* Pixel) {
    return static_cast<uint32_t>(Pixel[2]) | (static_cast<uint32_t>(Pixel[1]) << 8) |
           (static_cast<uint32_t>(Pixel[0]) << 16);
}

uint32_t HashColor(uint32_t Color) { return (Color * 2654435761u) >> 16; }

// Gives each distinct colour an index in order of appearance; false when there are more than
// 256 of them.
bool ExactColors(const TColorPixels& Pixels, uint8_t* Indices, std::vector<TColor>& Palette) {
    constexpr uint32_t kSlots = 1024;  // four times the colours it may hold
    std::array<uint32_t, kSlots> keys{};  // colour + 1 << 24; 0 is empty
    std::array<uint8_t, kSlots> values{};
    Palette.clear();
    const size_t count = static_cast<size_t>(Pixels.Width) * static_cast<size_t>(Pixels.Height);
    const uint8_t* pixel = Pixels.Data;
    for (size_t i = 0; i < count; ++i, pixel += Pixels.BytesPerPixel) {
        const uint32_t key = PackedColor(pixel) | (1u << 24);
        uint32_t slot = HashColor(key) & (kSlots - 1);
        while (keys[slot] != 0 && keys[slot] != key) slot = (slot + 1) & (kSlots - 1);
        if (keys[slot] == 0) {
            if (Palette.size() == 256) return false;
            keys[slot] = key;
            values[slot] = static_cast<uint8_t>(Palette.size());
            Palette.push_back(static_cast<TColor>(key & 0xFFFFFF));
        }
        Indices[i] = values[slot];
    }
    return true;
}

// Colour statistics of one histogram cell or of a box of cells.
struct Moments {
    uint64_t Count = 0;
    uint64_t Sum[3] = {0, 0, 0};  // red, green, blue
    uint64_t SumOfSquares = 0;

    void Add(const Moments& Other) {
        Count += Other.Count;
        for (int c = 0; c < 3; ++c) Sum[c] += Other.Sum[c];
        SumOfSquares += Other.SumOfSquares;
    }
    double SquaredError() const {
        if (Count == 0) return 0;
        double norm = 0;
        for (const uint64_t s : Sum) norm += static_cast<double>(s) * static_cast<double>(s);
        return static_cast<double>(SumOfSquares) - norm / static_cast<double>(Count);
    }
    // The part of the squared error that depends on how the box is cut: |sum|^2 / count.
    double Weight() const {
        if (Count == 0) return 0;
        double norm = 0;
        for (const uint64_t s : Sum) norm += static_cast<double>(s) * static_cast<double>(s);
        return norm / static_cast<double>(Count);
    }
};

struct Histogram {
    std::vector<Moments> Cells = std::vector<Moments>(kBinsPerAxis * kBinsPerAxis * kBinsPerAxis);

    static int CellIndex(int Red, int Green, int Blue) {
        return (Red << (2 * kBinBits)) | (Green << kBinBits) | Blue;
    }
    Moments& At(const int* Coordinates) {
        return Cells[static_cast<size_t>(CellIndex(Coordinates[0], Coordinates[1], Coordinates[2]))];
    }
};

// Cells from Low to High (inclusive) on each axis, red, green, blue.
struct Box {
    int Low[3] = {0, 0, 0};
    int High[3] = {kBinsPerAxis - 1, kBinsPerAxis - 1, kBinsPerAxis - 1};
    Moments Total;
    double Error = 0;

    bool Splittable() const { return Low[0] < High[0] || Low[1] < High[1] || Low[2] < High[2]; }
};

template <class Visit>
void ForEachCell(const Box& B, Visit&& visit) {
    int at[3];
    for (at[0] = B.Low[0]; at[0] <= B.High[0]; ++at[0])
        for (at[1] = B.Low[1]; at[1] <= B.High[1]; ++at[1])
            for (at[2] = B.Low[2]; at[2] <= B.High[2]; ++at[2]) visit(at);
}

// Shrinks the box to its occupied cells and sums them up.
void Tighten(Box& B, Histogram& H) {
    Box tight;
    for (int c = 0; c < 3; ++c) {
        tight.Low[c] = kBinsPerAxis;
        tight.High[c] = -1;
    }
    ForEachCell(B, [&](const int* at) {
        const Moments& cell = H.At(at);
        if (cell.Count == 0) return;
        tight.Total.Add(cell);
        for (int c = 0; c < 3; ++c) {
            tight.Low[c] = std::min(tight.Low[c], at[c]);
            tight.High[c] = std::max(tight.High[c], at[c]);
        }
    });
    tight.Error = tight.Total.SquaredError();
    B = tight;
}

// Cuts the box at the plane that leaves the least squared error in the two halves.
Box Split(Box& B, Histogram& H) {
    std::array<std::array<Moments, kBinsPerAxis>, 3> slices{};
    ForEachCell(B, [&](const int* at) {
        const Moments& cell = H.At(at);
        for (int c = 0; c < 3; ++c) slices[c][static_cast<size_t>(at[c])].Add(cell);
    });
    int bestAxis = 0;
    int bestCut = B.Low[0];
    double bestWeight = -1;
    for (int c = 0; c < 3; ++c) {
        Moments below;
        for (int cut = B.Low[c]; cut < B.High[c]; ++cut) {
            below.Add(slices[c][static_cast<size_t>(cut)]);
            Moments above = B.Total;
            above.Count -= below.Count;
            for (int k = 0; k < 3; ++k) above.Sum[k] -= below.Sum[k];
            const double weight = below.Weight() + above.Weight();
            if (below.Count != 0 && above.Count != 0 && weight > bestWeight) {
                bestWeight = weight;
                bestAxis = c;
                bestCut = cut;
            }
        }
    }
    Box upper = B;
    upper.Low[bestAxis] = bestCut + 1;
    B.High[bestAxis] = bestCut;
    Tighten(B, H);
    Tighten(upper, H);
    return upper;
}

int32_t SquaredDistance(int32_t R1, int32_t G1, int32_t B1, int32_t R2, int32_t G2, int32_t B2) {
    return (R1 - R2) * (R1 - R2) + (G1 - G2) * (G1 - G2) + (B1 - B2) * (B1 - B2);
}

uint8_t RoundedMean(uint64_t Sum, uint64_t Count) {
    return static_cast<uint8_t>((Sum + Count / 2) / Count);
}

// Moves every palette colour to the mean of the cells nearest to it (k-means on the cell means).
void Refine(std::vector<TColor>& Palette, const Histogram& H) {
    const size_t n = Palette.size();
    for (int round = 0; round < kRefinementRounds; ++round) {
        std::vector<Moments> clusters(n);
        for (const Moments& cell : H.Cells) {
            if (cell.Count == 0) continue;
            const int32_t r = RoundedMean(cell.Sum[0], cell.Count);
            const int32_t g = RoundedMean(cell.Sum[1], cell.Count);
            const int32_t b = RoundedMean(cell.Sum[2], cell.Count);
            size_t best = 0;
            int32_t bestDistance = INT32_MAX;
            for (size_t i = 0; i < n; ++i) {
                const int32_t d = SquaredDistance(r, g, b, GetRValue(Palette[i]), GetGValue(Palette[i]),
                                                  GetBValue(Palette[i]));
                if (d < bestDistance) {
                    bestDistance = d;
                    best = i;
                }
            }
            clusters[best].Add(cell);
        }
        for (size_t i = 0; i < n; ++i) {
            const Moments& m = clusters[i];
            if (m.Count == 0) continue;
            Palette[i] = RGB(RoundedMean(m.Sum[0], m.Count), RoundedMean(m.Sum[1], m.Count),
                             RoundedMean(m.Sum[2], m.Count));
        }
    }
}

}  // namespace

uint8_t NearestColorIndex(const std::vector<TColor>& Palette, TColor Color) {
    size_t best = 0;
    int32_t bestDistance = INT32_MAX;
    for (size_t i = 0; i < Palette.size(); ++i) {
        const int32_t d = SquaredDistance(GetRValue(Color), GetGValue(Color), GetBValue(Color),
                                          GetRValue(Palette[i]), GetGValue(Palette[i]), GetBValue(Palette[i]));
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return static_cast<uint8_t>(best);
}

std::vector<TColor> ChoosePalette(const TColorPixels& Pixels, int32_t MaxColors) {
    MaxColors = std::clamp(MaxColors, 1, 256);
    Histogram histogram;
    const size_t count = static_cast<size_t>(Pixels.Width) * static_cast<size_t>(Pixels.Height);
    const uint8_t* pixel = Pixels.Data;
    for (size_t i = 0; i < count; ++i, pixel += Pixels.BytesPerPixel) {
        const uint32_t r = pixel[2], g = pixel[1], b = pixel[0];
        Moments& cell = histogram.Cells[static_cast<size_t>(
            Histogram::CellIndex(static_cast<int>(r >> kShift), static_cast<int>(g >> kShift),
                                 static_cast<int>(b >> kShift)))];
        ++cell.Count;
        cell.Sum[0] += r;
        cell.Sum[1] += g;
        cell.Sum[2] += b;
        cell.SumOfSquares += r * r + g * g + b * b;
    }

    std::vector<Box> boxes(1);
    Tighten(boxes[0], histogram);
    if (boxes[0].Total.Count == 0) return {clBlack};
    while (boxes.size() < static_cast<size_t>(MaxColors)) {
        Box* worst = nullptr;
        for (Box& box : boxes)
            if (box.Splittable() && (worst == nullptr || box.Error > worst->Error)) worst = &box;
        if (worst == nullptr) break;
        boxes.push_back(Split(*worst, histogram));
    }

    std::vector<TColor> palette;
    palette.reserve(boxes.size());
    for (const Box& box : boxes) {
        const Moments& m = box.Total;
        palette.push_back(RGB(RoundedMean(m.Sum[0], m.Count), RoundedMean(m.Sum[1], m.Count),
                              RoundedMean(m.Sum[2], m.Count)));
    }
    Refine(palette, histogram);
    return palette;
}

std::vector<TColor> ReduceColors(const TColorPixels& Pixels, uint8_t* Indices) {
    std::vector<TColor> palette;
    if (ExactColors(Pixels, Indices, palette)) return palette;
    palette = ChoosePalette(Pixels, 256);
    TNearestColor nearest(palette);
    const size_t count = static_cast<size_t>(Pixels.Width) * static_cast<size_t>(Pixels.Height);
    const uint8_t* pixel = Pixels.Data;
    for (size_t i = 0; i < count; ++i, pixel += Pixels.BytesPerPixel)
        Indices[i] = nearest.Find(pixel[2], pixel[1], pixel[0]);
    return palette;
}

TNearestColor::TNearestColor(const std::vector<TColor>& Palette)
    : FCachedColor(1 << 16, 0), FCachedIndex(1 << 16, 0) {
    for (const TColor color : Palette) {
        FRed.push_back(GetRValue(color));
        FGreen.push_back(GetGValue(color));
        FBlue.push_back(GetBValue(color));
    }
}

uint8_t TNearestColor::Find(uint8_t Red, uint8_t Green, uint8_t Blue) {
    const uint32_t key = static_cast<uint32_t>(RGB(Red, Green, Blue)) | (1u << 24);
    const uint32_t slot = HashColor(key) & 0xFFFF;
    if (FCachedColor[slot] != key) {
        FCachedColor[slot] = key;
        FCachedIndex[slot] = Search(Red, Green, Blue);
    }
    return FCachedIndex[slot];
}

uint8_t TNearestColor::Search(int32_t Red, int32_t Green, int32_t Blue) const {
    size_t best = 0;
    int32_t bestDistance = INT32_MAX;
    for (size_t i = 0; i < FRed.size(); ++i) {
        const int32_t d = SquaredDistance(Red, Green, Blue, FRed[i], FGreen[i], FBlue[i]);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return static_cast<uint8_t>(best);
}

}  // namespace wb
