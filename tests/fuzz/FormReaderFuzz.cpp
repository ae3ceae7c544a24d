// Fuzzes the form-file reader: any input either loads or raises a read error; one that loads is
// written, read back and written again to the same bytes, and its pages render or raise the
// host's exception.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/WbPage.h"
#include "host/Exception.h"
#include "host/FormReader.h"
#include "host/FormWriter.h"

namespace {

[[noreturn]] void Fail(const char* what, const std::string& first, const std::string& second) {
    std::fprintf(stderr, "%s\n--- first\n%s\n--- second\n%s\n", what, first.c_str(),
                 second.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    wb::TFormReadOptions options;
    options.IgnoreEvents = true;
    std::unique_ptr<wb::TForm> form;
    try {
        form = wb::ReadForm(text, "fuzz.dfm", options);
    } catch (const wb::EFormFileError&) {
        return 0;
    }
    const std::string first = wb::WriteForm(*form);
    std::unique_ptr<wb::TForm> again;
    try {
        again = wb::ReadForm(first, "written.dfm", options);
    } catch (const wb::EFormFileError& e) {
        Fail("the written form does not load", first, e.Message());
    }
    const std::string second = wb::WriteForm(*again);
    if (second != first) Fail("writing twice gave different bytes", first, second);
    // Rendering may refuse a layout with the host's exception (a child whose edge wraps past
    // the 32-bit range); it must not do anything worse.
    for (int32_t i = 0; i < again->ComponentCount(); ++i) {
        if (auto* page = dynamic_cast<wb::TWbPage*>(again->Components(i))) {
            try {
                page->put();
            } catch (const wb::Exception&) {
            }
        }
    }
    return 0;
}
