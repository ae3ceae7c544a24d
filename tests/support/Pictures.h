#pragma once

#include <fcntl.h>
#include <gif_lib.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/Bitmaps.h"

namespace wb::test {

// A fresh directory under /tmp, removed with everything in it.
class TempDir {
public:
    TempDir() {
        char name[] = "/tmp/wbforms-test-XXXXXX";
        if (mkdtemp(name) == nullptr) throw std::runtime_error("mkdtemp failed");
        FPath = name;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::permissions(FPath, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(FPath, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The directory, without a trailing "/".
    const std::string& Path() const { return FPath; }
    std::string File(const std::string& Name) const { return FPath + "/" + Name; }

private:
    std::string FPath;
};

inline std::vector<uint8_t> ReadFileBytes(const std::string& Path) {
    std::ifstream in(Path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFileBytes(const std::string& Path, const std::vector<uint8_t>& Bytes) {
    std::ofstream out(Path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
}

// Sets a file's last-write time to Seconds before now.
inline void AgeFile(const std::string& Path, int64_t Seconds) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const timespec times[2] = {now, {now.tv_sec - Seconds, now.tv_nsec}};
    utimensat(AT_FDCWD, Path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

// An 8-bit bitmap whose pixel (x, y) has the index Index(x, y).
template <class IndexOf>
TBitmap IndexedBitmap(int32_t Width, int32_t Height, IndexOf&& Index, std::vector<TColor> Palette = {}) {
    TBitmap bitmap(Width, Height, pf8bit);
    if (!Palette.empty()) bitmap.SetPalette(std::move(Palette));
    for (int32_t y = 0; y < Height; ++y)
        for (int32_t x = 0; x < Width; ++x) bitmap.ScanLine(y)[x] = static_cast<uint8_t>(Index(x, y));
    return bitmap;
}

// Random indices below Colors, the same for the same seed.
inline TBitmap NoiseBitmap(int32_t Width, int32_t Height, uint32_t Seed, int Colors = 256) {
    std::mt19937 random(Seed);
    return IndexedBitmap(Width, Height, [&](int32_t, int32_t) { return random() % static_cast<uint32_t>(Colors); });
}

// A picture with the look of a photograph: smooth gradients and shaded shapes of many hues under
// a little sensor noise. Hundreds of thousands of distinct colours.
inline TBitmap PhotoLikeBitmap(int32_t Width, int32_t Height) {
    TBitmap bitmap(Width, Height, pf24bit);
    std::mt19937 random(7);
    std::normal_distribution<double> noise(0.0, 3.0);
    auto clamp = [](double v) { return static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); };
    for (int32_t y = 0; y < Height; ++y) {
        uint8_t* row = bitmap.ScanLine(y);
        const double fy = static_cast<double>(y) / Height;
        for (int32_t x = 0; x < Width; ++x) {
            const double fx = static_cast<double>(x) / Width;
            const double hill = 0.62 + 0.08 * std::sin(fx * 9.0) + 0.05 * std::sin(fx * 23.0 + 1.0);
            double r, g, b;
            if (fy < hill) {  // sky, lighter towards the horizon, with a warm sun
                r = 70 + 150 * fy;
                g = 120 + 110 * fy;
                b = 230 - 20 * fy;
                const double sun = std::exp(-((fx - 0.75) * (fx - 0.75) + (fy - 0.2) * (fy - 0.2)) * 60);
                r += 180 * sun;
                g += 140 * sun;
                b -= 60 * sun;
            } else {  // meadow with shading and texture
                const double shade = 0.6 + 0.4 * std::sin(fx * 14 + fy * 30) * std::cos(fy * 11);
                r = 60 + 70 * shade + 40 * fx;
                g = 110 + 90 * shade;
                b = 30 + 40 * shade * fy;
            }
            row[3 * x] = clamp(b + noise(random));
            row[3 * x + 1] = clamp(g + noise(random));
            row[3 * x + 2] = clamp(r + noise(random));
        }
    }
    return bitmap;
}

// A GIF read back by giflib: its size, global colour table and pixels, top row first.
struct DecodedGif {
    int Width = 0;
    int Height = 0;
    std::vector<TColor> Colors;
    std::vector<uint8_t> Pixels;
    int Error = 0;
};

inline DecodedGif DecodeGif(const std::vector<uint8_t>& Bytes) {
    struct Source {
        const std::vector<uint8_t>* bytes;
        size_t at;
    } source{&Bytes, 0};
    auto read = [](GifFileType* gif, GifByteType* buffer, int count) -> int {
        auto* s = static_cast<Source*>(gif->UserData);
        const size_t n = std::min(static_cast<size_t>(count), s->bytes->size() - s->at);
        std::memcpy(buffer, s->bytes->data() + s->at, n);
        s->at += n;
        return static_cast<int>(n);
    };
    DecodedGif result;
    int error = 0;
    GifFileType* gif = DGifOpen(&source, read, &error);
    if (gif == nullptr) {
        result.Error = error;
        return result;
    }
    if (DGifSlurp(gif) != GIF_OK || gif->ImageCount != 1) {
        result.Error = gif->Error == 0 ? -1 : gif->Error;
    } else {
        result.Width = gif->SWidth;
        result.Height = gif->SHeight;
        for (int i = 0; gif->SColorMap != nullptr && i < gif->SColorMap->ColorCount; ++i) {
            const GifColorType c = gif->SColorMap->Colors[i];
            result.Colors.push_back(RGB(c.Red, c.Green, c.Blue));
        }
        const SavedImage& image = gif->SavedImages[0];
        result.Pixels.assign(image.RasterBits,
                             image.RasterBits + static_cast<size_t>(image.ImageDesc.Width) * image.ImageDesc.Height);
    }
    DGifCloseFile(gif, &error);
    return result;
}

// The bitmap's colours, top row first, as the GIF should show them.
inline std::vector<TColor> ColorsOf(const TBitmap& Bitmap) {
    std::vector<TColor> colors;
    for (int32_t y = 0; y < Bitmap.Height(); ++y)
        for (int32_t x = 0; x < Bitmap.Width(); ++x) colors.push_back(Bitmap.GetPixel(x, y));
    return colors;
}

inline std::vector<TColor> ColorsOf(const DecodedGif& Gif) {
    std::vector<TColor> colors;
    for (const uint8_t index : Gif.Pixels) colors.push_back(Gif.Colors.at(index));
    return colors;
}

}  // namespace wb::test
