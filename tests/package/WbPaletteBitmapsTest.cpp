#include "package/WbPaletteBitmaps.h"

#include <gtest/gtest.h>

#include <set>

#include "host/Bitmaps.h"
#include "host/Streams.h"
#include "support/PackageTables.h"

namespace wb {
namespace {

uint32_t Le(std::span<const uint8_t> Bytes, size_t At, int Size) {
    uint32_t value = 0;
    for (int i = Size - 1; i >= 0; --i) value = value << 8 | Bytes[At + i];
    return value;
}

// The bitmap resource read as a .bmp file is: behind a 14-byte file header.
TBitmap Load(std::span<const uint8_t> Resource) {
    const uint32_t fileSize = 14 + static_cast<uint32_t>(Resource.size());
    const uint8_t header[14] = {'B', 'M', uint8_t(fileSize), uint8_t(fileSize >> 8), 0, 0,
                                0,   0,   0,                 0, 118, 0, 0, 0};
    TMemoryStream stream;
    stream.WriteBuffer(header, sizeof header);
    stream.WriteBuffer(Resource.data(), static_cast<int32_t>(Resource.size()));
    stream.SetPosition(0);
    TBitmap bitmap;
    bitmap.LoadFromStream(stream);
    return bitmap;
}

// One bitmap per registered class, each an uncompressed 16-colour 32 x 32 picture of 616 bytes
// that a bitmap reader takes, each a picture of its own.
TEST(WbPaletteBitmaps, OneSixteenColourBitmapPerRegisteredClass) {
    std::vector<std::string> names;
    for (std::string_view name : WbPaletteBitmapNames()) names.emplace_back(name);
    std::vector<std::string> expected;
    for (const auto& row : test::kExpectedPalette) expected.push_back(row.BitmapName);
    EXPECT_EQ(names, expected);

    std::set<std::vector<uint8_t>> pictures;
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const auto bytes = WbFindPaletteBitmap(name);
        ASSERT_EQ(bytes.size(), 616u);
        EXPECT_EQ(Le(bytes, 0, 4), 40u);    // header size
        EXPECT_EQ(Le(bytes, 4, 4), 32u);    // width
        EXPECT_EQ(Le(bytes, 8, 4), 32u);    // height, bottom-up
        EXPECT_EQ(Le(bytes, 12, 2), 1u);    // planes
        EXPECT_EQ(Le(bytes, 14, 2), 4u);    // bits per pixel
        EXPECT_EQ(Le(bytes, 16, 4), 0u);    // uncompressed
        EXPECT_EQ(Le(bytes, 20, 4), 512u);  // bytes of pixels
        EXPECT_EQ(Le(bytes, 32, 4), 16u);   // colours
        const TBitmap bitmap = Load(bytes);
        EXPECT_EQ(bitmap.Width(), 32);
        EXPECT_EQ(bitmap.Height(), 32);
        std::set<TColor> colors;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) colors.insert(bitmap.GetPixel(x, y));
        EXPECT_GE(colors.size(), 3u);  // a drawing, not an empty square
        pictures.emplace(bytes.begin(), bytes.end());
    }
    EXPECT_EQ(pictures.size(), names.size());
}

// Pixels of the drawings, one of every colour the drawings use, in the colour the legend gives
// the character and at the place the drawing shows it (the top row is drawn first).
TEST(WbPaletteBitmaps, PixelsHaveTheColoursAndPlacesOfTheDrawing) {
    const struct {
        const char* bitmap;
        int x, y;
        TColor color;
    } cases[] = {
        {"TWBPAGE", 1, 1, clSilver},       {"TWBCHECKBOX", 14, 13, clBlack},
        {"TWBPAGE", 8, 12, clAqua},        {"TWBPAGE", 8, 16, clLime},
        {"TWBIMAGEMAP", 8, 6, clYellow},   {"TWBIMAGEMAP", 3, 24, clGreen},
        {"TWBPAGE", 15, 4, clNavy},        {"TWBJAVAAPPLET", 8, 18, clMaroon},
        {"TWBPANEL", 6, 8, clTeal},        {"TWBPAGE", 22, 5, clWhite},
        {"TWBTEXT", 10, 23, clRed},        {"TWBTEXT", 10, 26, clBlue},
        {"TWBPANEL", 12, 13, clOlive},     {"TWBPAGE", 27, 20, clGray},
        {"TWBCGI", 10, 5, clNavy},         {"TWBCGI", 4, 9, clLime},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.bitmap) + " " + std::to_string(c.x) + "," + std::to_string(c.y));
        EXPECT_EQ(Load(WbFindPaletteBitmap(c.bitmap)).GetPixel(c.x, c.y), c.color);
    }
}

// The designer looks a bitmap resource up by name, regardless of case.
TEST(WbPaletteBitmaps, FoundByNameRegardlessOfCase) {
    EXPECT_EQ(WbFindPaletteBitmap("twbPage").data(), WbFindPaletteBitmap("TWBPAGE").data());
    EXPECT_TRUE(WbFindPaletteBitmap("TWBCUSTOMIMAGE").empty());
    EXPECT_TRUE(WbFindPaletteBitmap("").empty());
}

}  // namespace
}  // namespace wb
