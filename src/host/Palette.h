#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "host/Published.h"

namespace wb {

// The designer's component palette, as the packages' Register procedures fill it: which class
// goes on which page, under which bitmap. A designer host reads it after calling them.

struct TPaletteEntry {
    std::string Page;
    const TPublishedClass* ComponentClass = nullptr;
    // The bitmap resource the designer shows for the class: its name in upper case (TWBPAGE).
    std::string BitmapName;
};

// Puts each class on the palette page Page, in the order given. A class that is on the palette
// already moves to Page and keeps its place, so a Register procedure called twice adds nothing.
// A null class raises std::invalid_argument and registers none of the list.
void RegisterComponents(const std::string& Page,
                        std::initializer_list<const TPublishedClass*> ComponentClasses);

// Every class on the palette, in the order of its first registration.
const std::vector<TPaletteEntry>& Palette();

// Empties the palette (a designer that unloads its packages starts afresh).
void ClearPalette();

}  // namespace wb
