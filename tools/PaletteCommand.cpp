// wbforms palette [--export DIR]: the component palette of the package, as a designer fills it.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>
#include <string>
#include <system_error>
#include <vector>

#include "Command.h"
#include "host/Palette.h"
#include "host/Streams.h"
#include "package/WbPackage.h"
#include "package/WbPaletteBitmaps.h"

namespace wbforms_cli {

namespace {

constexpr const char* kUsage =
    "usage: wbforms palette [--export DIR]\n"
    "\n"
    "Starts the package and calls every Register procedure, as a designer does, and lists the\n"
    "component palette: one line per class with its palette page, the class and the name of its\n"
    "palette bitmap. With --export DIR, also writes each palette bitmap to DIR as NAME.bmp (a\n"
    "32 x 32 bitmap of 16 colours); DIR is made when it is missing.\n";

std::string ParseArguments(const std::vector<std::string>& args) {
    std::string exportDir;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--export") throw UsageError("unexpected argument '" + args[i] + "'");
        if (i + 1 == args.size()) throw UsageError("--export needs a directory");
        exportDir = args[++i];
        if (exportDir.empty()) throw UsageError("--export needs a directory");
    }
    return exportDir;
}

void RegisterEveryUnit() {
    for (const TWbContainedUnit& unit : wb::WbPackageUnits())
        if (unit.Register != nullptr) unit.Register();
}

std::string Listing(const std::vector<wb::TPaletteEntry>& palette) {
    size_t pageWidth = 0, classWidth = 0;
    for (const auto& entry : palette) {
        pageWidth = std::max(pageWidth, entry.Page.size());
        classWidth = std::max(classWidth, entry.ComponentClass->Name().size());
    }
    std::string text;
    for (const auto& entry : palette) {
        const std::string& className = entry.ComponentClass->Name();
        text += entry.Page + std::string(pageWidth + 2 - entry.Page.size(), ' ');
        text += className + std::string(classWidth + 2 - className.size(), ' ');
        text += entry.BitmapName + '\n';
    }
    return text;
}

// The bitmap resource as a .bmp file: the 14-byte file header in front of it.
void WriteBitmapFile(const std::string& FileName, std::span<const uint8_t> Bitmap) {
    constexpr uint32_t kFileHeaderSize = 14;
    constexpr uint32_t kPixelsOffset = kFileHeaderSize + 40 + 16 * 4;
    const uint32_t fileSize = kFileHeaderSize + static_cast<uint32_t>(Bitmap.size());
    std::vector<uint8_t> bytes = {'B', 'M'};
    for (uint32_t value : {fileSize, 0u, kPixelsOffset})
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
    bytes.insert(bytes.end(), Bitmap.begin(), Bitmap.end());
    wb::TMemoryStream file;
    file.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    file.SaveToFile(FileName);
}

int Run(const std::vector<std::string>& args) {
    const std::string exportDir = ParseArguments(args);
    const wb::TWbPackageRun package;
    RegisterEveryUnit();
    const std::vector<wb::TPaletteEntry>& palette = wb::Palette();
    if (!exportDir.empty()) {
        std::error_code error;
        std::filesystem::create_directories(exportDir, error);
        if (error) {
            ReportError(exportDir + ": cannot make the directory: " + error.message());
            return kBadInput;
        }
        try {
            for (const auto& entry : palette)
                WriteBitmapFile(exportDir + "/" + entry.BitmapName + ".bmp",
                                wb::WbFindPaletteBitmap(entry.BitmapName));
        } catch (const std::exception& e) {
            ReportError(e.what());
            return kBadInput;
        }
    }
    const std::string text = Listing(palette);
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        ReportError("cannot write to standard output");
        return kBadInput;
    }
    return kSuccess;
}

}  // namespace

extern const Command kPaletteCommand = {
    "palette",
    "list the component palette and export its bitmaps",
    kUsage,
    Run,
};

}  // namespace wbforms_cli
