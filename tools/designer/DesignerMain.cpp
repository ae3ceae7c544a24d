// wbforms-design FORM [--port N]: the designer, served on 127.0.0.1 until it is interrupted.
// `wbforms design` runs this program: the wbforms command is linked statically, and the HTTP
// server library is available as a shared library only.
#include <pthread.h>
#include <signal.h>

#include <algorithm>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "Command.h"
#include "designer/DesignApi.h"
#include "designer/DesignArguments.h"
#include "designer/DesignServer.h"
#include "designer/Designer.h"
#include "designer/Palette.h"
#include "host/Exception.h"
#include "host/SysUtils.h"
#include "package/WbPackage.h"

namespace wbforms_cli {

void ReportError(const std::string& Message) { std::cerr << "wbforms: " << Message << '\n'; }

namespace {

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

int Run(const wbforms_designer::TDesignArguments& parsed) {
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
}  // namespace wbforms_cli

int main(int argc, char** argv) {
    using namespace wbforms_cli;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (std::find(args.begin(), args.end(), "--help") != args.end()) {
        std::cout << wbforms_designer::kDesignUsage;
        return kSuccess;
    }
    try {
        return Run(wbforms_designer::ParseDesignArguments(args));
    } catch (const UsageError& e) {
        ReportError(e.what());
        std::cerr << wbforms_designer::kDesignUsage;
        return kUsageError;
    }
}
