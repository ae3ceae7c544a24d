#include "gif/WbGifMaker.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace wb {

namespace {

constexpr int32_t kClearCode = 256;
constexpr int32_t kEndOfInformationCode = 257;
constexpr int32_t kFirstFreeCode = 258;
constexpr int32_t kInitialCodeWidth = 9;
constexpr int32_t kLargestCodeWidth = 12;
constexpr int32_t kTableSize = 5101;
constexpr int32_t kHashShift = 4;
constexpr int32_t kLargestSide = 65535;

void CheckSize(const TBitmap& Bitmap) {
    const int32_t w = Bitmap.Width();
    const int32_t h = Bitmap.Height();
    const std::string size = std::to_string(w) + " x " + std::to_string(h);
    if (w == 0 || h == 0) throw Exception("Cannot write a GIF image of " + size + " pixels: the bitmap has no pixels");
    if (w > kLargestSide || h > kLargestSide)
        throw Exception("Cannot write a GIF image of " + size + " pixels: a GIF image is at most 65535 pixels wide and high");
}

void PutWord(uint8_t* At, int32_t Value) {
    At[0] = static_cast<uint8_t>(Value);
    At[1] = static_cast<uint8_t>(Value >> 8);
}

// The pixels as the platform gives them: 8-bit indices, rows bottom-up, padded to 4 bytes.
struct Pixels {
    std::unique_ptr<TBitmapInfo> Info = std::make_unique<TBitmapInfo>();
    std::vector<uint8_t> Bits;
    size_t Stride = 0;
};

Pixels ReadPixels(const TBitmap& Bitmap) {
    Pixels p;
    p.Stride = (static_cast<size_t>(Bitmap.Width()) + 3) & ~size_t{3};
    TBitmapInfoHeader& header = p.Info->bmiHeader;
    header.biWidth = Bitmap.Width();
    header.biHeight = Bitmap.Height();
    header.biBitCount = 8;
    header.biSizeImage = static_cast<uint32_t>(p.Stride * static_cast<size_t>(Bitmap.Height()));
    p.Bits.resize(p.Stride * static_cast<size_t>(Bitmap.Height()));
    const uint32_t rows = static_cast<uint32_t>(Bitmap.Height());
    if (GetDIBits(Bitmap, 0, rows, p.Bits.data(), *p.Info) <= 0)
        throw Exception("Cannot read the pixels of the bitmap");
    return p;
}

// The LZW compressor with its code table, bit writer and sub-block buffer. A slot of the code
// table packs the pair (prefix code, suffix pixel) above the code stored for it; 0 is an empty
// slot, since no stored code is below 258.
class GifEncoder {
public:
    explicit GifEncoder(TStream& Stream) : FStream(Stream) { ResetCodeTable(); }

    void Start() { PutCode(kClearCode, FWriteWidth); }
    void CompressRow(const uint8_t* Row, size_t Count);
    void Finish();

private:
    void ResetCodeTable();
    void PutCode(int32_t Code, int32_t Width);
    void PutByte(uint8_t Byte);
    void FlushBits();
    void FlushBlock();

    TStream& FStream;
    std::array<uint32_t, kTableSize + 1> FSlots;
    bool FFirstPixelTaken = false;
    int32_t FPrefix = 0;
    int32_t FNextCode = kFirstFreeCode;
    int32_t FCodeWidth = kInitialCodeWidth;
    int32_t FLimit = 1 << kInitialCodeWidth;
    int32_t FWriteWidth = kInitialCodeWidth;
    uint64_t FBits = 0;  // bits waiting for a byte, lowest first
    int32_t FBitCount = 0;
    std::array<uint8_t, 256> FBlock;  // the length byte, then up to 255 data bytes
    int32_t FBlockCount = 0;
};

void GifEncoder::ResetCodeTable() {
    FCodeWidth = kInitialCodeWidth;
    FWriteWidth = kInitialCodeWidth;
    FNextCode = kFirstFreeCode;
    FLimit = 1 << kInitialCodeWidth;
    FSlots.fill(0);
}

void GifEncoder::CompressRow(const uint8_t* Row, size_t Count) {
    size_t i = 0;
    if (!FFirstPixelTaken && Count > 0) {
        FPrefix = Row[i++];
        FFirstPixelTaken = true;
    }
    int32_t prefix = FPrefix;
    for (; i < Count; ++i) {
        const uint32_t pixel = Row[i];
        const uint32_t key = (static_cast<uint32_t>(prefix) << 8) | pixel;
        int32_t slot = static_cast<int32_t>((pixel << kHashShift) ^ static_cast<uint32_t>(prefix));
        const int32_t step = slot == 0 ? 1 : kTableSize - slot;
        uint32_t entry = FSlots[static_cast<size_t>(slot)];
        while (entry != 0 && (entry >> 12) != key) {
            slot -= step;
            if (slot < 0) slot += kTableSize;
            entry = FSlots[static_cast<size_t>(slot)];
        }
        if (entry != 0) {
            prefix = static_cast<int32_t>(entry & 0xFFF);
            continue;
        }
        FSlots[static_cast<size_t>(slot)] = (key << 12) | static_cast<uint32_t>(FNextCode);
        PutCode(prefix, FWriteWidth);
        prefix = static_cast<int32_t>(pixel);
        if (++FNextCode > FLimit) {
            if (++FCodeWidth > kLargestCodeWidth) {
                PutCode(kClearCode, FWriteWidth);
                ResetCodeTable();
            } else {
                FWriteWidth = FCodeWidth;
                FLimit *= 2;
                if (FCodeWidth == kLargestCodeWidth) --FLimit;
            }
        }
    }
    FPrefix = prefix;
}

void GifEncoder::PutCode(int32_t Code, int32_t Width) {
    FBits |= static_cast<uint64_t>(Code) << FBitCount;
    FBitCount += Width;
    while (FBitCount >= 8) {
        PutByte(static_cast<uint8_t>(FBits));
        FBits >>= 8;
        FBitCount -= 8;
    }
}

void GifEncoder::PutByte(uint8_t Byte) {
    FBlock[static_cast<size_t>(++FBlockCount)] = Byte;
    if (FBlockCount == 255) FlushBlock();
}

void GifEncoder::FlushBits() {
    if (FBitCount > 0) PutByte(static_cast<uint8_t>(FBits));
    FBits = 0;
    FBitCount = 0;
}

void GifEncoder::FlushBlock() {
    if (FBlockCount == 0) return;
    FBlock[0] = static_cast<uint8_t>(FBlockCount);
    FStream.WriteBuffer(FBlock.data(), FBlockCount + 1);
    FBlockCount = 0;
}

void GifEncoder::Finish() {
    PutCode(FPrefix, FWriteWidth);
    PutCode(kEndOfInformationCode, FWriteWidth);
    FlushBits();
    FlushBlock();
}

void WriteHeader(TStream& Stream, int32_t Width, int32_t Height) {
    uint8_t header[13] = {'G', 'I', 'F', '8', '7', 'a'};
    PutWord(header + 6, Width);
    PutWord(header + 8, Height);
    header[10] = 0xF7;  // global table of 256 colours, 8 bits of colour resolution
    Stream.WriteBuffer(header, sizeof header);
}

void WriteColorTable(TStream& Stream, const TBitmapInfo& Info) {
    uint8_t table[768];
    for (size_t i = 0; i < 256; ++i) {
        table[3 * i] = Info.bmiColors[i].rgbRed;
        table[3 * i + 1] = Info.bmiColors[i].rgbGreen;
        table[3 * i + 2] = Info.bmiColors[i].rgbBlue;
    }
    Stream.WriteBuffer(table, sizeof table);
}

void WriteImageDescriptor(TStream& Stream, int32_t Width, int32_t Height) {
    uint8_t descriptor[11] = {0x2C};
    PutWord(descriptor + 5, Width);
    PutWord(descriptor + 7, Height);
    descriptor[10] = 8;  // LZW minimum code size
    Stream.WriteBuffer(descriptor, sizeof descriptor);
}

}  // namespace

void WbGifToStream(const TBitmap& Bitmap, TStream& Stream) {
    CheckSize(Bitmap);
    const int32_t width = Bitmap.Width();
    const int32_t height = Bitmap.Height();
    const Pixels pixels = ReadPixels(Bitmap);

    GifEncoder encoder(Stream);
    WriteHeader(Stream, width, height);
    WriteColorTable(Stream, *pixels.Info);
    WriteImageDescriptor(Stream, width, height);
    encoder.Start();
    // The rows are stored bottom-up; the picture is encoded from its top row down, as one
    // stream of pixels, without the padding at the end of each stored row.
    for (int32_t y = height - 1; y >= 0; --y)
        encoder.CompressRow(pixels.Bits.data() + static_cast<size_t>(y) * pixels.Stride, static_cast<size_t>(width));
    encoder.Finish();
    const uint8_t trailer[2] = {0x00, 0x3B};
    Stream.WriteBuffer(trailer, sizeof trailer);
}

void WbGifToFile(const TBitmap& Bitmap, const std::string& FileName) {
    CheckSize(Bitmap);
    TFileStream stream(FileName, fmCreate);
    WbGifToStream(Bitmap, stream);
}

}  // namespace wb
