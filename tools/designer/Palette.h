#pragma once

#include <string>
#include <vector>

namespace wbforms_designer {

// One component on the designer's palette, as the package registered it.
struct TPaletteEntry {
    std::string Page;        // the palette page ("WebSlate")
    std::string ClassName;   // "TWbPage"
    std::string BitmapName;  // the palette bitmap's name ("TWBPAGE")
};

// The palette, in the order of registration. The first call loads the package as a designer
// host does: it starts the package's units and calls every unit's Register.
const std::vector<TPaletteEntry>& DesignerPalette();

// The palette entry of the class of that name (compared without regard to case), or nullptr.
const TPaletteEntry* FindPaletteEntry(const std::string& ClassName);

// The palette bitmap of that name as the bytes of a BMP file, or empty when there is none.
std::string PaletteBitmapFile(const std::string& BitmapName);

}  // namespace wbforms_designer
