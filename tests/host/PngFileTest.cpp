#include "host/PngFile.h"

#include <png.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "support/Pictures.h"
#include "support/Surface.h"

namespace wb {
namespace {

// A PNG read back by libpng's reader, as a 24-bit bitmap.
TBitmap ReadPng(const std::vector<uint8_t>& bytes) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()) == 0) {
        ADD_FAILURE() << image.message;
        return {};
    }
    image.format = PNG_FORMAT_BGR;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr) == 0) {
        ADD_FAILURE() << image.message;
        return {};
    }
    TBitmap bitmap(static_cast<int32_t>(image.width), static_cast<int32_t>(image.height), pf24bit);
    for (int32_t y = 0; y < bitmap.Height(); ++y)
        std::memcpy(bitmap.ScanLine(y), pixels.data() + static_cast<size_t>(y) * image.width * 3, image.width * 3);
    return bitmap;
}

std::vector<uint8_t> Encode(const TBitmap& bitmap) {
    TMemoryStream stream;
    SavePngToStream(bitmap, stream);
    return {stream.Memory(), stream.Memory() + stream.Size()};
}

TEST(PngFile, EveryPixelFormatReadsBackUnchanged) {
    TBitmap colour = test::PhotoLikeBitmap(97, 31);
    TBitmap wide;
    wide.Assign(colour);
    wide.SetPixelFormat(pf32bit);
    TBitmap indexed = test::NoiseBitmap(13, 7, 3);
    for (const TBitmap* bitmap : {&colour, &wide, &indexed}) {
        SCOPED_TRACE(static_cast<int>(bitmap->PixelFormat()));
        const std::vector<uint8_t> png = Encode(*bitmap);
        ASSERT_GT(png.size(), 8u);
        EXPECT_EQ(std::memcmp(png.data(), "\x89PNG\r\n\x1A\n", 8), 0);
        EXPECT_EQ(test::ColorsOf(ReadPng(png)), test::ColorsOf(*bitmap));
    }
}

TEST(PngFile, APictureWithoutPixelsIsRefusedBeforeAnythingIsWritten) {
    for (const auto& [width, height] : {std::pair{0, 0}, std::pair{5, 0}, std::pair{0, 5}}) {
        TBitmap empty(width, height);
        TMemoryStream stream;
        EXPECT_THROW(SavePngToStream(empty, stream), EInvalidGraphic);
        EXPECT_EQ(stream.Size(), 0);
    }
}

TEST(PngFile, Files) {
    test::TempDir dir;
    const TBitmap picture = test::Filled(40, 30, clNavy);
    SavePngToFile(picture, dir.File("a.png"));
    EXPECT_EQ(test::ColorsOf(ReadPng(test::ReadFileBytes(dir.File("a.png")))), test::ColorsOf(picture));

    const std::string missing = dir.File("no/such/dir/a.png");
    try {
        SavePngToFile(picture, missing);
        ADD_FAILURE() << "no error";
    } catch (const EStreamError& e) {
        EXPECT_NE(e.Message().find(missing), std::string::npos) << e.Message();
    }
    // A refused picture does not touch the file.
    test::WriteFileBytes(dir.File("b.png"), {1, 2, 3});
    EXPECT_THROW(SavePngToFile(TBitmap(), dir.File("b.png")), EInvalidGraphic);
    EXPECT_EQ(test::ReadFileBytes(dir.File("b.png")), (std::vector<uint8_t>{1, 2, 3}));
}

}  // namespace
}  // namespace wb
