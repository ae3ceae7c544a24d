#include "host/Bitmaps.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <utility>

#include "host/ColorQuantizer.h"

namespace wb {

namespace {

constexpr int64_t kMaxPixelBytes = INT32_MAX;  // what one bitmap may hold

std::vector<TColor> GreyPalette() {
    std::vector<TColor> palette(256);
    for (int i = 0; i < 256; ++i) palette[static_cast<size_t>(i)] = RGB(i, i, i);
    return palette;
}

int32_t BytesPerPixelOf(TPixelFormat Format) {
    switch (Format) {
        case pf8bit: return 1;
        case pf24bit: return 3;
        case pf32bit: return 4;
    }
    return 3;
}

void PutColor(uint8_t* Pixel, TColor Color) {
    Pixel[0] = GetBValue(Color);
    Pixel[1] = GetGValue(Color);
    Pixel[2] = GetRValue(Color);
}

TColor PaletteColor(const std::vector<TColor>& Palette, uint8_t Index) {
    return Index < Palette.size() ? Palette[Index] : clBlack;
}

// Fills pixels with white: 0xFF in every colour byte, 0 in the reserved one; the index 255.
void FillWhite(uint8_t* Pixels, size_t Count, TPixelFormat Format) {
    if (Count == 0) return;
    if (Format != pf32bit) {
        std::memset(Pixels, 0xFF, Count * static_cast<size_t>(BytesPerPixelOf(Format)));
        return;
    }
    for (size_t i = 0; i < Count; ++i, Pixels += 4) {
        Pixels[0] = Pixels[1] = Pixels[2] = 0xFF;
        Pixels[3] = 0;
    }
}

// ---- BMP files ----

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiRle8 = 1;
constexpr uint32_t kBiRle4 = 2;
constexpr uint32_t kBiBitfields = 3;
constexpr int32_t kMaxDimension = 1 << 24;

uint16_t ReadU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t ReadU32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
void PutU16(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
void PutU32(uint8_t* p, uint32_t v) {
    PutU16(p, v);
    PutU16(p + 2, v >> 16);
}

[[noreturn]] void Invalid(const std::string& Why) { throw EInvalidGraphic(Why); }

// One colour channel described by a bit mask of a 16- or 32-bit pixel.
struct Channel {
    uint32_t Mask = 0;
    int Shift = 0;
    uint32_t Max = 0;

    static Channel From(uint32_t Mask) {
        Channel c;
        c.Mask = Mask;
        if (Mask == 0) return c;
        while (((Mask >> c.Shift) & 1) == 0) ++c.Shift;
        c.Max = Mask >> c.Shift;
        if ((c.Max & (c.Max + 1)) != 0) Invalid("not a valid BMP file: colour mask with gaps");
        return c;
    }
    uint8_t Value(uint32_t Pixel) const {
        if (Max == 0) return 0;
        return static_cast<uint8_t>((((Pixel & Mask) >> Shift) * 255 + Max / 2) / Max);
    }
};

struct BmpLayout {
    int32_t Width = 0;
    int32_t Height = 0;
    bool TopDown = false;
    int BitCount = 0;
    uint32_t Compression = kBiRgb;
    uint32_t PaletteEntries = 0;
    int PaletteEntrySize = 4;
    Channel Red, Green, Blue;
    int64_t Stride = 0;
};

void ReadMasks(BmpLayout& L, const uint8_t* Masks) {
    L.Red = Channel::From(ReadU32(Masks));
    L.Green = Channel::From(ReadU32(Masks + 4));
    L.Blue = Channel::From(ReadU32(Masks + 8));
}

// Reads and checks both headers and the colour masks; leaves the stream after them.
BmpLayout ReadHeaders(TStream& Stream, int64_t& PixelOffset, int64_t FileSize) {
    uint8_t file[kFileHeaderSize];
    if (FileSize < kFileHeaderSize + 12) Invalid("not a BMP file: too short");
    Stream.ReadBuffer(file, sizeof file);
    if (file[0] != 'B' || file[1] != 'M') Invalid("not a BMP file: no \"BM\" signature");
    PixelOffset = ReadU32(file + 10);

    uint8_t info[124] = {};
    Stream.ReadBuffer(info, 4);
    const uint32_t headerSize = ReadU32(info);
    const bool core = headerSize == 12;
    if (!core && headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 &&
        headerSize != 124)
        Invalid("not a valid BMP file: unknown header size " + std::to_string(headerSize));
    if (kFileHeaderSize + headerSize > FileSize) Invalid("not a valid BMP file: truncated header");
    Stream.ReadBuffer(info + 4, static_cast<int32_t>(headerSize - 4));

    BmpLayout L;
    if (core) {
        L.Width = ReadU16(info + 4);
        L.Height = static_cast<int16_t>(ReadU16(info + 6));
        L.BitCount = ReadU16(info + 10);
        L.PaletteEntrySize = 3;
    } else {
        L.Width = static_cast<int32_t>(ReadU32(info + 4));
        L.Height = static_cast<int32_t>(ReadU32(info + 8));
        L.BitCount = ReadU16(info + 14);
        L.Compression = ReadU32(info + 16);
        L.PaletteEntries = ReadU32(info + 32);
    }
    if (L.Height < 0 && L.Height != INT32_MIN) {
        L.TopDown = true;
        L.Height = -L.Height;
    }
    if (L.Width <= 0 || L.Height <= 0 || L.Width > kMaxDimension || L.Height > kMaxDimension)
        Invalid("not a valid BMP file: size " + std::to_string(L.Width) + " x " +
                std::to_string(L.Height));
    if (L.Compression == kBiRle8 || L.Compression == kBiRle4)
        Invalid("compressed (RLE) BMP files are not supported");
    const int bits = L.BitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        Invalid("not a valid BMP file: " + std::to_string(bits) + " bits per pixel");
    if (L.Compression == kBiBitfields) {
        if (bits != 16 && bits != 32) Invalid("not a valid BMP file: bit fields at " + std::to_string(bits) + " bits");
        if (headerSize >= 52) {
            ReadMasks(L, info + 40);
        } else {
            uint8_t masks[12];
            if (kFileHeaderSize + headerSize + 12 > FileSize) Invalid("not a valid BMP file: truncated header");
            Stream.ReadBuffer(masks, sizeof masks);
            ReadMasks(L, masks);
        }
    } else if (L.Compression != kBiRgb) {
        Invalid("unsupported BMP compression " + std::to_string(L.Compression));
    } else if (bits == 16) {
        L.Red = Channel::From(0x7C00);
        L.Green = Channel::From(0x03E0);
        L.Blue = Channel::From(0x001F);
    }
    if (bits <= 8) {
        const uint32_t most = 1u << bits;
        if (L.PaletteEntries == 0) L.PaletteEntries = most;
        if (L.PaletteEntries > most)
            Invalid("not a valid BMP file: " + std::to_string(L.PaletteEntries) + " palette entries at " +
                    std::to_string(bits) + " bits per pixel");
    } else {
        L.PaletteEntries = 0;  // an optional table for display devices; not needed
    }
    L.Stride = ((static_cast<int64_t>(L.Width) * bits + 31) / 32) * 4;
    return L;
}

std::vector<TColor> ReadPalette(TStream& Stream, const BmpLayout& L, int64_t FileStart, int64_t FileSize) {
    const int64_t end = Stream.Position() - FileStart + static_cast<int64_t>(L.PaletteEntries) * L.PaletteEntrySize;
    if (end > FileSize) Invalid("not a valid BMP file: truncated palette");
    std::vector<TColor> palette;
    palette.reserve(L.PaletteEntries);
    for (uint32_t i = 0; i < L.PaletteEntries; ++i) {
        uint8_t entry[4];
        Stream.ReadBuffer(entry, L.PaletteEntrySize);
        palette.push_back(RGB(entry[2], entry[1], entry[0]));
    }
    return palette;
}

void DecodeRow(const BmpLayout& L, const uint8_t* In, uint8_t* Out) {
    const int32_t w = L.Width;
    switch (L.BitCount) {
        case 1:
            for (int32_t x = 0; x < w; ++x) Out[x] = (In[x >> 3] >> (7 - (x & 7))) & 1;
            break;
        case 4:
            for (int32_t x = 0; x < w; ++x) Out[x] = (In[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF;
            break;
        case 8: std::memcpy(Out, In, static_cast<size_t>(w)); break;
        case 16:
            for (int32_t x = 0; x < w; ++x, Out += 3) {
                const uint32_t p = ReadU16(In + 2 * x);
                Out[0] = L.Blue.Value(p);
                Out[1] = L.Green.Value(p);
                Out[2] = L.Red.Value(p);
            }
            break;
        case 24: std::memcpy(Out, In, static_cast<size_t>(w) * 3); break;
        case 32:
            for (int32_t x = 0; x < w; ++x, Out += 4, In += 4) {
                if (L.Compression == kBiBitfields) {
                    const uint32_t p = ReadU32(In);
                    Out[0] = L.Blue.Value(p);
                    Out[1] = L.Green.Value(p);
                    Out[2] = L.Red.Value(p);
                } else {
                    Out[0] = In[0];
                    Out[1] = In[1];
                    Out[2] = In[2];
                }
                Out[3] = 0;
            }
            break;
    }
}

TPixelFormat FormatForBits(int Bits) {
    if (Bits <= 8) return pf8bit;
    return Bits == 32 ? pf32bit : pf24bit;
}

}  // namespace

TBitmap::TBitmap(int32_t Width, int32_t Height, TPixelFormat Format) {
    SetPixelFormat(Format);
    SetSize(Width, Height);
}

TBitmap::TBitmap(TBitmap&& Other) noexcept { *this = std::move(Other); }

TBitmap& TBitmap::operator=(TBitmap&& Other) noexcept {
    if (&Other == this) return *this;
    FPixelFormat = Other.FPixelFormat;
    FWidth = std::exchange(Other.FWidth, 0);
    FHeight = std::exchange(Other.FHeight, 0);
    FPalette = std::move(Other.FPalette);
    FPixels = std::move(Other.FPixels);
    Other.FPixelFormat = pf24bit;
    Other.FPalette.clear();
    Other.FPixels.clear();
    return *this;
}

int32_t TBitmap::BytesPerPixel() const { return BytesPerPixelOf(FPixelFormat); }

void TBitmap::SetSize(int32_t Width, int32_t Height) {
    const int64_t bytes = static_cast<int64_t>(Width) * Height * BytesPerPixel();
    if (Width < 0 || Height < 0 || bytes > kMaxPixelBytes)
        throw EInvalidGraphic("Invalid bitmap size " + std::to_string(Width) + " x " + std::to_string(Height));
    if (Width == FWidth && Height == FHeight) return;
    const size_t bpp = static_cast<size_t>(BytesPerPixel());
    std::vector<uint8_t> pixels(static_cast<size_t>(bytes));
    FillWhite(pixels.data(), static_cast<size_t>(Width) * static_cast<size_t>(Height), FPixelFormat);
    const size_t kept = static_cast<size_t>(std::min(Width, FWidth)) * bpp;
    for (int32_t y = 0; kept > 0 && y < std::min(Height, FHeight); ++y)
        std::memcpy(pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(Width) * bpp,
                    FPixels.data() + static_cast<size_t>(y) * static_cast<size_t>(FWidth) * bpp, kept);
    FPixels = std::move(pixels);
    FWidth = Width;
    FHeight = Height;
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
    if (Value == FPixelFormat && (Value != pf8bit || !FPalette.empty())) return;
    const size_t count = static_cast<size_t>(FWidth) * static_cast<size_t>(FHeight);
    std::vector<uint8_t> pixels(count * static_cast<size_t>(BytesPerPixelOf(Value)));
    std::vector<TColor> palette;
    if (Value == pf8bit) {
        palette = count == 0 ? GreyPalette()
                             : ReduceColors({FPixels.data(), FWidth, FHeight, BytesPerPixel()}, pixels.data());
    } else {
        const size_t in = static_cast<size_t>(BytesPerPixel());
        const size_t out = static_cast<size_t>(BytesPerPixelOf(Value));
        for (size_t i = 0; i < count; ++i) {
            const uint8_t* from = FPixels.data() + i * in;
            uint8_t* to = pixels.data() + i * out;
            if (FPixelFormat == pf8bit)
                PutColor(to, PaletteColor(FPalette, *from));
            else
                std::memcpy(to, from, 3);
            if (out == 4) to[3] = 0;
        }
    }
    FPixelFormat = Value;
    FPixels = std::move(pixels);
    FPalette = std::move(palette);
}

void TBitmap::SetPalette(std::vector<TColor> Colors) {
    if (FPixelFormat != pf8bit) throw EInvalidGraphic("Only an 8-bit bitmap has a palette");
    if (Colors.empty() || Colors.size() > 256)
        throw EInvalidGraphic("A palette holds 1 to 256 colours, not " + std::to_string(Colors.size()));
    for (TColor& color : Colors) color &= 0xFFFFFF;
    FPalette = std::move(Colors);
}

uint8_t* TBitmap::ScanLine(int32_t Row) {
    return const_cast<uint8_t*>(static_cast<const TBitmap*>(this)->ScanLine(Row));
}

const uint8_t* TBitmap::ScanLine(int32_t Row) const {
    if (Row < 0 || Row >= FHeight) throw EInvalidGraphic("Scan line index out of range (" + std::to_string(Row) + ")");
    return FPixels.data() + static_cast<size_t>(Row) * static_cast<size_t>(FWidth) *
                                static_cast<size_t>(BytesPerPixel());
}

TColor TBitmap::GetPixel(int32_t X, int32_t Y) const {
    if (X < 0 || Y < 0 || X >= FWidth || Y >= FHeight) return -1;
    const uint8_t* pixel = ScanLine(Y) + static_cast<size_t>(X) * static_cast<size_t>(BytesPerPixel());
    if (FPixelFormat == pf8bit) return PaletteColor(FPalette, *pixel);
    return RGB(pixel[2], pixel[1], pixel[0]);
}

void TBitmap::SetPixel(int32_t X, int32_t Y, TColor Color) {
    if (X < 0 || Y < 0 || X >= FWidth || Y >= FHeight) return;
    uint8_t* pixel = ScanLine(Y) + static_cast<size_t>(X) * static_cast<size_t>(BytesPerPixel());
    if (FPixelFormat == pf8bit)
        *pixel = NearestColorIndex(FPalette, Color);
    else
        PutColor(pixel, Color);
}

void TBitmap::StretchCopy(const TRect& Dest, const TBitmap& Source) {
    if (&Source == this) {
        TBitmap copy;
        copy.Assign(Source);
        StretchCopy(Dest, copy);
        return;
    }
    const int64_t destWidth = static_cast<int64_t>(Dest.Right) - Dest.Left;
    const int64_t destHeight = static_cast<int64_t>(Dest.Bottom) - Dest.Top;
    if (Source.Empty() || Empty() || destWidth <= 0 || destHeight <= 0) return;
    const int32_t x0 = static_cast<int32_t>(std::max<int64_t>(Dest.Left, 0));
    const int32_t x1 = static_cast<int32_t>(std::min<int64_t>(Dest.Right, FWidth));
    const int32_t y0 = static_cast<int32_t>(std::max<int64_t>(Dest.Top, 0));
    const int32_t y1 = static_cast<int32_t>(std::min<int64_t>(Dest.Bottom, FHeight));
    if (x0 >= x1 || y0 >= y1) return;

    // Which source column lies under the centre of each target column.
    std::vector<int32_t> sourceX(static_cast<size_t>(x1 - x0));
    for (int32_t x = x0; x < x1; ++x)
        sourceX[static_cast<size_t>(x - x0)] = static_cast<int32_t>(
            ((2 * (x - static_cast<int64_t>(Dest.Left)) + 1) * Source.FWidth) / (2 * destWidth));

    // Colours of the source as this bitmap writes them: indices into its own palette for an
    // 8-bit target.
    const bool sameLayout = FPixelFormat == Source.FPixelFormat && (FPixelFormat != pf8bit || FPalette == Source.FPalette);
    std::unique_ptr<TNearestColor> nearest;
    std::array<uint8_t, 256> indexMap{};
    if (!sameLayout && FPixelFormat == pf8bit) {
        if (Source.FPixelFormat == pf8bit)
            for (int i = 0; i < 256; ++i)
                indexMap[static_cast<size_t>(i)] =
                    NearestColorIndex(FPalette, PaletteColor(Source.FPalette, static_cast<uint8_t>(i)));
        else
            nearest = std::make_unique<TNearestColor>(FPalette);
    }
    const size_t inBpp = static_cast<size_t>(Source.BytesPerPixel());
    const size_t outBpp = static_cast<size_t>(BytesPerPixel());
    for (int32_t y = y0; y < y1; ++y) {
        const int32_t sy = static_cast<int32_t>(((2 * (y - static_cast<int64_t>(Dest.Top)) + 1) * Source.FHeight) / (2 * destHeight));
        const uint8_t* in = Source.ScanLine(sy);
        uint8_t* out = ScanLine(y) + static_cast<size_t>(x0) * outBpp;
        for (size_t i = 0; i < sourceX.size(); ++i, out += outBpp) {
            const uint8_t* pixel = in + static_cast<size_t>(sourceX[i]) * inBpp;
            if (sameLayout) {
                std::memcpy(out, pixel, outBpp);
            } else if (FPixelFormat == pf8bit) {
                *out = Source.FPixelFormat == pf8bit ? indexMap[*pixel] : nearest->Find(pixel[2], pixel[1], pixel[0]);
            } else if (Source.FPixelFormat == pf8bit) {
                PutColor(out, PaletteColor(Source.FPalette, *pixel));
            } else {
                std::memcpy(out, pixel, 3);
            }
        }
    }
}

void TBitmap::LoadFromStream(TStream& Stream) {
    const int64_t start = Stream.Position();
    const int64_t size = Stream.Size() - start;
    int64_t pixelOffset = 0;
    const BmpLayout layout = ReadHeaders(Stream, pixelOffset, size);
    std::vector<TColor> palette = ReadPalette(Stream, layout, start, size);
    if (pixelOffset == 0) pixelOffset = Stream.Position() - start;
    const int64_t dataSize = layout.Stride * layout.Height;
    if (pixelOffset < kFileHeaderSize || pixelOffset > size || dataSize > size - pixelOffset)
        Invalid("not a valid BMP file: truncated pixel data (" + std::to_string(layout.Width) + " x " +
                std::to_string(layout.Height) + " at " + std::to_string(layout.BitCount) + " bits need " +
                std::to_string(dataSize) + " bytes)");

    TBitmap loaded;
    loaded.FPixelFormat = FormatForBits(layout.BitCount);
    loaded.SetSize(layout.Width, layout.Height);
    if (loaded.FPixelFormat == pf8bit) loaded.FPalette = palette.empty() ? std::vector<TColor>{clBlack} : palette;
    Stream.SetPosition(start + pixelOffset);
    std::vector<uint8_t> row(static_cast<size_t>(layout.Stride));
    for (int32_t i = 0; i < layout.Height; ++i) {
        Stream.ReadBuffer(row.data(), static_cast<int32_t>(layout.Stride));
        DecodeRow(layout, row.data(), loaded.ScanLine(layout.TopDown ? i : layout.Height - 1 - i));
    }
    Assign(loaded);
}

void TBitmap::SaveToStream(TStream& Stream) const {
    const int bits = BytesPerPixel() * 8;
    const uint32_t paletteBytes = static_cast<uint32_t>(FPalette.size()) * 4;
    const uint32_t stride = static_cast<uint32_t>(((static_cast<int64_t>(FWidth) * bits + 31) / 32) * 4);
    const uint32_t offset = kFileHeaderSize + 40 + paletteBytes;
    const uint64_t total = offset + static_cast<uint64_t>(stride) * static_cast<uint32_t>(FHeight);
    if (total > UINT32_MAX) throw EInvalidGraphic("Bitmap too large for a BMP file");

    uint8_t header[kFileHeaderSize + 40] = {'B', 'M'};
    PutU32(header + 2, static_cast<uint32_t>(total));
    PutU32(header + 10, offset);
    uint8_t* info = header + kFileHeaderSize;
    PutU32(info, 40);
    PutU32(info + 4, static_cast<uint32_t>(FWidth));
    PutU32(info + 8, static_cast<uint32_t>(FHeight));
    PutU16(info + 12, 1);
    PutU16(info + 14, static_cast<uint32_t>(bits));
    PutU32(info + 20, stride * static_cast<uint32_t>(FHeight));
    PutU32(info + 32, static_cast<uint32_t>(FPalette.size()));
    Stream.WriteBuffer(header, sizeof header);
    for (const TColor color : FPalette) {
        const uint8_t entry[4] = {GetBValue(color), GetGValue(color), GetRValue(color), 0};
        Stream.WriteBuffer(entry, 4);
    }
    std::vector<uint8_t> row(stride, 0);
    const size_t used = static_cast<size_t>(FWidth) * static_cast<size_t>(BytesPerPixel());
    for (int32_t y = FHeight - 1; y >= 0; --y) {
        std::memcpy(row.data(), ScanLine(y), used);
        Stream.WriteBuffer(row.data(), static_cast<int32_t>(stride));
    }
}

void TBitmap::LoadFromFile(const std::string& FileName) {
    TFileStream stream(FileName, fmOpenRead);
    try {
        LoadFromStream(stream);
    } catch (const EInvalidGraphic& e) {
        throw EInvalidGraphic(FileName + ": " + e.Message());
    }
}

void TBitmap::SaveToFile(const std::string& FileName) const {
    TFileStream stream(FileName, fmCreate);
    SaveToStream(stream);
}

void TBitmap::Assign(const TPersistent& Source) {
    const auto* other = dynamic_cast<const TBitmap*>(&Source);
    if (other == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    if (other == this) return;
    FPixelFormat = other->FPixelFormat;
    FWidth = other->FWidth;
    FHeight = other->FHeight;
    FPalette = other->FPalette;
    FPixels = other->FPixels;
}

int32_t GetDIBits(const TBitmap& Bitmap, uint32_t StartScan, uint32_t NumScans, void* Bits, TBitmapInfo& Info) {
    TBitmapInfoHeader& header = Info.bmiHeader;
    const int32_t height = Bitmap.Height();
    if (Bitmap.Empty() || header.biBitCount != 8 || header.biCompression != kBiRgb ||
        header.biWidth != Bitmap.Width() || (header.biHeight != height && header.biHeight != -height))
        return 0;
    const bool bottomUp = header.biHeight > 0;
    const size_t width = static_cast<size_t>(Bitmap.Width());
    const size_t stride = (width + 3) & ~size_t{3};

    std::vector<uint8_t> reduced;
    std::vector<TColor> palette;
    if (Bitmap.PixelFormat() == pf8bit) {
        palette = Bitmap.Palette();
    } else {
        reduced.resize(width * static_cast<size_t>(height));
        palette = ReduceColors({Bitmap.ScanLine(0), Bitmap.Width(), height, Bitmap.BytesPerPixel()}, reduced.data());
    }
    for (size_t i = 0; i < 256; ++i) {
        const TColor color = i < palette.size() ? palette[i] : clBlack;
        Info.bmiColors[i] = TRGBQuad{GetBValue(color), GetGValue(color), GetRValue(color), 0};
    }
    header.biSizeImage = static_cast<uint32_t>(stride * static_cast<size_t>(height));
    header.biClrUsed = 0;
    header.biClrImportant = 0;

    uint32_t copied = 0;
    for (uint32_t scan = StartScan; scan < static_cast<uint64_t>(StartScan) + NumScans && scan < static_cast<uint32_t>(height); ++scan, ++copied) {
        const int32_t row = bottomUp ? height - 1 - static_cast<int32_t>(scan) : static_cast<int32_t>(scan);
        const uint8_t* from = reduced.empty() ? Bitmap.ScanLine(row) : reduced.data() + static_cast<size_t>(row) * width;
        uint8_t* to = static_cast<uint8_t*>(Bits) + static_cast<size_t>(scan - StartScan) * stride;
        std::memcpy(to, from, width);
        std::memset(to + width, 0, stride - width);
    }
    return static_cast<int32_t>(copied);
}

}  // namespace wb
