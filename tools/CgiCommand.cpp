// wbforms cgi [FORM] [--component NAME]: a page of a form file as the answer to a CGI or
// FastCGI request, its form controls refilled from the request.
#include <string>
#include <vector>

#include "Command.h"
#include "cgi/WbCGI.h"
#include "cgi/WbFormRefill.h"
#include "cgi/WbServe.h"
#include "core/WbPage.h"
#include "host/Exception.h"
#include "host/FormFile.h"
#include "util/WbMiscTools.h"

namespace wbforms_cli {

namespace {

constexpr const char* kUsage =
    "usage: wbforms cgi [FORM] [--component NAME]\n"
    "\n"
    "Answers a CGI request with the page of the form file FORM: the form controls show the\n"
    "values the request carries under their field names (escaped for HTML; password fields\n"
    "stay empty), and the page goes to standard output behind \"Content-Type: text/html\".\n"
    "The component is NAME, or by default the first TWbPage of the form in file order. Event\n"
    "handlers named in the form are ignored.\n"
    "\n"
    "Started by a FastCGI server (standard input a listening socket), it answers every request\n"
    "the server sends, loading the form anew for each. Without FORM, the form file is the one\n"
    "the server maps the request to (SCRIPT_FILENAME). Under the name wbforms-cgi the command\n"
    "is 'wbforms cgi', so that a server can run it as the handler of .dfm files.\n"
    "\n"
    "A form that cannot be loaded or rendered is answered with \"500 Internal Server Error\",\n"
    "the message goes to standard error (the server's error log) and the exit status is 1;\n"
    "a POST body that cannot be used is answered with \"400 Bad Request\".\n";

struct TArguments {
    std::string FormFile;   // empty: the request's SCRIPT_FILENAME
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
    return parsed;
}

std::string FormFileOf(const TArguments& Arguments, const wb::TWbCGIRequest& Request) {
    if (!Arguments.FormFile.empty()) return Arguments.FormFile;
    const std::string mapped = Request.Variable("SCRIPT_FILENAME").value_or("");
    if (mapped.empty())
        throw wb::Exception("no form file: give FORM, or let the server set SCRIPT_FILENAME");
    return mapped;
}

wb::TWbVisibleComponent& ChooseComponent(const wb::TFormFile& file, const std::string& name) {
    if (!name.empty()) return file.Find<wb::TWbVisibleComponent>(name);
    wb::TWbPage* page = file.FindFirst<wb::TWbPage>();
    if (page == nullptr) throw wb::Exception(file.FileName() + ": the form has no TWbPage");
    return *page;
}

void Answer(const TArguments& Arguments, wb::TWbCGI& CGI, const wb::TWbCGIRequest& Request) {
    if (!CGI.BodyError().empty()) throw wb::EWbBadRequest(CGI.BodyError());
    // Loaded for every request, so that nothing of one request shows in the next.
    const wb::TFormFile file =
        wb::TFormFile::Load(FormFileOf(Arguments, Request), {.IgnoreEvents = true});
    wb::WbRefillForm(file.Form(), CGI);
    wb::TWbVisibleComponent& component = ChooseComponent(file, Arguments.Component);
    std::string html;
    try {
        html = component.put();
    } catch (const wb::Exception& e) {
        throw wb::Exception(file.FileName() + ": " + component.Name() + ": " + e.Message());
    }
    CGI.Send(html);
}

int Run(const std::vector<std::string>& args) {
    const TArguments parsed = ParseArguments(args);
    wb::WbMiscToolsStart();
    return wb::WbServeRequests("wbforms",
                               [&parsed](wb::TWbCGI& CGI, const wb::TWbCGIRequest& Request) {
                                   Answer(parsed, CGI, Request);
                               });
}

}  // namespace

extern const Command kCgiCommand = {
    "cgi",
    "answer a CGI or FastCGI request with a page of a form file, refilled from the request",
    kUsage,
    Run,
};

}  // namespace wbforms_cli
