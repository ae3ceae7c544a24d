#pragma once

#include <span>
#include <vector>

#include "package/WbPackageExports.h"

namespace wb {

// The units of the package and their start and stop. The shared libraries' Initialize and
// Finalize call WbPackageStart and WbPackageStop; a program that links the units statically
// (the wbforms command) calls them itself, so that it runs the package as a host would.

// The units the package contains after its main unit, in the package's order (28), each with
// its Register procedure or none.
std::span<const TWbContainedUnit> WbPackageUnits();

// The units that start and stop, in start order (27).
std::span<const TWbUnitEntry> WbPackageStartOrder();

// Starts every unit in start order; stops them in reverse order.
void WbPackageStart();
void WbPackageStop();

// The package started for the lifetime of the object, as a host's loader runs it between loading
// and unloading.
class TWbPackageRun {
public:
    TWbPackageRun() { WbPackageStart(); }
    ~TWbPackageRun() { WbPackageStop(); }
    TWbPackageRun(const TWbPackageRun&) = delete;
    TWbPackageRun& operator=(const TWbPackageRun&) = delete;
};

// The package information of a package main unit named Name that requires Requires: the main
// unit followed by WbPackageUnits(), and the start table. Requires must outlive the object.
class TWbPackageDescription {
public:
    TWbPackageDescription(const char* Name, std::span<const char* const> Requires);
    TWbPackageDescription(const TWbPackageDescription&) = delete;
    TWbPackageDescription& operator=(const TWbPackageDescription&) = delete;

    const TWbPackageInfoTable* Table() const { return &FTable; }

private:
    std::vector<TWbContainedUnit> FContains;
    TWbPackageInfoTable FTable;
};

}  // namespace wb
