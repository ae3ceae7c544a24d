#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/Exception.h"
#include "host/Graphics.h"
#include "host/Streams.h"
#include "host/TObject.h"

namespace wb {

// A picture that cannot be read: the message says what is wrong with it.
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

// How a bitmap keeps its pixels: an index into its palette, or blue, green, red (and a reserved
// byte that is kept 0).
enum class TPixelFormat : uint8_t { pf8bit, pf24bit, pf32bit };
inline constexpr auto pf8bit = TPixelFormat::pf8bit;
inline constexpr auto pf24bit = TPixelFormat::pf24bit;
inline constexpr auto pf32bit = TPixelFormat::pf32bit;

// A raster picture. Rows are kept top to bottom without padding, so ScanLine(y) + x *
// BytesPerPixel() is pixel (x, y). A new or enlarged area is white. An 8-bit bitmap has a
// palette of 1 to 256 colours (a new one: 256 greys, index 255 white); its indices may point
// past the palette, where they read as black.
class TBitmap : public TPersistent {
public:
    TBitmap() = default;
    TBitmap(int32_t Width, int32_t Height, TPixelFormat Format = pf24bit);
    // A bitmap can be moved (its pixels go with it, the source is left empty); Assign copies.
    TBitmap(TBitmap&& Other) noexcept;
    TBitmap& operator=(TBitmap&& Other) noexcept;

    int32_t Width() const { return FWidth; }
    int32_t Height() const { return FHeight; }
    bool Empty() const { return FWidth == 0 || FHeight == 0; }
    // Keeps the pixels of the top-left part both sizes share. A negative size or one above
    // what a bitmap may hold (2 GiB of pixels) raises EInvalidGraphic.
    void SetSize(int32_t Width, int32_t Height);
    void SetWidth(int32_t Value) { SetSize(Value, FHeight); }
    void SetHeight(int32_t Value) { SetSize(FWidth, Value); }

    TPixelFormat PixelFormat() const { return FPixelFormat; }
    // Converts the pixels: to 8 bits through the colour reduction of ReduceColors (exact for
    // pictures of at most 256 colours), from 8 bits through the palette.
    void SetPixelFormat(TPixelFormat Value);
    int32_t BytesPerPixel() const;

    // The palette of an 8-bit bitmap (empty for the other formats). SetPalette takes 1 to 256
    // colours and raises EInvalidGraphic otherwise; the indices stay as they are.
    const std::vector<TColor>& Palette() const { return FPalette; }
    void SetPalette(std::vector<TColor> Colors);

    // Row Row of the pixels; a row outside the bitmap raises EInvalidGraphic.
    uint8_t* ScanLine(int32_t Row);
    const uint8_t* ScanLine(int32_t Row) const;

    // The colour of a pixel; -1 outside the bitmap.
    TColor GetPixel(int32_t X, int32_t Y) const;
    // Sets a pixel (in an 8-bit bitmap, to the nearest palette colour); outside, nothing.
    void SetPixel(int32_t X, int32_t Y, TColor Color);

    // Draws Source scaled into Dest (nearest neighbour, each target pixel takes the source pixel
    // under its centre), clipped to this bitmap. An empty source or rectangle draws nothing.
    void StretchCopy(const TRect& Dest, const TBitmap& Source);

    // Windows BMP files: 1, 4 and 8 bits with a palette load as 8-bit bitmaps, 16 and 24 bits as
    // 24-bit, 32 bits as 32-bit; uncompressed or with bit fields. Anything else raises
    // EInvalidGraphic saying what is wrong, before any pixel memory is taken.
    void LoadFromStream(TStream& Stream);
    void SaveToStream(TStream& Stream) const;
    // As the stream versions; errors of the picture name the file.
    void LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName) const;

    void Assign(const TPersistent& Source) override;

private:
    TPixelFormat FPixelFormat = pf24bit;
    int32_t FWidth = 0;
    int32_t FHeight = 0;
    std::vector<TColor> FPalette;
    std::vector<uint8_t> FPixels;
};

// The device-independent bitmap header that GetDIBits fills and reads.
struct TBitmapInfoHeader {
    uint32_t biSize = 40;
    int32_t biWidth = 0;
    int32_t biHeight = 0;  // positive: rows bottom-up; negative: top-down
    uint16_t biPlanes = 1;
    uint16_t biBitCount = 8;
    uint32_t biCompression = 0;
    uint32_t biSizeImage = 0;
    int32_t biXPelsPerMeter = 0;
    int32_t biYPelsPerMeter = 0;
    uint32_t biClrUsed = 0;
    uint32_t biClrImportant = 0;
};

struct TRGBQuad {
    uint8_t rgbBlue = 0;
    uint8_t rgbGreen = 0;
    uint8_t rgbRed = 0;
    uint8_t rgbReserved = 0;
};

// The header with room for 256 colour entries (1064 bytes).
struct TBitmapInfo {
    TBitmapInfoHeader bmiHeader;
    TRGBQuad bmiColors[256];
};

// The platform's reading of a bitmap as 8-bit indices: rows of Info.bmiHeader.biWidth bytes
// padded to a multiple of 4, scan line 0 at the bottom (or the top, for a negative height), and
// a 256-entry colour table. An 8-bit bitmap gives its own indices and palette, entries past the
// palette black; any other bitmap the result of ReduceColors. Copies the scan lines StartScan to
// StartScan + NumScans - 1 (counted in the order of the rows in Bits) and returns how many it
// copied; 0 for an empty bitmap or a header that does not ask for 8 bits at the bitmap's size.
int32_t GetDIBits(const TBitmap& Bitmap, uint32_t StartScan, uint32_t NumScans, void* Bits,
                  TBitmapInfo& Info);

}  // namespace wb
