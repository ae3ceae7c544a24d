// The C interface of the package libraries beyond the loader's entry points (those are in the
// main units, wbforms40.cpp and wbforms30.cpp): the palette as the Register procedures left it,
// the bitmap resources, and rendering a form at run time. No exception leaves through it.
#include "package/WbPackageExports.h"

#include <exception>
#include <span>
#include <string>

#include "core/WbPage.h"
#include "host/Exception.h"
#include "host/FormFile.h"
#include "host/Palette.h"
#include "package/WbPaletteBitmaps.h"
#include "util/WbMiscTools.h"

namespace {

// The text of the last render and of each path, kept for the caller until it asks again.
std::string gRendered;
std::string gInternalImagePath;
std::string gExternalImagePath;

wb::TWbVisibleComponent& ChooseComponent(const wb::TFormFile& File, const char* Name) {
    if (Name != nullptr && *Name != '\0') return File.Find<wb::TWbVisibleComponent>(Name);
    wb::TWbPage* page = File.FindFirst<wb::TWbPage>();
    if (page == nullptr) throw wb::Exception(File.FileName() + ": the form has no TWbPage");
    return *page;
}

std::string Render(const char* FormFile, const char* Component) {
    const wb::TFormFile file = wb::TFormFile::Load(FormFile, {.IgnoreEvents = true});
    wb::TWbVisibleComponent& component = ChooseComponent(file, Component);
    try {
        return component.put();
    } catch (const wb::Exception& e) {
        throw wb::Exception(file.FileName() + ": " + component.Name() + ": " + e.Message());
    }
}

}  // namespace

extern "C" {

uint32_t WbPackagePaletteCount(void) { return static_cast<uint32_t>(wb::Palette().size()); }

int WbPackagePaletteItem(uint32_t Index, TWbPaletteItem* Item) {
    const auto& palette = wb::Palette();
    if (Index >= palette.size() || Item == nullptr) return 0;
    const wb::TPaletteEntry& entry = palette[Index];
    *Item = {entry.Page.c_str(), entry.ComponentClass->Name().c_str(), entry.BitmapName.c_str()};
    return 1;
}

const uint8_t* WbPackageFindBitmap(const char* Name, size_t* Size) {
    const std::span<const uint8_t> bitmap =
        Name != nullptr ? wb::WbFindPaletteBitmap(Name) : std::span<const uint8_t>();
    if (Size != nullptr) *Size = bitmap.size();
    return bitmap.empty() ? nullptr : bitmap.data();
}

int WbPackageRenderForm(const char* FormFile, const char* Component, const char** Text,
                        size_t* Length) {
    int status = 0;
    try {
        if (FormFile == nullptr) throw wb::Exception("no form file given");
        gRendered = Render(FormFile, Component);
    } catch (const std::exception& e) {  // wb::Exception included: its message names the place
        status = 1;
        gRendered = e.what();
    }
    if (Text != nullptr) *Text = gRendered.c_str();
    if (Length != nullptr) *Length = gRendered.size();
    return status;
}

const char* WbPackageInternalImagePath(void) {
    gInternalImagePath = wb::WbGetInternalImagePath();
    return gInternalImagePath.c_str();
}

const char* WbPackageExternalImagePath(void) {
    gExternalImagePath = wb::WbGetExternalImagePath();
    return gExternalImagePath.c_str();
}

}  // extern "C"
