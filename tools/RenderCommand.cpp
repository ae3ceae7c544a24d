// wbforms render FORM [--component NAME]: the HTML of a page of a form file, byte for byte.
#include <cstdio>
#include <string>
#include <vector>

#include "Command.h"
#include "core/WbPage.h"
#include "host/Exception.h"
#include "host/FormFile.h"
#include "package/WbPackage.h"

namespace wbforms_cli {

namespace {

constexpr const char* kUsage =
    "usage: wbforms render FORM [--component NAME]\n"
    "\n"
    "Loads the form file FORM and writes the HTML of one of its components to standard output,\n"
    "exactly as the component's put returns it. The component is NAME, or by default the first\n"
    "TWbPage of the form in file order. Event handlers named in the form are ignored.\n";

struct TArguments {
    std::string FormFile;
    std::string Component;  // empty: the first page
};

TArguments ParseArguments(const std::vector<std::string>& args) {
    TArguments parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--component") {
            if (i + 1 == args.size()) throw UsageError("--component needs a component name");
            parsed.Component = args[++i];
        } else if (args[i].starts_with("-")) {
            throw UsageError("unknown option '" + args[i] + "'");
        } else if (parsed.FormFile.empty()) {
            parsed.FormFile = args[i];
        } else {
            throw UsageError("more than one form file");
        }
    }
    if (parsed.FormFile.empty()) throw UsageError("no form file given");
    return parsed;
}

wb::TWbVisibleComponent& ChooseComponent(const wb::TFormFile& file, const std::string& name) {
    if (!name.empty()) return file.Find<wb::TWbVisibleComponent>(name);
    wb::TWbPage* page = file.FindFirst<wb::TWbPage>();
    if (page == nullptr) throw wb::Exception(file.FileName() + ": the form has no TWbPage");
    return *page;
}

int Run(const std::vector<std::string>& args) {
    const TArguments parsed = ParseArguments(args);
    // The package starts before its forms load, as in the host.
    const wb::TWbPackageRun package;
    std::string html;
    try {
        const wb::TFormFile file = wb::TFormFile::Load(parsed.FormFile, {.IgnoreEvents = true});
        wb::TWbVisibleComponent& component = ChooseComponent(file, parsed.Component);
        try {
            html = component.put();
        } catch (const wb::Exception& e) {
            throw wb::Exception(file.FileName() + ": " + component.Name() + ": " + e.Message());
        }
    } catch (const wb::Exception& e) {
        ReportError(e.Message());
        return kBadInput;
    }
    if (std::fwrite(html.data(), 1, html.size(), stdout) != html.size() ||
        std::fflush(stdout) != 0) {
        ReportError("cannot write to standard output");
        return kBadInput;
    }
    return kSuccess;
}

}  // namespace

extern const Command kRenderCommand = {
    "render",
    "write the HTML of a page of a form file",
    kUsage,
    Run,
};

}  // namespace wbforms_cli
