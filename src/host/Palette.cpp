#include "host/Palette.h"

#include <algorithm>
#include <stdexcept>

#include "host/SysUtils.h"

namespace wb {

namespace {

std::vector<TPaletteEntry>& Entries() {
    static std::vector<TPaletteEntry> entries;
    return entries;
}

}  // namespace

void RegisterComponents(const std::string& Page,
                        std::initializer_list<const TPublishedClass*> ComponentClasses) {
    if (std::find(ComponentClasses.begin(), ComponentClasses.end(), nullptr) !=
        ComponentClasses.end())
        throw std::invalid_argument("RegisterComponents: no class given for page " + Page);
    std::vector<TPaletteEntry>& entries = Entries();
    for (const TPublishedClass* componentClass : ComponentClasses) {
        auto registered = std::find_if(entries.begin(), entries.end(), [&](const auto& entry) {
            return entry.ComponentClass == componentClass;
        });
        if (registered != entries.end())
            registered->Page = Page;
        else
            entries.push_back({Page, componentClass, UpperCase(componentClass->Name())});
    }
}

const std::vector<TPaletteEntry>& Palette() { return Entries(); }

void ClearPalette() { Entries().clear(); }

}  // namespace wb
