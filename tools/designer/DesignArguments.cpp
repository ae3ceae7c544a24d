#include "designer/DesignArguments.h"

#include "Command.h"

namespace wbforms_designer {

using wbforms_cli::UsageError;

const char* const kDesignUsage =
    "usage: wbforms design FORM [--port N]\n"
    "\n"
    "Opens the form file FORM in a designer in the browser (a new form when the file does not\n"
    "exist yet) and serves it on http://127.0.0.1:N/ (N is 8400 unless given; 0 picks a free\n"
    "port). Components come from the palette, are dropped on a page, moved and sized with the\n"
    "mouse, and their properties set in the object inspector; Save writes FORM in canonical\n"
    "form. The command runs until it is interrupted (Ctrl+C); changes that were not saved are\n"
    "then written to FORM.unsaved.\n";

namespace {

int ParsePort(const std::string& text) {
    size_t used = 0;
    int port = -1;
    try {
        port = std::stoi(text, &used);
    } catch (const std::exception&) {
    }
    if (used != text.size() || port < 0 || port > 65535)
        throw UsageError("--port needs a port number from 0 to 65535, not '" + text + "'");
    return port;
}

}  // namespace

TDesignArguments ParseDesignArguments(const std::vector<std::string>& Args) {
    TDesignArguments parsed;
    for (size_t i = 0; i < Args.size(); ++i) {
        if (Args[i] == "--port") {
            if (i + 1 == Args.size()) throw UsageError("--port needs a port number");
            parsed.Port = ParsePort(Args[++i]);
        } else if (Args[i].starts_with("-")) {
            throw UsageError("unknown option '" + Args[i] + "'");
        } else if (parsed.FormFile.empty()) {
            parsed.FormFile = Args[i];
        } else {
            throw UsageError("more than one form file");
        }
    }
    if (parsed.FormFile.empty()) throw UsageError("no form file given");
    return parsed;
}

}  // namespace wbforms_designer
