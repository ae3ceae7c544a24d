#include "gif/WbGifMaker.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "support/Pictures.h"

namespace wb {
namespace {

using test::DecodeGif;
using test::IndexedBitmap;
using test::NoiseBitmap;

std::vector<uint8_t> Encode(const TBitmap& Bitmap) {
    TMemoryStream stream;
    WbGifToStream(Bitmap, stream);
    return {stream.Memory(), stream.Memory() + stream.Size()};
}

// The encoder as its description reads, step by step: three parallel arrays for the code table,
// one bit at a time into the byte being filled, a 255-byte sub-block buffer. The encoder under
// test must give the same bytes.
std::vector<uint8_t> ReferenceGif(const TBitmap& Bitmap) {
    std::vector<uint8_t> out;
    auto word = [&](int v) {
        out.push_back(static_cast<uint8_t>(v & 0xFF));
        out.push_back(static_cast<uint8_t>(v >> 8));
    };
    const int w = Bitmap.Width(), h = Bitmap.Height();
    for (char c : std::string("GIF87a")) out.push_back(static_cast<uint8_t>(c));
    word(w);
    word(h);
    out.insert(out.end(), {0xF7, 0, 0});
    for (int i = 0; i < 256; ++i) {
        const TColor c = i < static_cast<int>(Bitmap.Palette().size()) ? Bitmap.Palette()[static_cast<size_t>(i)] : 0;
        out.insert(out.end(), {GetRValue(c), GetGValue(c), GetBValue(c)});
    }
    out.push_back(0x2C);
    word(0), word(0), word(w), word(h);
    out.insert(out.end(), {0x00, 0x08});

    std::vector<uint8_t> block;
    uint8_t byte = 0, mask = 1;
    auto putByte = [&](uint8_t b) {
        block.push_back(b);
        if (block.size() == 255) {
            out.push_back(255);
            out.insert(out.end(), block.begin(), block.end());
            block.clear();
        }
    };
    auto putCode = [&](int code, int width) {
        for (int bit = 0; bit < width; ++bit) {
            if (code & (1 << bit)) byte |= mask;
            mask = static_cast<uint8_t>(mask << 1);
            if (mask == 0) {
                putByte(byte);
                byte = 0;
                mask = 1;
            }
        }
    };
    std::vector<int> codes(5102), prefixes(5102), suffixes(5102);
    int width = 9, writeWidth = 9, nextCode = 258, limit = 512;
    auto reset = [&] {
        width = writeWidth = 9;
        nextCode = 258;
        limit = 512;
        std::fill(codes.begin(), codes.end(), -1);
    };
    reset();
    putCode(256, writeWidth);
    bool first = true;
    int prefix = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int c = Bitmap.ScanLine(y)[x];
            if (first) {
                prefix = c;
                first = false;
                continue;
            }
            int i = (c << 4) ^ prefix;
            const int d = i == 0 ? 1 : 5101 - i;
            while (codes[static_cast<size_t>(i)] != -1 &&
                   !(prefixes[static_cast<size_t>(i)] == prefix && suffixes[static_cast<size_t>(i)] == c)) {
                i -= d;
                if (i < 0) i += 5101;
            }
            if (codes[static_cast<size_t>(i)] != -1) {
                prefix = codes[static_cast<size_t>(i)];
                continue;
            }
            codes[static_cast<size_t>(i)] = nextCode;
            prefixes[static_cast<size_t>(i)] = prefix;
            suffixes[static_cast<size_t>(i)] = c;
            putCode(prefix, writeWidth);
            prefix = c;
            if (++nextCode > limit) {
                if (++width > 12) {
                    putCode(256, writeWidth);
                    reset();
                } else {
                    writeWidth = width;
                    limit *= 2;
                    if (width == 12) --limit;
                }
            }
        }
    putCode(prefix, writeWidth);
    putCode(257, writeWidth);
    if (mask != 1) putByte(byte);
    if (!block.empty()) {
        out.push_back(static_cast<uint8_t>(block.size()));
        out.insert(out.end(), block.begin(), block.end());
    }
    out.insert(out.end(), {0x00, 0x3B});
    return out;
}

// The 768 bytes of a new 8-bit bitmap's grey palette.
std::vector<uint8_t> GreyTable() {
    std::vector<uint8_t> table;
    for (int i = 0; i < 256; ++i) table.insert(table.end(), 3, static_cast<uint8_t>(i));
    return table;
}

TEST(WbGifMaker, OnePixelGivesThe799BytesOfTheWorkedExample) {
    const auto gif = Encode(IndexedBitmap(1, 1, [](int, int) { return 0; }));
    std::vector<uint8_t> expected = {'G', 'I', 'F', '8', '7', 'a', 0x01, 0x00, 0x01, 0x00, 0xF7, 0x00, 0x00};
    const auto table = GreyTable();
    expected.insert(expected.end(), table.begin(), table.end());
    expected.insert(expected.end(), {0x2C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x08,
                                     0x04, 0x00, 0x01, 0x04, 0x04, 0x00, 0x3B});
    ASSERT_EQ(gif.size(), 799u);
    EXPECT_EQ(gif, expected);
}

TEST(WbGifMaker, TwoByTwoOfIndexOneGivesOneSubBlockOfSixBytes) {
    const auto gif = Encode(IndexedBitmap(2, 2, [](int, int) { return 1; }));
    const std::vector<uint8_t> data(gif.begin() + 792, gif.end());
    EXPECT_EQ(data, (std::vector<uint8_t>{0x06, 0x00, 0x03, 0x08, 0x0C, 0x10, 0x10, 0x00, 0x3B}));
}

TEST(WbGifMaker, WritesTheColourTableAndPastThePaletteBlack) {
    const auto gif = Encode(IndexedBitmap(3, 1, [](int x, int) { return x; }, {RGB(1, 2, 3), RGB(250, 128, 0)}));
    EXPECT_EQ(std::vector<uint8_t>(gif.begin() + 13, gif.begin() + 19), (std::vector<uint8_t>{1, 2, 3, 250, 128, 0}));
    EXPECT_EQ(std::vector<uint8_t>(gif.begin() + 19, gif.begin() + 781), std::vector<uint8_t>(762, 0));
}

TEST(WbGifMaker, GivesTheBytesOfTheDescribedEncoderForEveryKindOfPicture) {
    const struct {
        const char* name;
        TBitmap bitmap;
    } cases[] = {
        {"odd width, padding never encoded", NoiseBitmap(5, 7, 1, 4)},
        {"one row", NoiseBitmap(333, 1, 2)},
        {"one column", NoiseBitmap(1, 333, 3)},
        {"one colour", IndexedBitmap(97, 61, [](int, int) { return 200; })},
        {"all 256 colours", IndexedBitmap(256, 3, [](int x, int y) { return (x + y) % 256; })},
        {"noise through every width and many clear codes", NoiseBitmap(301, 257, 4)},
        {"few colours, long strings", NoiseBitmap(640, 200, 5, 2)},
        {"stripes", IndexedBitmap(123, 77, [](int x, int y) { return (x / 7 + y / 5) % 6; })},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Encode(c.bitmap), ReferenceGif(c.bitmap));
    }
}

TEST(WbGifMaker, GivesTheBytesOfTheDescribedEncoderForRandomRunsAndColours) {
    // Runs of random length over random numbers of colours: flat areas, repeated strings and
    // noise in one picture, across row ends and clear codes.
    std::mt19937 random(99);
    for (int round = 0; round < 40; ++round) {
        const int width = 1 + static_cast<int>(random() % 400);
        const int height = 1 + static_cast<int>(random() % 120);
        const uint32_t colors = 2 + random() % 255;
        const uint32_t longestRun = 1 + random() % 60;
        uint32_t pixel = 0, left = 0;
        const TBitmap bitmap = IndexedBitmap(width, height, [&](int, int) {
            if (left == 0) {
                pixel = random() % colors;
                left = 1 + random() % longestRun;
            }
            --left;
            return pixel;
        });
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height) + ", " + std::to_string(colors) +
                     " colours, runs up to " + std::to_string(longestRun));
        ASSERT_EQ(Encode(bitmap), ReferenceGif(bitmap));
    }
}

TEST(WbGifMaker, AStandardDecoderGivesBackEveryPixel) {
    const struct {
        const char* name;
        TBitmap bitmap;
    } cases[] = {
        {"1 x 1", IndexedBitmap(1, 1, [](int, int) { return 9; })},
        {"odd widths 3", NoiseBitmap(3, 5, 11)},
        {"odd widths 7", NoiseBitmap(7, 9, 12)},
        {"odd widths 13", NoiseBitmap(13, 3, 13)},
        {"height 1", NoiseBitmap(1001, 1, 14)},
        {"single colour", IndexedBitmap(640, 480, [](int, int) { return 77; })},
        {"256 colours", IndexedBitmap(256, 256, [](int x, int y) { return x ^ y; })},
        {"noise past every width change and several clear codes", NoiseBitmap(513, 511, 15)},
        {"few colours", NoiseBitmap(700, 300, 16, 3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto decoded = DecodeGif(Encode(c.bitmap));
        ASSERT_EQ(decoded.Error, 0);
        ASSERT_EQ(decoded.Width, c.bitmap.Width());
        ASSERT_EQ(decoded.Height, c.bitmap.Height());
        EXPECT_EQ(test::ColorsOf(decoded), test::ColorsOf(c.bitmap));
    }
}

TEST(WbGifMaker, NoisePassesEveryCodeWidthAndWritesClearCodes) {
    // Reads the code stream back with the widths the description gives: 9 bits up to the code
    // written with entry 512, then 10, 11, 12, and the clear code after the code with entry 4095.
    const TBitmap bitmap = NoiseBitmap(200, 200, 21);
    const auto gif = Encode(bitmap);
    std::vector<uint8_t> data;
    for (size_t at = 792; gif[at] != 0; at += gif[at] + 1u) data.insert(data.end(), &gif[at + 1], &gif[at + 1 + gif[at]]);
    size_t bit = 0;
    auto read = [&](int width) {
        int code = 0;
        for (int i = 0; i < width; ++i, ++bit) code |= ((data[bit / 8] >> (bit % 8)) & 1) << i;
        return code;
    };
    ASSERT_EQ(read(9), 256);
    int clears = 0, width = 9, entry = 257;
    std::array<bool, 13> widthsSeen{};
    for (int code = read(width); code != 257; code = read(width)) {
        widthsSeen[static_cast<size_t>(width)] = true;
        if (code == 256) {
            ++clears;
            width = 9;
            entry = 257;
            continue;
        }
        ++entry;  // the entry the encoder added with this code
        if (entry == 4095) {
            ASSERT_EQ(read(12), 256);
            ++clears;
            width = 9;
            entry = 257;
        } else if (entry == 512 || entry == 1024 || entry == 2048) {
            ++width;
        }
    }
    EXPECT_TRUE(widthsSeen[9] && widthsSeen[10] && widthsSeen[11] && widthsSeen[12]);
    EXPECT_GE(clears, 5);
    EXPECT_LE(bit, data.size() * 8);
}

TEST(WbGifMaker, ImageDataOf255BytesIsOneFullBlockWithoutAnEmptyOne) {
    // Pixels 0, 1, 2 ... never repeat a pair: every pixel but the first writes a 9-bit code, so
    // n pixels give n + 2 codes. 224 pixels make 2034 bits, 255 bytes; 225 make 256 bytes.
    const auto exact = Encode(IndexedBitmap(224, 1, [](int x, int) { return x; }));
    ASSERT_EQ(exact.size(), 792u + 256 + 2);
    EXPECT_EQ(exact[792], 255);
    EXPECT_EQ(exact[1048], 0x00);
    EXPECT_EQ(exact[1049], 0x3B);

    const auto over = Encode(IndexedBitmap(225, 1, [](int x, int) { return x; }));
    ASSERT_EQ(over.size(), 792u + 256 + 2 + 2);
    EXPECT_EQ(over[792], 255);
    EXPECT_EQ(over[1048], 1);
    EXPECT_EQ(over[1050], 0x00);
}

TEST(WbGifMaker, EncodesTheTopRowFirst) {
    const auto gif = Encode(IndexedBitmap(1, 2, [](int, int y) { return y == 0 ? 5 : 9; }));
    // The clear code 256 fills the first byte and one bit; the top pixel's code 5 follows.
    EXPECT_EQ(gif[793], 0x00);
    EXPECT_EQ(gif[794], 0x01 | (5 << 1));
}

TEST(WbGifMaker, RefusesBitmapsAGifCannotDescribeBeforeWritingAnything) {
    const struct {
        int32_t width, height;
        const char* message;
    } cases[] = {
        {0, 0, "Cannot write a GIF image of 0 x 0 pixels: the bitmap has no pixels"},
        {0, 5, "Cannot write a GIF image of 0 x 5 pixels: the bitmap has no pixels"},
        {5, 0, "Cannot write a GIF image of 5 x 0 pixels: the bitmap has no pixels"},
        {65536, 1, "Cannot write a GIF image of 65536 x 1 pixels: a GIF image is at most 65535 pixels wide and high"},
        {1, 65536, "Cannot write a GIF image of 1 x 65536 pixels: a GIF image is at most 65535 pixels wide and high"},
    };
    test::TempDir dir;
    const std::string file = dir.File("kept.gif");
    test::WriteFileBytes(file, {'o', 'l', 'd'});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const TBitmap bitmap(c.width, c.height, pf8bit);
        TMemoryStream stream;
        try {
            WbGifToStream(bitmap, stream);
            ADD_FAILURE() << "no exception";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
        EXPECT_EQ(stream.Size(), 0);
        EXPECT_THROW(WbGifToFile(bitmap, file), Exception);
        EXPECT_EQ(test::ReadFileBytes(file), (std::vector<uint8_t>{'o', 'l', 'd'}));
    }
}

TEST(WbGifMaker, TheLargestSidesAreEncoded) {
    const TBitmap bitmap = IndexedBitmap(65535, 1, [](int x, int) { return x % 5; });
    const auto decoded = DecodeGif(Encode(bitmap));
    ASSERT_EQ(decoded.Error, 0);
    EXPECT_EQ(decoded.Width, 65535);
    EXPECT_EQ(test::ColorsOf(decoded), test::ColorsOf(bitmap));
}

TEST(WbGifMaker, WritesAtTheStreamsPositionWithoutSeeking) {
    TMemoryStream stream;
    stream.WriteBuffer("abc", 3);
    WbGifToStream(IndexedBitmap(1, 1, [](int, int) { return 0; }), stream);
    EXPECT_EQ(stream.Size(), 3 + 799);
    EXPECT_EQ(stream.Position(), 3 + 799);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(stream.Memory()), 9), "abcGIF87a");
}

TEST(WbGifMaker, ColourBitmapsOfFewColoursKeepEveryColour) {
    TBitmap bitmap(31, 8, pf32bit);  // 248 colours
    for (int32_t y = 0; y < 8; ++y)
        for (int32_t x = 0; x < 31; ++x) bitmap.SetPixel(x, y, RGB(static_cast<uint8_t>(x * 8), static_cast<uint8_t>(y * 15), 99));
    const auto decoded = DecodeGif(Encode(bitmap));
    ASSERT_EQ(decoded.Error, 0);
    EXPECT_EQ(test::ColorsOf(decoded), test::ColorsOf(bitmap));
}

TEST(WbGifMaker, GifToFileReplacesAFileAndNamesOneItCannotCreate) {
    test::TempDir dir;
    const std::string file = dir.File("picture.gif");
    test::WriteFileBytes(file, std::vector<uint8_t>(5000, 'x'));
    const TBitmap bitmap = IndexedBitmap(1, 1, [](int, int) { return 0; });
    WbGifToFile(bitmap, file);
    EXPECT_EQ(test::ReadFileBytes(file), Encode(bitmap));

    const std::string missing = dir.File("no-such-dir/picture.gif");
    try {
        WbGifToFile(bitmap, missing);
        ADD_FAILURE() << "no exception";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message(), "Cannot create file \"" + missing + "\": No such file or directory");
    }
}

TEST(WbGifMaker, AFailedWriteRaisesTheStreamsError) {
    try {
        WbGifToFile(NoiseBitmap(50, 50, 3), "/dev/full");
        ADD_FAILURE() << "no exception";
    } catch (const EWriteError& e) {
        EXPECT_EQ(e.Message(), "Cannot write file \"/dev/full\": No space left on device");
    }
}

}  // namespace
}  // namespace wb
