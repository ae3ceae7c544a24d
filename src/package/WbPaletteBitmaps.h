#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace wb {

// The palette bitmaps of the package: one per registered class, named after the class in upper
// case. Each is a device-independent bitmap as a bitmap resource holds it (no file header): a
// 40-byte header, a 16-colour palette of 64 bytes and 512 bytes of pixels, 32 x 32 pixels at
// 4 bits, rows bottom-up.
inline constexpr size_t kPaletteBitmapSize = 616;

// The bitmap named Name (compared without regard to case), or an empty span when there is none.
std::span<const uint8_t> WbFindPaletteBitmap(std::string_view Name);

// The names of every palette bitmap, in the order of the registered classes.
std::vector<std::string_view> WbPaletteBitmapNames();

}  // namespace wb
