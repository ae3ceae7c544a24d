#include "designer/Palette.h"

#include <cstdint>

#include "host/SysUtils.h"
#include "package/WbPackage.h"
#include "package/WbPaletteBitmaps.h"

namespace wbforms_designer {

void RegisterPackage() {
    for (const TWbContainedUnit& unit : wb::WbPackageUnits())
        if (unit.Register != nullptr) unit.Register();
}

const wb::TPaletteEntry* FindPaletteEntry(const std::string& ClassName) {
    for (const wb::TPaletteEntry& entry : wb::Palette())
        if (wb::SameText(entry.ComponentClass->Name(), ClassName)) return &entry;
    return nullptr;
}

// The bitmap resource behind the 14-byte header of a BMP file.
std::string PaletteBitmapFile(const std::string& BitmapName) {
    const std::span<const uint8_t> bitmap = wb::WbFindPaletteBitmap(BitmapName);
    if (bitmap.empty()) return {};
    constexpr uint32_t kFileHeaderSize = 14;
    constexpr uint32_t kPixelsOffset = kFileHeaderSize + 40 + 16 * 4;
    const auto fileSize = static_cast<uint32_t>(kFileHeaderSize + bitmap.size());
    std::string file = "BM";
    for (const uint32_t value : {fileSize, 0u, kPixelsOffset})
        for (int i = 0; i < 4; ++i) file += static_cast<char>((value >> (8 * i)) & 0xFF);
    file.append(reinterpret_cast<const char*>(bitmap.data()), bitmap.size());
    return file;
}

}  // namespace wbforms_designer
