#include "package/WbPackage.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "host/Palette.h"
#include "package/WbPaletteBitmaps.h"
#include "support/PackageTables.h"
#include "util/WbMiscTools.h"

namespace wb {
namespace {

std::string ExecutableImagePath() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/images/";
}

TEST(WbPackage, StartSetsTheImagePathsAndTheCounterAndStopEmptiesThePaths) {
    WbGetUniqueID("X");  // the counter is somewhere above 0
    WbPackageStart();
    EXPECT_EQ(WbGetInternalImagePath(), ExecutableImagePath());
    EXPECT_EQ(WbGetExternalImagePath(), "\\images\\");
    EXPECT_EQ(WbGetUniqueID("MAP"), "MAP0");
    WbPackageStop();
    EXPECT_EQ(WbGetInternalImagePath(), "");
    EXPECT_EQ(WbGetExternalImagePath(), "");
}

// A second start without a stop does no start work: what the application set in between stays
// and the counter goes on. Only the second of the two stops empties the paths.
TEST(WbPackage, ASecondStartDoesNoWorkAndOnlyTheLastStopEmptiesThePaths) {
    WbPackageStart();
    WbSetInternalImagePath("/srv/www/images/");
    WbSetExternalImagePath("/images/");
    EXPECT_EQ(WbGetUniqueID("ID"), "ID0");
    WbPackageStart();
    EXPECT_EQ(WbGetInternalImagePath(), "/srv/www/images/");
    EXPECT_EQ(WbGetExternalImagePath(), "/images/");
    EXPECT_EQ(WbGetUniqueID("ID"), "ID1");
    WbPackageStop();
    EXPECT_EQ(WbGetInternalImagePath(), "/srv/www/images/");
    EXPECT_EQ(WbGetExternalImagePath(), "/images/");
    WbPackageStop();
    EXPECT_EQ(WbGetInternalImagePath(), "");
    EXPECT_EQ(WbGetExternalImagePath(), "");
}

// A unit that another module started already does no work when the package starts it, and
// keeps running until that module stops it as well.
TEST(WbPackage, AUnitStartedByAnotherUserStopsWithItsLastUser) {
    const auto units = WbPackageStartOrder();
    ASSERT_EQ(units[2].Name, std::string("WbMiscTools"));
    units[2].Start();
    WbSetExternalImagePath("kept");
    WbPackageStart();  // WbMiscTools is started already; the others start now
    EXPECT_EQ(WbGetExternalImagePath(), "kept");
    WbPackageStop();   // WbMiscTools keeps running for its first user
    EXPECT_EQ(WbGetExternalImagePath(), "kept");
    units[2].Stop();
    EXPECT_EQ(WbGetExternalImagePath(), "");
}

TEST(WbPackage, ListsItsUnitsAndTheirRegisterProcedures) {
    std::vector<std::string> names, registering, startOrder;
    for (const TWbContainedUnit& unit : WbPackageUnits()) {
        names.push_back(unit.Name);
        if (unit.Register != nullptr) registering.push_back(unit.Name);
    }
    for (const TWbUnitEntry& unit : WbPackageStartOrder()) {
        startOrder.push_back(unit.Name);
        EXPECT_NE(unit.Start, nullptr);
        EXPECT_NE(unit.Stop, nullptr);
    }
    EXPECT_EQ(names, test::kExpectedUnits);
    EXPECT_EQ(registering, test::kExpectedRegisteringUnits);
    EXPECT_EQ(startOrder, test::kExpectedStartOrder);
}

// The main unit comes first, named like the package; the table describes a package module
// that serves design time and run time alike.
TEST(WbPackage, DescriptionOfAMainUnit) {
    const char* const required[] = {"VclxN", "VclN"};
    const TWbPackageDescription description("wbformsN", required);
    const TWbPackageInfoTable& table = *description.Table();
    EXPECT_EQ(table.Size, sizeof(TWbPackageInfoTable));
    EXPECT_EQ(table.Flags, WB_PACKAGE_MODULE | WB_PACKAGE_NEVER_BUILD);
    EXPECT_STREQ(table.Name, "wbformsN");
    ASSERT_EQ(table.RequiresCount, 2u);
    EXPECT_STREQ(table.Requires[0], "VclxN");
    EXPECT_STREQ(table.Requires[1], "VclN");
    ASSERT_EQ(table.ContainsCount, 29u);
    EXPECT_STREQ(table.Contains[0].Name, "wbformsN");
    EXPECT_EQ(table.Contains[0].Register, nullptr);
    EXPECT_STREQ(table.Contains[28].Name, "WbCGI");
    EXPECT_EQ(table.UnitCount, 27u);
    EXPECT_EQ(table.Units, WbPackageStartOrder().data());
}

// The palette a designer sees once it has called every Register procedure: each registered
// class on its page with a bitmap of its name. Calling them all again changes nothing.
TEST(WbPackage, RegisterProceduresFillThePalette) {
    ClearPalette();
    for (int round = 0; round < 2; ++round) {
        for (const TWbContainedUnit& unit : WbPackageUnits())
            if (unit.Register != nullptr) unit.Register();
        std::vector<test::TPaletteRow> rows;
        for (const TPaletteEntry& entry : Palette()) {
            rows.push_back({entry.Page, entry.ComponentClass->Name(), entry.BitmapName});
            EXPECT_EQ(WbFindPaletteBitmap(entry.BitmapName).size(), kPaletteBitmapSize)
                << entry.BitmapName;
        }
        ASSERT_EQ(rows.size(), test::kExpectedPalette.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE(test::kExpectedPalette[i].ClassName);
            EXPECT_EQ(rows[i].Page, test::kExpectedPalette[i].Page);
            EXPECT_EQ(rows[i].ClassName, test::kExpectedPalette[i].ClassName);
            EXPECT_EQ(rows[i].BitmapName, test::kExpectedPalette[i].BitmapName);
        }
    }
    ClearPalette();
    WbMiscTools_Register();
    EXPECT_TRUE(Palette().empty());
}

}  // namespace
}  // namespace wb
