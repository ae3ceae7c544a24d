// wbforms design FORM [--port N]: a form designer in the browser, served on 127.0.0.1.
//
// The designer is a program of its own, wbforms-design beside this command: this command is
// linked statically (a CGI server starts it for every request), and the designer's HTTP server
// library comes as a shared library only. The command checks the command line and becomes the
// designer, in the same process.
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "Command.h"
#include "designer/DesignArguments.h"

namespace wbforms_cli {

namespace {

// The designer program: wbforms-design in the directory of this program's file.
std::string DesignerProgram() {
    char self[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) return "wbforms-design";
    const std::string path(self, static_cast<size_t>(length));
    return path.substr(0, path.rfind('/') + 1) + "wbforms-design";
}

int Run(const std::vector<std::string>& args) {
    wbforms_designer::ParseDesignArguments(args);
    const std::string program = DesignerProgram();
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    ReportError("cannot start the designer " + program + ": " + std::strerror(errno));
    return kBadInput;
}

}  // namespace

extern const Command kDesignCommand = {
    "design",
    "lay out a form in the browser",
    wbforms_designer::kDesignUsage,
    Run,
};

}  // namespace wbforms_cli
