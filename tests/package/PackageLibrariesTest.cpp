// Loads the two package libraries side by side, as a designer host on this system does, and runs
// each through the entry points it exports.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/WbPage.h"
#include "host/FormFile.h"
#include "package/WbPackage.h"
#include "package/WbPackageExports.h"
#include "package/WbPaletteBitmaps.h"
#include "support/PackageTables.h"

namespace wb {
namespace {

const std::string kExample = WBFORMS_EXAMPLES "/order.dfm";

// One package library, loaded with its symbols kept to itself.
class TPackageLibrary {
public:
    TPackageLibrary(std::string Path, std::string Name, std::vector<std::string> Requires)
        : FName(std::move(Name)), FRequires(std::move(Requires)) {
        FHandle = dlopen(Path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (FHandle == nullptr) throw std::runtime_error(dlerror());
    }
    ~TPackageLibrary() { dlclose(FHandle); }
    TPackageLibrary(const TPackageLibrary&) = delete;
    TPackageLibrary& operator=(const TPackageLibrary&) = delete;

    const std::string& Name() const { return FName; }
    const std::vector<std::string>& Requires() const { return FRequires; }

    // The exported symbol, or nullptr.
    void* Symbol(const std::string& SymbolName) const { return dlsym(FHandle, SymbolName.c_str()); }

    template <class F>
    F* Entry(const std::string& SymbolName) const {
        void* symbol = Symbol(SymbolName);
        if (symbol == nullptr) throw std::runtime_error(FName + " does not export " + SymbolName);
        return reinterpret_cast<F*>(symbol);
    }

    void Initialize() const { Entry<void()>("Initialize")(); }
    void Finalize() const { Entry<void()>("Finalize")(); }
    const TWbPackageInfoTable& Info() const {
        return *Entry<const TWbPackageInfoTable*()>("GetPackageInfoTable")();
    }
    std::string InternalImagePath() const {
        return Entry<const char*()>("WbPackageInternalImagePath")();
    }
    std::string ExternalImagePath() const {
        return Entry<const char*()>("WbPackageExternalImagePath")();
    }
    // The HTML of the component (by default the form's first page), or the error message
    // after "error: ".
    std::string Render(const std::string& FormFile, const char* Component = nullptr) const {
        const char* text = nullptr;
        size_t length = 0;
        const int status = Entry<decltype(WbPackageRenderForm)>("WbPackageRenderForm")(
            FormFile.c_str(), Component, &text, &length);
        return (status == 0 ? "" : "error: ") + std::string(text, length);
    }
    std::vector<test::TPaletteRow> Palette() const {
        std::vector<test::TPaletteRow> rows;
        const uint32_t count = Entry<decltype(WbPackagePaletteCount)>("WbPackagePaletteCount")();
        auto item = Entry<decltype(WbPackagePaletteItem)>("WbPackagePaletteItem");
        for (uint32_t i = 0; i < count; ++i) {
            TWbPaletteItem entry{};
            if (item(i, &entry) != 1)
                throw std::runtime_error("no palette item " + std::to_string(i));
            rows.push_back({entry.Page, entry.ClassName, entry.BitmapName});
        }
        TWbPaletteItem past{};
        EXPECT_EQ(item(count, &past), 0);
        return rows;
    }

private:
    void* FHandle = nullptr;
    std::string FName;
    std::vector<std::string> FRequires;
};

// Both packages, loaded side by side for the whole test.
class PackageLibraries : public ::testing::Test {
protected:
    std::unique_ptr<TPackageLibrary> FLibraries[2] = {
        std::make_unique<TPackageLibrary>(WBFORMS40_LIBRARY, "wbforms40",
                                          std::vector<std::string>{"Vclx40", "Vcl40"}),
        std::make_unique<TPackageLibrary>(WBFORMS30_LIBRARY, "wbforms30",
                                          std::vector<std::string>{"Vclx30", "Vcl30"}),
    };
};

std::string ExecutableImagePath() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/images/";
}

TEST_F(PackageLibraries, DescribeTheirUnitsAndRequiredPackages) {
    for (const auto& library : FLibraries) {
        SCOPED_TRACE(library->Name());
        const TWbPackageInfoTable& info = library->Info();
        EXPECT_EQ(info.Size, sizeof(TWbPackageInfoTable));
        EXPECT_EQ(info.Flags, WB_PACKAGE_MODULE | WB_PACKAGE_NEVER_BUILD);
        EXPECT_EQ(info.Name, library->Name());
        EXPECT_EQ(std::vector<std::string>(info.Requires, info.Requires + info.RequiresCount),
                  library->Requires());

        // The main unit, then the others; each Register procedure is the one exported as
        // UNIT_Register, and a unit without one exports none.
        std::vector<std::string> contained;
        std::vector<std::string> registering;
        for (uint32_t i = 0; i < info.ContainsCount; ++i) {
            const TWbContainedUnit& unit = info.Contains[i];
            contained.push_back(unit.Name);
            void* exported = library->Symbol(std::string(unit.Name) + "_Register");
            EXPECT_EQ(reinterpret_cast<void*>(unit.Register), exported) << unit.Name;
            if (unit.Register != nullptr) registering.push_back(unit.Name);
        }
        std::vector<std::string> expected = {library->Name()};
        expected.insert(expected.end(), test::kExpectedUnits.begin(), test::kExpectedUnits.end());
        EXPECT_EQ(contained, expected);
        EXPECT_EQ(registering, test::kExpectedRegisteringUnits);

        std::vector<std::string> startOrder;
        for (uint32_t i = 0; i < info.UnitCount; ++i) startOrder.push_back(info.Units[i].Name);
        EXPECT_EQ(startOrder, test::kExpectedStartOrder);

        // Only the C interface is exported: the units' own routines, such as
        // wb::WbGetUniqueID(const std::string&), stay inside the library.
        EXPECT_EQ(library->Symbol("_ZN2wb13WbGetUniqueIDERKNSt7__cxx1112basic_stringIcSt11char_"
                                  "traitsIcESaIcEEE"),
                  nullptr);
    }
}

// Initialize and Finalize start and stop the library's own units: the other library, and the
// units this program links itself, keep their state.
TEST_F(PackageLibraries, StartAndStopTheirOwnState) {
    const auto& lib40 = *FLibraries[0];
    const auto& lib30 = *FLibraries[1];
    WbSetInternalImagePath("this program's");
    lib40.Initialize();
    EXPECT_EQ(lib40.InternalImagePath(), ExecutableImagePath());
    EXPECT_EQ(lib40.ExternalImagePath(), "\\images\\");
    EXPECT_EQ(lib30.InternalImagePath(), "");
    EXPECT_EQ(WbGetInternalImagePath(), "this program's");
    WbSetInternalImagePath("");
    lib30.Initialize();
    EXPECT_EQ(lib30.InternalImagePath(), ExecutableImagePath());
    lib40.Finalize();
    EXPECT_EQ(lib40.InternalImagePath(), "");
    EXPECT_EQ(lib40.ExternalImagePath(), "");
    EXPECT_EQ(lib30.ExternalImagePath(), "\\images\\");
    lib30.Finalize();
    EXPECT_EQ(lib30.InternalImagePath(), "");
}

// Both builds render a form exactly as the units linked into this program do; each counts its
// own unique identifiers from 0 after its start, and a second Initialize does not reset them.
TEST_F(PackageLibraries, RenderTheSameFormAlike) {
    std::string expected, expectedSummary;
    {
        const TWbPackageRun package;
        const TFormFile file = TFormFile::Load(kExample, {.IgnoreEvents = true});
        expected = file.FindFirst<TWbPage>()->put();
        expectedSummary = file.Find<TWbVisibleComponent>("Summary").put();
    }
    ASSERT_NE(expected.find("<MAP NAME=\"MAP0\">"), std::string::npos);
    for (const auto& library : FLibraries) library->Initialize();
    for (const auto& library : FLibraries) {
        SCOPED_TRACE(library->Name());
        EXPECT_EQ(library->Render(kExample), expected);
        library->Initialize();
        const std::string second = library->Render(kExample);
        EXPECT_NE(second.find("<MAP NAME=\"MAP1\">"), std::string::npos);  // not reset to 0
        library->Finalize();
        EXPECT_EQ(library->ExternalImagePath(), "\\images\\");
        EXPECT_EQ(library->Render(kExample, "summary"), expectedSummary);
        EXPECT_EQ(library->Render("/nonexistent/form.dfm"),
                  "error: /nonexistent/form.dfm: cannot open: No such file or directory");
        EXPECT_EQ(library->Render(kExample, "Nobody").rfind("error: " + kExample + ": ", 0), 0u);
    }
    for (const auto& library : FLibraries) library->Finalize();
    for (const auto& library : FLibraries) EXPECT_EQ(library->ExternalImagePath(), "");
}

// A designer calls the Register procedures it finds in the table and reads the palette and the
// bitmaps from the library; both builds give the same.
TEST_F(PackageLibraries, FillThePaletteThroughTheirRegisterProcedures) {
    for (const auto& library : FLibraries) {
        SCOPED_TRACE(library->Name());
        library->Initialize();
        EXPECT_TRUE(library->Palette().empty());
        const TWbPackageInfoTable& info = library->Info();
        for (uint32_t i = 0; i < info.ContainsCount; ++i)
            if (info.Contains[i].Register != nullptr) info.Contains[i].Register();
        const auto rows = library->Palette();
        ASSERT_EQ(rows.size(), test::kExpectedPalette.size());
        auto findBitmap = library->Entry<decltype(WbPackageFindBitmap)>("WbPackageFindBitmap");
        for (size_t i = 0; i < rows.size(); ++i) {
            const test::TPaletteRow& expected = test::kExpectedPalette[i];
            SCOPED_TRACE(expected.ClassName);
            EXPECT_EQ(rows[i].Page, expected.Page);
            EXPECT_EQ(rows[i].ClassName, expected.ClassName);
            EXPECT_EQ(rows[i].BitmapName, expected.BitmapName);
            size_t size = 0;
            const uint8_t* bitmap = findBitmap(rows[i].BitmapName.c_str(), &size);
            const auto own = WbFindPaletteBitmap(expected.BitmapName);
            ASSERT_EQ(size, kPaletteBitmapSize);
            EXPECT_TRUE(std::equal(bitmap, bitmap + size, own.begin()));
        }
        size_t size = 1;
        EXPECT_EQ(findBitmap("TWBFOO", &size), nullptr);
        EXPECT_EQ(size, 0u);
        library->Finalize();
    }
}

}  // namespace
}  // namespace wb
