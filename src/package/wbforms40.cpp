// The main unit of the package wbforms40, for version 4 of the host class library: the loader's
// entry points. Every other unit is the same in both packages.
#include "package/WbPackage.h"

namespace {

const char* const kRequires[] = {"Vclx40", "Vcl40"};
const wb::TWbPackageDescription kPackage("wbforms40", kRequires);

}  // namespace

extern "C" {

void Initialize(void) { wb::WbPackageStart(); }
void Finalize(void) { wb::WbPackageStop(); }
const TWbPackageInfoTable* GetPackageInfoTable(void) { return kPackage.Table(); }

}  // extern "C"
