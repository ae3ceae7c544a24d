#include "package/WbPackage.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

#include "host/UnitGuard.h"
#include "util/WbMiscTools.h"

namespace wb {

namespace {

// A unit name as a template argument, so that every unit gets a guard of its own.
template <size_t N>
struct TUnitName {
    constexpr TUnitName(const char (&Text)[N]) { std::copy_n(Text, N, Chars); }
    char Chars[N];
};

// A unit whose start and stop are its guard alone.
template <TUnitName Name>
struct TGuardOnly {
    static inline TUnitGuard Guard;
    static void Start() { Guard.Start(); }
    static void Stop() { Guard.Stop(); }
};

template <TUnitName Name>
constexpr TWbUnitEntry GuardOnly() {
    return {Name.Chars, TGuardOnly<Name>::Start, TGuardOnly<Name>::Stop};
}

// WbMiscTools is the one unit with work to do: the random seed, the unique-identifier counter
// and the image paths.
TUnitGuard gWbMiscToolsGuard;
void StartWbMiscTools() {
    if (gWbMiscToolsGuard.Start()) WbMiscToolsStart();
}
void StopWbMiscTools() {
    if (gWbMiscToolsGuard.Stop()) WbMiscToolsStop();
}

// Each unit starts after the units it uses.
constexpr TWbUnitEntry kStartOrder[] = {
    GuardOnly<"WbFont">(),
    GuardOnly<"WbGifMaker">(),
    {"WbMiscTools", StartWbMiscTools, StopWbMiscTools},
    GuardOnly<"WbDefines">(),
    GuardOnly<"WbLargeArray">(),
    GuardOnly<"WbScanList">(),
    GuardOnly<"WbCustomImage">(),
    GuardOnly<"WbImage">(),
    GuardOnly<"WbJavaApplet">(),
    GuardOnly<"WbCustomInputComponent">(),
    GuardOnly<"WbListBox">(),
    GuardOnly<"WbRadioButton">(),
    GuardOnly<"WbSubmitButton">(),
    GuardOnly<"WbTextArea">(),
    GuardOnly<"WbTextInputField">(),
    GuardOnly<"WbCheckBox">(),
    GuardOnly<"WbInputForm">(),
    GuardOnly<"WbCustomText">(),
    GuardOnly<"WbText">(),
    GuardOnly<"WbPanel">(),
    GuardOnly<"WbContainer">(),
    GuardOnly<"WbPage">(),
    GuardOnly<"WbVisibleComponent">(),
    GuardOnly<"WbImageMap">(),
    GuardOnly<"WbComponent">(),
    GuardOnly<"WbDropDownlist">(),
    GuardOnly<"WbCGI">(),
};

// The order in which the package lists its units; "ModuleInit" is the platform's module
// start-up unit, which the dynamic loader stands for.
constexpr TWbContainedUnit kContainedUnits[] = {
    {"WbFont", nullptr},
    {"WbMiscTools", WbMiscTools_Register},
    {"WbGifMaker", nullptr},
    {"ModuleInit", nullptr},
    {"WbDefines", nullptr},
    {"WbLargeArray", nullptr},
    {"WbScanList", nullptr},
    {"WbVisibleComponent", nullptr},
    {"WbPage", WbPage_Register},
    {"WbComponent", nullptr},
    {"WbImageMap", WbImageMap_Register},
    {"WbContainer", nullptr},
    {"WbPanel", WbPanel_Register},
    {"WbText", WbText_Register},
    {"WbCustomText", nullptr},
    {"WbInputForm", WbInputForm_Register},
    {"WbCheckBox", WbCheckBox_Register},
    {"WbCustomInputComponent", nullptr},
    {"WbTextInputField", WbTextInputField_Register},
    {"WbTextArea", WbTextArea_Register},
    {"WbSubmitButton", WbSubmitButton_Register},
    {"WbRadioButton", WbRadioButton_Register},
    {"WbListBox", WbListBox_Register},
    {"WbJavaApplet", WbJavaApplet_Register},
    {"WbImage", WbImage_Register},
    {"WbCustomImage", nullptr},
    {"WbDropDownlist", WbDropDownlist_Register},
    {"WbCGI", WbCGI_Register},
};

}  // namespace

std::span<const TWbContainedUnit> WbPackageUnits() { return kContainedUnits; }

std::span<const TWbUnitEntry> WbPackageStartOrder() { return kStartOrder; }

void WbPackageStart() {
    for (const TWbUnitEntry& unit : kStartOrder) unit.Start();
}

void WbPackageStop() {
    for (auto unit = std::rbegin(kStartOrder); unit != std::rend(kStartOrder); ++unit)
        unit->Stop();
}

TWbPackageDescription::TWbPackageDescription(const char* Name,
                                             std::span<const char* const> Requires) {
    FContains.push_back({Name, nullptr});
    FContains.insert(FContains.end(), std::begin(kContainedUnits), std::end(kContainedUnits));
    FTable = {
        .Size = sizeof(TWbPackageInfoTable),
        .Flags = WB_PACKAGE_MODULE | WB_PACKAGE_NEVER_BUILD,
        .Name = Name,
        .RequiresCount = static_cast<uint32_t>(Requires.size()),
        .Requires = Requires.data(),
        .ContainsCount = static_cast<uint32_t>(FContains.size()),
        .Contains = FContains.data(),
        .UnitCount = static_cast<uint32_t>(std::size(kStartOrder)),
        .Units = kStartOrder,
    };
}

}  // namespace wb
