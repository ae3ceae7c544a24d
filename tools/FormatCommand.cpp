// wbforms format FORM: the form file in canonical form.
#include <cstdio>
#include <string>
#include <vector>

#include "Command.h"
#include "host/Exception.h"
#include "host/FormFile.h"

namespace wbforms_cli {

namespace {

constexpr const char* kUsage =
    "usage: wbforms format FORM\n"
    "\n"
    "Loads the form file FORM and writes it back in canonical form to standard output: every\n"
    "published property in published order, two blanks of indentation a level. Event handler\n"
    "names are kept; the handlers themselves are not needed.\n";

int Run(const std::vector<std::string>& args) {
    std::string formFile;
    for (const auto& arg : args) {
        if (arg.starts_with("-")) throw UsageError("unknown option '" + arg + "'");
        if (!formFile.empty()) throw UsageError("more than one form file");
        formFile = arg;
    }
    if (formFile.empty()) throw UsageError("no form file given");
    std::string text;
    try {
        text = wb::TFormFile::Load(formFile, {.IgnoreEvents = true}).Write();
    } catch (const wb::Exception& e) {
        ReportError(e.Message());
        return kBadInput;
    }
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        ReportError("cannot write to standard output");
        return kBadInput;
    }
    return kSuccess;
}

}  // namespace

extern const Command kFormatCommand = {
    "format",
    "write a form file back in canonical form",
    kUsage,
    Run,
};

}  // namespace wbforms_cli
