#include "gif/WbGifMaker.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

namespace wb {

namespace {

constexpr int32_t kClearCode = 256;
constexpr int32_t kEndOfInformationCode = 257;
constexpr int32_t kFirstFreeCode = 258;
constexpr int32_t kInitialCodeWidth = 9;
constexpr int32_t kLargestCodeWidth = 12;
constexpr int32_t kLargestCode = 4095;
constexpr int32_t kLargestSide = 65535;
constexpr uint32_t kSlots = 16384;

// The first slot of the pair (prefix, pixel), from Key = prefix * 256 + pixel: Fibonacci hashing
// onto 14 bits.
inline uint32_t FirstSlot(uint32_t Key) { return (Key * 0x9E3779B1u) >> 18; }

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

// The LZW compressor with its string table, bit writer and sub-block buffer.
//
// The string table maps a pair (prefix code, pixel) to the code stored for it. What the encoder
// writes depends only on which pairs the table holds, never on where they are kept, so the table
// is laid out for speed: 16384 slots of one word each, the pair above the 12-bit code (0 marks an
// empty slot, since no stored code is below 258), filled at most to a quarter (3838 codes between
// two clear codes), and found by Fibonacci hashing with linear probing. A reset empties only the
// slots that were filled. Strings that grow by their own last pixel, as in flat areas, are also
// found without hashing, through the code of each string extended by its last pixel.
//
// The bit writer fills a 64-bit word from its lowest bit and moves whole 32-bit words into a
// run of data bytes; the run is cut into sub-blocks of 255 bytes, each behind its length byte,
// when it is written. The bytes are those of a writer that fills one byte at a time.
class GifEncoder {
public:
    explicit GifEncoder(TStream& Stream) : FStream(Stream) { ResetCodeTable(); }

    void Start();
    void CompressRow(const uint8_t* Row, size_t Count);
    void Finish();

private:
    static constexpr size_t kBlocksPerWrite = 16;
    static constexpr size_t kDataPerWrite = 255 * kBlocksPerWrite;

    void ResetCodeTable();
    // Moves the finished bytes of the bit word into the data run; writes full blocks of it.
    void PutCode(int32_t Code, int32_t Width);
    void FlushBits();
    void WriteBlocks(bool All);

    TStream& FStream;
    std::array<uint32_t, kSlots> FSlots{};
    std::array<uint16_t, kLargestCode + 1> FUsed;  // the slot of each stored code, to empty them again
    std::array<uint16_t, kLargestCode + 1> FRepeat{};  // per code: the code of the string extended by its last pixel, or 0
    uint32_t FLastPixel = 0;  // the last pixel of the current string
    bool FFirstPixelTaken = false;
    uint32_t FPrefix = 0;
    int32_t FNextCode = kFirstFreeCode;
    int32_t FCodeWidth = kInitialCodeWidth;
    int32_t FLimit = 1 << kInitialCodeWidth;
    int32_t FWriteWidth = kInitialCodeWidth;
    uint64_t FBits = 0;  // bits waiting to be written, lowest first
    int32_t FBitCount = 0;
    std::array<uint8_t, kDataPerWrite + 8> FData;  // the data bytes not yet written
    size_t FDataCount = 0;
    std::array<uint8_t, 256 * kBlocksPerWrite> FBlocks;  // sub-blocks ready for the stream
};

void GifEncoder::Start() { PutCode(kClearCode, FWriteWidth); }

void GifEncoder::ResetCodeTable() {
    for (int32_t i = 0; i < FNextCode - kFirstFreeCode; ++i) {
        uint32_t& slot = FSlots[FUsed[static_cast<size_t>(i)]];
        FRepeat[slot >> 20] = 0;
        slot = 0;
    }
    FCodeWidth = kInitialCodeWidth;
    FWriteWidth = kInitialCodeWidth;
    FNextCode = kFirstFreeCode;
    FLimit = 1 << kInitialCodeWidth;
}

void GifEncoder::CompressRow(const uint8_t* Row, size_t Count) {
    size_t i = 0;
    if (!FFirstPixelTaken && Count > 0) {
        FPrefix = FLastPixel = Row[i++];
        FFirstPixelTaken = true;
    }
    // The string being matched stays in a register while the row runs; the table is reached
    // through a local pointer, so that writing a code does not make the compiler reload it.
    uint32_t prefix = FPrefix;
    uint32_t last = FLastPixel;
    uint32_t* const slots = FSlots.data();
    uint16_t* const repeats = FRepeat.data();
    for (; i < Count; ++i) {
        const uint32_t pixel = Row[i];
        if (pixel == last && repeats[prefix] != 0) {
            prefix = repeats[prefix];
            continue;
        }
        const uint32_t key = (prefix << 8) | pixel;
        uint32_t slot = FirstSlot(key);
        uint32_t entry = slots[slot];
        while (entry != 0 && (entry >> 12) != key) {
            slot = (slot + 1) & (kSlots - 1);
            entry = slots[slot];
        }
        const bool repeated = pixel == last;
        last = pixel;
        if (entry != 0) {
            prefix = entry & 0xFFF;
            continue;
        }
        slots[slot] = (key << 12) | static_cast<uint32_t>(FNextCode);
        FUsed[static_cast<size_t>(FNextCode - kFirstFreeCode)] = static_cast<uint16_t>(slot);
        if (repeated) repeats[prefix] = static_cast<uint16_t>(FNextCode);
        PutCode(static_cast<int32_t>(prefix), FWriteWidth);
        prefix = pixel;
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
    FLastPixel = last;
}

inline void GifEncoder::PutCode(int32_t Code, int32_t Width) {
    uint64_t bits = FBits | (static_cast<uint64_t>(Code) << FBitCount);
    int32_t count = FBitCount + Width;
    if (count >= 32) {
        const uint32_t word = static_cast<uint32_t>(bits);
        uint8_t* at = FData.data() + FDataCount;
        at[0] = static_cast<uint8_t>(word);
        at[1] = static_cast<uint8_t>(word >> 8);
        at[2] = static_cast<uint8_t>(word >> 16);
        at[3] = static_cast<uint8_t>(word >> 24);
        FDataCount += 4;
        bits >>= 32;
        count -= 32;
        if (FDataCount >= kDataPerWrite) WriteBlocks(false);
    }
    FBits = bits;
    FBitCount = count;
}

void GifEncoder::FlushBits() {
    for (; FBitCount > 0; FBitCount -= 8, FBits >>= 8) FData[FDataCount++] = static_cast<uint8_t>(FBits);
    FBits = 0;
    FBitCount = 0;
}

// Writes the full 255-byte blocks of the data run, and with All the shorter last one too.
void GifEncoder::WriteBlocks(bool All) {
    size_t taken = 0;
    size_t filled = 0;
    while (FDataCount - taken >= 255 || (All && FDataCount > taken)) {
        const size_t length = std::min<size_t>(255, FDataCount - taken);
        FBlocks[filled] = static_cast<uint8_t>(length);
        std::memcpy(FBlocks.data() + filled + 1, FData.data() + taken, length);
        filled += length + 1;
        taken += length;
    }
    FStream.WriteBuffer(FBlocks.data(), static_cast<int32_t>(filled));
    std::memmove(FData.data(), FData.data() + taken, FDataCount - taken);
    FDataCount -= taken;
}

void GifEncoder::Finish() {
    PutCode(static_cast<int32_t>(FPrefix), FWriteWidth);
    PutCode(kEndOfInformationCode, FWriteWidth);
    FlushBits();
    WriteBlocks(true);
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

    // The encoder's tables (about 100 KB) live on the heap, so that threads with small stacks
    // can encode too.
    const auto encoder = std::make_unique<GifEncoder>(Stream);
    WriteHeader(Stream, width, height);
    WriteColorTable(Stream, *pixels.Info);
    WriteImageDescriptor(Stream, width, height);
    encoder->Start();
    // The rows are stored bottom-up; the picture is encoded from its top row down, as one
    // stream of pixels, without the padding at the end of each stored row.
    for (int32_t y = height - 1; y >= 0; --y)
        encoder->CompressRow(pixels.Bits.data() + static_cast<size_t>(y) * pixels.Stride, static_cast<size_t>(width));
    encoder->Finish();
    const uint8_t trailer[2] = {0x00, 0x3B};
    Stream.WriteBuffer(trailer, sizeof trailer);
}

void WbGifToFile(const TBitmap& Bitmap, const std::string& FileName) {
    CheckSize(Bitmap);
    TFileStream stream(FileName, fmCreate);
    WbGifToStream(Bitmap, stream);
}

}  // namespace wb
