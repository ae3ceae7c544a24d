#include "host/PngFile.h"

#include <png.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

namespace wb {

namespace {

// Where the encoder puts the file's bytes, and why it stopped if it failed.
struct PngOutput {
    std::vector<uint8_t> Bytes;
    char Error[200] = {};
};

void WriteBytes(png_structp Png, png_bytep Data, size_t Length) {
    auto* output = static_cast<PngOutput*>(png_get_io_ptr(Png));
    bool written = true;
    try {
        output->Bytes.insert(output->Bytes.end(), Data, Data + Length);
    } catch (const std::bad_alloc&) {
        written = false;
    }
    if (!written) png_error(Png, "out of memory");
}

void Flush(png_structp /*Png*/) {}

[[noreturn]] void Fail(png_structp Png, png_const_charp Message) {
    auto* output = static_cast<PngOutput*>(png_get_error_ptr(Png));
    std::strncpy(output->Error, Message, sizeof output->Error - 1);
    png_longjmp(Png, 1);
}

void Warn(png_structp /*Png*/, png_const_charp /*Message*/) {}

// Encodes rows of blue, green and red bytes. Nothing here may need a destructor: a failure
// jumps back to the setjmp. Flat areas, as previews have, compress best and fastest with each
// byte taken as the difference to its left neighbour.
bool Encode(int32_t Width, int32_t Height, png_bytep* Rows, PngOutput& Output) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &Output, Fail, Warn);
    if (png == nullptr) {
        std::strcpy(Output.Error, "out of memory");
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        if (Output.Error[0] == '\0') std::strcpy(Output.Error, "out of memory");
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &Output, WriteBytes, Flush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(Width), static_cast<png_uint_32>(Height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_set_compression_level(png, 6);
    png_write_info(png, info);
    png_set_bgr(png);
    png_write_image(png, Rows);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

void SavePngToStream(const TBitmap& Bitmap, TStream& Stream) {
    if (Bitmap.Empty()) throw EInvalidGraphic("A picture without pixels cannot be written as PNG");
    // A 24-bit bitmap's rows are written as they are; the others are turned into such rows.
    TBitmap converted;
    const TBitmap* source = &Bitmap;
    if (Bitmap.PixelFormat() != pf24bit) {
        converted.Assign(Bitmap);
        converted.SetPixelFormat(pf24bit);
        source = &converted;
    }
    std::vector<png_bytep> rows(static_cast<size_t>(source->Height()));
    for (int32_t y = 0; y < source->Height(); ++y)
        rows[static_cast<size_t>(y)] = const_cast<png_bytep>(source->ScanLine(y));

    PngOutput output;
    if (!Encode(source->Width(), source->Height(), rows.data(), output))
        throw EInvalidGraphic(std::string("Cannot encode the picture as PNG: ") + output.Error);
    for (size_t at = 0; at < output.Bytes.size();) {
        const auto chunk = static_cast<int32_t>(std::min<size_t>(output.Bytes.size() - at, 1 << 30));
        Stream.WriteBuffer(output.Bytes.data() + at, chunk);
        at += static_cast<size_t>(chunk);
    }
}

void SavePngToFile(const TBitmap& Bitmap, const std::string& FileName) {
    TMemoryStream png;
    SavePngToStream(Bitmap, png);
    png.SaveToFile(FileName);
}

}  // namespace wb
