// wbforms preview FORM -o OUT.png [--component NAME]: the design-time preview of a form file.
#include <unistd.h>

#include <exception>
#include <string>
#include <vector>

#include "Command.h"
#include "host/DesignSurface.h"
#include "host/Exception.h"
#include "host/FormFile.h"
#include "host/PngFile.h"
#include "util/WbMiscTools.h"

namespace wbforms_cli {

namespace {

constexpr const char* kUsage =
    "usage: wbforms preview FORM -o OUT.png [--component NAME]\n"
    "\n"
    "Loads the form file FORM and paints it as the form designer shows it: every component\n"
    "paints its own preview in its rectangle, children over their parents, on the form's\n"
    "colour. With --component, only the component NAME and what lies inside it are painted.\n"
    "The picture is written as the PNG file OUT.png, replacing a file of that name. A picture\n"
    "wider or taller than 8192 pixels is refused. Event handlers named in the form are ignored.\n";

// The largest picture a preview makes, across and down.
constexpr int32_t kLargestSide = 8192;

struct TArguments {
    std::string FormFile;
    std::string Output;
    std::string Component;  // empty: the whole form
};

TArguments ParseArguments(const std::vector<std::string>& args) {
    TArguments parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--component" || args[i] == "-o") {
            const bool output = args[i] == "-o";
            if (i + 1 == args.size())
                throw UsageError(args[i] + (output ? " needs a file name" : " needs a component name"));
            std::string& value = output ? parsed.Output : parsed.Component;
            if (!value.empty()) throw UsageError(args[i] + " given twice");
            value = args[++i];
        } else if (args[i].starts_with("-")) {
            throw UsageError("unknown option '" + args[i] + "'");
        } else if (parsed.FormFile.empty()) {
            parsed.FormFile = args[i];
        } else {
            throw UsageError("more than one form file");
        }
    }
    if (parsed.FormFile.empty()) throw UsageError("no form file given");
    if (parsed.Output.empty()) throw UsageError("no output file given (-o OUT.png)");
    return parsed;
}

wb::TControl& ChooseControl(const wb::TFormFile& file, const std::string& name) {
    if (name.empty()) return file.Form();
    return file.Find<wb::TControl>(name);
}

// The control's picture; a control without area, or too large a one, is bad input.
wb::TBitmap Paint(const wb::TFormFile& file, wb::TControl& control) {
    const std::string what = &control == &file.Form() ? std::string("the form") : control.Name();
    const std::string size = std::to_string(control.Width()) + " x " + std::to_string(control.Height());
    if (control.Width() <= 0 || control.Height() <= 0)
        throw wb::Exception(file.FileName() + ": " + what + " is " + size + " pixels: nothing to paint");
    if (control.Width() > kLargestSide || control.Height() > kLargestSide)
        throw wb::Exception(file.FileName() + ": " + what + " is " + size + " pixels: a preview is at most " +
                            std::to_string(kLargestSide) + " pixels across and down");
    try {
        return wb::PaintDesignSurface(control);
    } catch (const wb::Exception& e) {
        throw wb::Exception(file.FileName() + ": " + what + ": " + e.Message());
    }
}

int Run(const std::vector<std::string>& args) {
    const TArguments parsed = ParseArguments(args);
    // The package starts before its forms load, as in the host.
    wb::WbMiscToolsStart();
    wb::TMemoryStream png;
    try {
        const wb::TFormFile file = wb::TFormFile::Load(parsed.FormFile, {.IgnoreEvents = true});
        wb::SavePngToStream(Paint(file, ChooseControl(file, parsed.Component)), png);
    } catch (const wb::Exception& e) {
        ReportError(e.Message());
        return kBadInput;
    }
    try {
        png.SaveToFile(parsed.Output);
    } catch (const std::exception& e) {
        ::unlink(parsed.Output.c_str());
        ReportError(parsed.Output + ": " + FileErrorReason(e, parsed.Output));
        return kBadInput;
    }
    return kSuccess;
}

}  // namespace

extern const Command kPreviewCommand = {
    "preview",
    "paint the design-time preview of a form file as a PNG picture",
    kUsage,
    Run,
};

}  // namespace wbforms_cli
