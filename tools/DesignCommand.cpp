// wbforms design FORM [--port N]: a form designer in the browser, served on 127.0.0.1.
#include <pthread.h>
#include <signal.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "Command.h"
#include "designer/DesignApi.h"
#include "designer/DesignServer.h"
#include "designer/Designer.h"
#include "designer/Palette.h"
#include "host/Exception.h"
#include "host/SysUtils.h"
#include "package/WbPackage.h"

namespace wbforms_cli {

namespace {

constexpr int kDefaultPort = 8400;

constexpr const char* kUsage =
    "usage: wbforms design FORM [--port N]\n"
    "\n"
    "Opens the form file FORM in a designer in the browser (a new form when the file does not\n"
    "exist yet) and serves it on http://127.0.0.1:N/ (N is 8400 unless given; 0 picks a free\n"
    "port). Components come from the palette, are dropped on a page, moved and sized with the\n"
    "mouse, and their properties set in the object inspector; Save writes FORM in canonical\n"
    "form. The command runs until it is interrupted (Ctrl+C); changes that were not saved are\n"
    "then written to FORM.unsaved.\n";

struct TArguments {
    std::string FormFile;
    int Port = kDefaultPort;
};

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

TArguments ParseArguments(const std::vector<std::string>& args) {
    TArguments parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--port") {
            if (i + 1 == args.size()) throw UsageError("--port needs a port number");
            parsed.Port = ParsePort(args[++i]);
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

// Interrupts and hang-ups stop the server, so the command ends cleanly and says what it did
// not save. Every thread blocks the signals; one thread waits for them.
class TStopOnSignal {
public:
    explicit TStopOnSignal(wbforms_designer::TDesignServer& server) {
        sigemptyset(&FSignals);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&FSignals, signal);
        pthread_sigmask(SIG_BLOCK, &FSignals, nullptr);
        FWatcher = std::thread([this, &server] {
            int signal = 0;
            sigwait(&FSignals, &signal);
            server.Stop();
        });
    }
    ~TStopOnSignal() {
        // Wakes the watcher when the server stopped for another reason.
        pthread_kill(FWatcher.native_handle(), SIGTERM);
        FWatcher.join();
    }
    TStopOnSignal(const TStopOnSignal&) = delete;
    TStopOnSignal& operator=(const TStopOnSignal&) = delete;

private:
    sigset_t FSignals{};
    std::thread FWatcher;
};

// Ending the designer does not cost the changes that were not saved: they go into a form file
// beside the form file, which the designer opens like any other.
int KeepUnsavedWork(const wbforms_designer::TDesigner& designer) {
    if (!designer.Modified()) return kSuccess;
    const std::string rescue = designer.FileName() + ".unsaved";
    try {
        wb::ReplaceFile(rescue, designer.Text());
    } catch (const wb::Exception& e) {
        ReportError(designer.FileName() + ": the changes that were not saved are lost: " +
                    e.Message());
        return kBadInput;
    }
    ReportError(designer.FileName() + ": the changes that were not saved are in " + rescue);
    return kSuccess;
}

int Run(const std::vector<std::string>& args) {
    const TArguments parsed = ParseArguments(args);
    // The designer loads the package as a host does: its units start, and every unit's
    // Register fills the palette.
    const wb::TWbPackageRun package;
    wbforms_designer::RegisterPackage();
    try {
        wbforms_designer::TDesigner designer(parsed.FormFile);
        wbforms_designer::TDesignApi api(designer, wbforms_designer::PaintPreviewPng);
        wbforms_designer::TDesignServer server(api);
        const int port = server.Bind(parsed.Port);
        std::cout << "wbforms: designing " << parsed.FormFile << " at http://127.0.0.1:" << port
                  << "/ (Ctrl+C ends)" << std::endl;
        {
            TStopOnSignal stop(server);
            server.Run();
        }
        return KeepUnsavedWork(designer);
    } catch (const wb::Exception& e) {
        ReportError(e.Message());
        return kBadInput;
    }
}

}  // namespace

extern const Command kDesignCommand = {
    "design",
    "lay out a form in the browser",
    kUsage,
    Run,
};

}  // namespace wbforms_cli
