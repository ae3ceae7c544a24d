#include "host/Bitmaps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "host/ColorQuantizer.h"
#include "support/Pictures.h"

namespace wb {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v);
    Put16(out, v >> 16);
}

// A BMP file with a 40-byte header: rows are given as they stand in the file (bottom-up for a
// positive height), padding included.
std::vector<uint8_t> BmpFile(int32_t width, int32_t height, int bits, const std::vector<TColor>& palette,
                             const std::vector<uint8_t>& pixels, uint32_t compression = 0,
                             const std::vector<uint32_t>& masks = {}) {
    std::vector<uint8_t> out = {'B', 'M'};
    const uint32_t offset = 14 + 40 + static_cast<uint32_t>(masks.size() * 4 + palette.size() * 4);
    Put32(out, offset + static_cast<uint32_t>(pixels.size()));
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(bits));
    Put32(out, compression);
    Put32(out, static_cast<uint32_t>(pixels.size()));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, static_cast<uint32_t>(palette.size()));
    Put32(out, 0);
    for (uint32_t m : masks) Put32(out, m);
    for (TColor c : palette) out.insert(out.end(), {GetBValue(c), GetGValue(c), GetRValue(c), 0});
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

TBitmap Load(const std::vector<uint8_t>& bytes) {
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    stream.SetPosition(0);
    TBitmap bitmap;
    bitmap.LoadFromStream(stream);
    return bitmap;
}

std::vector<uint8_t> Save(const TBitmap& bitmap) {
    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    return {stream.Memory(), stream.Memory() + stream.Size()};
}

TEST(TBitmap, NewAndEnlargedAreasAreWhiteAndResizingKeepsTheTopLeft) {
    for (const TPixelFormat format : {pf8bit, pf24bit, pf32bit}) {
        SCOPED_TRACE(static_cast<int>(format));
        TBitmap bitmap(2, 2, format);
        EXPECT_EQ(bitmap.GetPixel(1, 1), clWhite);
        bitmap.SetPixel(0, 0, clBlack);
        bitmap.SetPixel(1, 1, clBlack);
        bitmap.SetSize(3, 1);
        EXPECT_EQ(bitmap.GetPixel(0, 0), clBlack);
        EXPECT_EQ(bitmap.GetPixel(1, 0), clWhite);
        EXPECT_EQ(bitmap.GetPixel(2, 0), clWhite);
        EXPECT_EQ(bitmap.GetPixel(0, 1), -1);
        EXPECT_THROW(bitmap.ScanLine(1), EInvalidGraphic);
    }
    TBitmap bitmap;
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_THROW(bitmap.SetSize(-1, 5), EInvalidGraphic);
    EXPECT_THROW(bitmap.SetSize(65536, 65536), EInvalidGraphic);  // 12 GiB of pixels
}

TEST(TBitmap, EightBitPixelsIndexTheirPalette) {
    TBitmap bitmap(3, 1, pf8bit);
    bitmap.SetPalette({clRed, clLime, clBlue});
    bitmap.ScanLine(0)[0] = 2;
    bitmap.ScanLine(0)[1] = 7;  // past the palette: black
    bitmap.SetPixel(2, 0, RGB(10, 240, 20));  // the nearest entry
    EXPECT_EQ(bitmap.GetPixel(0, 0), clBlue);
    EXPECT_EQ(bitmap.GetPixel(1, 0), clBlack);
    EXPECT_EQ(bitmap.ScanLine(0)[2], 1);
    EXPECT_THROW(bitmap.SetPalette({}), EInvalidGraphic);
    EXPECT_THROW(bitmap.SetPalette(std::vector<TColor>(257)), EInvalidGraphic);

    bitmap.SetPixelFormat(pf24bit);
    EXPECT_EQ(bitmap.GetPixel(0, 0), clBlue);
    EXPECT_EQ(bitmap.GetPixel(1, 0), clBlack);
    EXPECT_TRUE(bitmap.Palette().empty());
    bitmap.SetPixelFormat(pf8bit);  // three colours: kept exactly
    EXPECT_EQ(test::ColorsOf(bitmap), (std::vector<TColor>{clBlue, clBlack, clLime}));
}

TEST(TBitmap, SavesAndLoadsBmpFilesOfEveryFormat) {
    std::mt19937 random(5);
    for (const TPixelFormat format : {pf8bit, pf24bit, pf32bit}) {
        for (const int width : {1, 3, 5, 8}) {
            SCOPED_TRACE(std::to_string(static_cast<int>(format)) + ", width " + std::to_string(width));
            TBitmap bitmap(width, 3, format);
            if (format == pf8bit) bitmap.SetPalette({clRed, clGreen, RGB(1, 2, 3), clWhite, clNavy});
            for (int32_t y = 0; y < 3; ++y)
                for (int32_t x = 0; x < width; ++x)
                    if (format == pf8bit)
                        bitmap.ScanLine(y)[x] = static_cast<uint8_t>(random() % 5);
                    else
                        bitmap.SetPixel(x, y, static_cast<TColor>(random() & 0xFFFFFF));
            const auto bytes = Save(bitmap);
            const TBitmap loaded = Load(bytes);
            EXPECT_EQ(loaded.PixelFormat(), format);
            EXPECT_EQ(loaded.Palette(), bitmap.Palette());
            EXPECT_EQ(test::ColorsOf(loaded), test::ColorsOf(bitmap));
            EXPECT_EQ(Save(loaded), bytes);
        }
    }
}

TEST(TBitmap, LoadsPaletteBitmapsOfFourBitsAndOtherDepths) {
    // A 32 x 32 palette bitmap of 16 colours: 4 bits a pixel, rows of 16 bytes, bottom-up.
    std::vector<TColor> palette;
    for (int i = 0; i < 16; ++i) palette.push_back(RGB(static_cast<uint8_t>(i * 16), 0, static_cast<uint8_t>(255 - i)));
    std::vector<uint8_t> rows;
    for (int row = 0; row < 32; ++row)  // stored row 0 is the bottom picture row 31
        for (int x = 0; x < 32; x += 2) {
            const int y = 31 - row;
            rows.push_back(static_cast<uint8_t>((((x + y) % 16) << 4) | ((x + 1 + y) % 16)));
        }
    const auto file = BmpFile(32, 32, 4, palette, rows);
    ASSERT_EQ(file.size(), 14u + 616);
    const TBitmap icon = Load(file);
    EXPECT_EQ(icon.PixelFormat(), pf8bit);
    EXPECT_EQ(icon.Palette(), palette);
    for (int32_t y = 0; y < 32; ++y)
        for (int32_t x = 0; x < 32; ++x) ASSERT_EQ(icon.ScanLine(y)[x], (x + y) % 16) << x << "," << y;

    const struct {
        const char* name;
        std::vector<uint8_t> file;
        std::vector<TColor> colors;  // top row first
    } cases[] = {
        {"1 bit", BmpFile(3, 2, 1, {clBlack, clWhite}, {0xA0, 0, 0, 0, 0x40, 0, 0, 0}),
         {clBlack, clWhite, clBlack, clWhite, clBlack, clWhite}},
        {"top-down 24 bits", BmpFile(1, -2, 24, {}, {1, 2, 3, 0, 4, 5, 6, 0}), {RGB(3, 2, 1), RGB(6, 5, 4)}},
        {"16 bits, 5-5-5", BmpFile(2, 1, 16, {}, {0x1F, 0x7C, 0xE0, 0x03}), {RGB(255, 0, 255), RGB(0, 255, 0)}},
        {"16 bits, 5-6-5 bit fields", BmpFile(1, 1, 16, {}, {0xE0, 0x07, 0, 0}, 3, {0xF800, 0x07E0, 0x001F}),
         {RGB(0, 255, 0)}},
        {"32 bits, bit fields", BmpFile(1, 1, 32, {}, {0x11, 0x22, 0x33, 0x44}, 3, {0xFF, 0xFF00, 0xFF0000}),
         {RGB(0x11, 0x22, 0x33)}},
        {"8 bits, indices past a short palette", BmpFile(2, 1, 8, {clRed}, {0, 9, 0, 0}), {clRed, clBlack}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(test::ColorsOf(Load(c.file)), c.colors);
    }
}

TEST(TBitmap, BadBmpFilesRaiseAClearErrorWithoutTakingMemory) {
    auto withField = [](std::vector<uint8_t> file, size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i) file[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
        return file;
    };
    const auto good = BmpFile(2, 2, 24, {}, std::vector<uint8_t>(16, 7));
    auto wrongMagic = good;
    wrongMagic[0] = 'P';
    const struct {
        const char* name;
        std::vector<uint8_t> file;
        const char* message;
    } cases[] = {
        {"empty", {}, "not a BMP file: too short"},
        {"wrong magic", wrongMagic, "not a BMP file: no \"BM\" signature"},
        {"truncated header", std::vector<uint8_t>(good.begin(), good.begin() + 30), "not a valid BMP file: truncated header"},
        {"truncated pixels", std::vector<uint8_t>(good.begin(), good.end() - 1), "not a valid BMP file: truncated pixel data (2 x 2 at 24 bits need 16 bytes)"},
        {"absurd size", withField(withField(good, 18, 1u << 30), 22, 1u << 30), "not a valid BMP file: size 1073741824 x 1073741824"},
        {"huge but allowed size", withField(withField(good, 18, 1u << 24), 22, 1u << 24), "not a valid BMP file: truncated pixel data (16777216 x 16777216 at 24 bits need 844424930131968 bytes)"},
        {"zero width", withField(good, 18, 0), "not a valid BMP file: size 0 x 2"},
        {"unknown header", withField(good, 14, 41), "not a valid BMP file: unknown header size 41"},
        {"7 bits", withField(good, 28, 7 | (1u << 16) * 0), "not a valid BMP file: 7 bits per pixel"},
        {"run-length compressed", withField(BmpFile(2, 2, 8, {clRed}, std::vector<uint8_t>(8)), 30, 1), "compressed (RLE) BMP files are not supported"},
        {"too many palette entries", withField(BmpFile(2, 2, 4, {clRed}, std::vector<uint8_t>(8)), 46, 17), "not a valid BMP file: 17 palette entries at 4 bits per pixel"},
        {"truncated palette", withField(BmpFile(2, 2, 8, {clRed}, {}), 46, 200), "not a valid BMP file: truncated palette"},
        {"gaps in a colour mask", BmpFile(1, 1, 32, {}, {0, 0, 0, 0}, 3, {0x0F0F, 0xF000, 0xFF0000}), "not a valid BMP file: colour mask with gaps"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            Load(c.file);
            ADD_FAILURE() << "no exception";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }

    test::TempDir dir;
    const std::string file = dir.File("broken.bmp");
    test::WriteFileBytes(file, wrongMagic);
    TBitmap bitmap;
    try {
        bitmap.LoadFromFile(file);
        ADD_FAILURE() << "no exception";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), file + ": not a BMP file: no \"BM\" signature");
    }
    EXPECT_TRUE(bitmap.Empty());
}

TEST(TBitmap, CorruptedBmpFilesLoadOrRaiseButNeverCrash) {
    // Every header field of a few good files, changed at random: the loader either reads a
    // picture or raises one of its errors (the sanitizer build catches any stray access).
    const std::vector<std::vector<uint8_t>> good = {
        BmpFile(3, 2, 4, {clRed, clBlue}, std::vector<uint8_t>(8, 0x10)),
        BmpFile(5, -3, 8, {clRed, clBlue, clLime}, std::vector<uint8_t>(24, 2)),
        BmpFile(2, 2, 16, {}, std::vector<uint8_t>(8, 0xAB), 3, {0xF800, 0x07E0, 0x001F}),
        BmpFile(2, 1, 32, {}, std::vector<uint8_t>(8, 0x7F)),
    };
    std::mt19937 random(3);
    int loaded = 0;
    for (int round = 0; round < 4000; ++round) {
        auto file = good[static_cast<size_t>(round) % good.size()];
        for (int changes = 1 + static_cast<int>(random() % 3); changes > 0; --changes)
            file[random() % std::min<size_t>(file.size(), 80)] = static_cast<uint8_t>(random());
        if (random() % 4 == 0) file.resize(random() % file.size());
        try {
            const TBitmap bitmap = Load(file);
            ++loaded;
            EXPECT_FALSE(bitmap.Empty());
        } catch (const EInvalidGraphic&) {
        } catch (const EReadError&) {
        }
    }
    EXPECT_GT(loaded, 0);
}

// GetDIBits as the encoder calls it: the whole bitmap, bottom-up.
std::vector<uint8_t> ReadIndices(const TBitmap& bitmap, TBitmapInfo& info, int32_t height = 0) {
    info.bmiHeader.biWidth = bitmap.Width();
    info.bmiHeader.biHeight = height != 0 ? height : bitmap.Height();
    const size_t stride = (static_cast<size_t>(bitmap.Width()) + 3) & ~size_t{3};
    std::vector<uint8_t> bits(stride * static_cast<size_t>(bitmap.Height()), 0xEE);
    EXPECT_EQ(GetDIBits(bitmap, 0, static_cast<uint32_t>(bitmap.Height()), bits.data(), info), bitmap.Height());
    return bits;
}

TEST(GetDIBits, GivesAnEightBitBitmapsOwnIndicesAndPaletteBottomUpAndPadded) {
    const TBitmap bitmap = test::IndexedBitmap(5, 2, [](int x, int y) { return y * 10 + x; }, {clRed, clLime});
    TBitmapInfo info;
    const auto bits = ReadIndices(bitmap, info);
    EXPECT_EQ(bits, (std::vector<uint8_t>{10, 11, 12, 13, 14, 0, 0, 0, 0, 1, 2, 3, 4, 0, 0, 0}));
    EXPECT_EQ(info.bmiColors[0].rgbRed, 255);
    EXPECT_EQ(info.bmiColors[1].rgbGreen, 255);
    for (int i = 2; i < 256; ++i) {
        const TRGBQuad& q = info.bmiColors[i];
        ASSERT_EQ(q.rgbRed | q.rgbGreen | q.rgbBlue, 0) << i;
    }
    EXPECT_EQ(ReadIndices(bitmap, info, -2), (std::vector<uint8_t>{0, 1, 2, 3, 4, 0, 0, 0, 10, 11, 12, 13, 14, 0, 0, 0}));

    TBitmapInfo wrong;
    wrong.bmiHeader.biWidth = 4;
    wrong.bmiHeader.biHeight = 2;
    uint8_t buffer[16];
    EXPECT_EQ(GetDIBits(bitmap, 0, 2, buffer, wrong), 0);
    EXPECT_EQ(GetDIBits(TBitmap(), 0, 2, buffer, info), 0);
}

std::vector<TColor> ColorsRead(const TBitmap& bitmap) {
    TBitmapInfo info;
    const auto bits = ReadIndices(bitmap, info);
    const size_t stride = (static_cast<size_t>(bitmap.Width()) + 3) & ~size_t{3};
    std::vector<TColor> colors;
    for (int32_t y = bitmap.Height() - 1; y >= 0; --y)
        for (int32_t x = 0; x < bitmap.Width(); ++x) {
            const TRGBQuad& q = info.bmiColors[bits[static_cast<size_t>(y) * stride + static_cast<size_t>(x)]];
            colors.push_back(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
        }
    return colors;
}

TEST(GetDIBits, ReadsColourPicturesOfAtMost256ColoursExactly) {
    for (const TPixelFormat format : {pf24bit, pf32bit}) {
        SCOPED_TRACE(static_cast<int>(format));
        TBitmap bitmap(64, 4, format);  // exactly 256 colours, each close to others
        for (int32_t y = 0; y < 4; ++y)
            for (int32_t x = 0; x < 64; ++x) bitmap.SetPixel(x, y, RGB(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 200));
        EXPECT_EQ(ColorsRead(bitmap), test::ColorsOf(bitmap));
    }
}

double MeanError(const TBitmap& picture, const std::vector<TColor>& read) {
    const auto original = test::ColorsOf(picture);
    double sum = 0;
    for (size_t i = 0; i < original.size(); ++i) {
        const double dr = GetRValue(original[i]) - GetRValue(read[i]);
        const double dg = GetGValue(original[i]) - GetGValue(read[i]);
        const double db = GetBValue(original[i]) - GetBValue(read[i]);
        sum += std::sqrt(dr * dr + dg * dg + db * db);
    }
    return sum / static_cast<double>(original.size());
}

TEST(GetDIBits, ReducesAPhotographToColoursCloseToItsOwn) {
    const TBitmap photo = test::PhotoLikeBitmap(320, 240);
    const auto read = ColorsRead(photo);
    // A fixed palette of 8 reds x 8 greens x 4 blues, the best that ignores the picture, is
    // several times further off.
    std::vector<TColor> uniform;
    for (TColor c : test::ColorsOf(photo))
        uniform.push_back(RGB(static_cast<uint8_t>((GetRValue(c) & 0xE0) + 16), static_cast<uint8_t>((GetGValue(c) & 0xE0) + 16),
                              static_cast<uint8_t>((GetBValue(c) & 0xC0) + 32)));
    const double error = MeanError(photo, read);
    EXPECT_LT(error, 5.0);
    EXPECT_LT(error, MeanError(photo, uniform) / 3);
}

TEST(ChoosePalette, GivesAtMostTheColoursAskedForAndOneForAnEmptyPicture) {
    const TBitmap photo = test::PhotoLikeBitmap(64, 64);
    for (int32_t n : {1, 2, 16, 256}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(ChoosePalette({photo.ScanLine(0), 64, 64, 3}, n).size(), static_cast<size_t>(n));
    }
    EXPECT_EQ(ChoosePalette({nullptr, 0, 0, 3}, 256), std::vector<TColor>{clBlack});
}

TEST(TBitmap, StretchCopyTakesThePixelUnderEachCentre) {
    const TBitmap source = test::IndexedBitmap(2, 2, [](int x, int y) { return y * 2 + x; }, {clRed, clLime, clBlue, clYellow});
    const struct {
        const char* name;
        TPixelFormat format;
        TRect dest;
        int32_t width, height;
        std::vector<TColor> expected;
    } cases[] = {
        {"doubled", pf24bit, Rect(0, 0, 4, 2), 4, 2, {clRed, clRed, clLime, clLime, clBlue, clBlue, clYellow, clYellow}},
        {"halved", pf32bit, Rect(0, 0, 1, 1), 1, 1, {clYellow}},
        {"clipped at the left", pf24bit, Rect(-2, 0, 2, 2), 2, 2, {clLime, clLime, clYellow, clYellow}},
        {"one pixel for four, inside white", pf24bit, Rect(1, 0, 2, 1), 3, 1, {clWhite, clYellow, clWhite}},
        {"empty rectangle", pf24bit, Rect(2, 0, 1, 1), 2, 1, {clWhite, clWhite}},
        {"into 8 bits, nearest palette colour", pf8bit, Rect(0, 0, 2, 2), 2, 1, {clRed, RGB(0, 255, 0)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TBitmap target(c.width, c.height, c.format);
        if (c.format == pf8bit) target.SetPalette({clWhite, clRed, RGB(0, 255, 0)});
        target.StretchCopy(c.dest, source);
        EXPECT_EQ(test::ColorsOf(target), c.expected);
    }
    TBitmap self(2, 1, pf24bit);
    self.SetPixel(0, 0, clRed);
    self.StretchCopy(Rect(0, 0, 4, 1), self);
    EXPECT_EQ(test::ColorsOf(self), (std::vector<TColor>{clRed, clRed}));
}

}  // namespace
}  // namespace wb
