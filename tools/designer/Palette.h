#pragma once

#include <string>

#include "host/Palette.h"

namespace wbforms_designer {

// Calls the Register procedure of every unit of the package, in the package's order, as a
// designer host does once the package has started (WbPackageStart): the palette fills. Calling
// it again adds nothing.
void RegisterPackage();

// The palette entry of the class of that name (compared without regard to case), or nullptr.
const wb::TPaletteEntry* FindPaletteEntry(const std::string& ClassName);

// The palette bitmap of that name as the bytes of a BMP file, or empty when there is none.
std::string PaletteBitmapFile(const std::string& BitmapName);

}  // namespace wbforms_designer
