// The wbforms command: one subcommand per task on form files and pictures.
#include <algorithm>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "Command.h"

namespace wbforms_cli {

void ReportError(const std::string& Message) { std::cerr << "wbforms: " << Message << '\n'; }

extern const Command kRenderCommand;
extern const Command kCgiCommand;
extern const Command kFormatCommand;
extern const Command kPreviewCommand;
extern const Command kGifCommand;
extern const Command kPaletteCommand;
extern const Command kDesignCommand;

namespace {

// Every subcommand, in the order the usage lists them.
const Command* const kCommands[] = {
    &kRenderCommand,
    &kPreviewCommand,
    &kCgiCommand,
    &kFormatCommand,
    &kGifCommand,
    &kPaletteCommand,
    &kDesignCommand,
};

void PrintUsage(std::ostream& out) {
    out << "usage: wbforms COMMAND [ARGS...]\n"
           "\n"
           "Pages laid out at pixel positions, rendered as HTML 3.2.\n"
           "\n"
           "Commands:\n";
    for (const Command* command : kCommands)
        if (command != nullptr) out << "  " << command->Name << "\t" << command->Summary << '\n';
    out << "\nRun 'wbforms COMMAND --help' for the usage of a command.\n";
}

const Command* FindCommand(const std::string& name) {
    for (const Command* command : kCommands)
        if (command != nullptr && name == command->Name) return command;
    return nullptr;
}

int Dispatch(const std::vector<std::string>& args) {
    if (args.empty()) {
        PrintUsage(std::cerr);
        return kUsageError;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        PrintUsage(std::cout);
        return kSuccess;
    }
    const Command* command = FindCommand(args[0]);
    if (command == nullptr) {
        ReportError("unknown command '" + args[0] + "'");
        PrintUsage(std::cerr);
        return kUsageError;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (std::find(rest.begin(), rest.end(), "--help") != rest.end()) {
        std::cout << command->Usage;
        return kSuccess;
    }
    try {
        return command->Run(rest);
    } catch (const UsageError& e) {
        ReportError(e.what());
        std::cerr << command->Usage;
        return kUsageError;
    }
}

}  // namespace
}  // namespace wbforms_cli

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    // A web server runs the handler of a file type with the file as its only argument: under
    // this name the command is "wbforms cgi".
    const std::string_view name = argc > 0 ? std::string_view(argv[0]) : std::string_view();
    if (name.substr(name.rfind('/') + 1) == "wbforms-cgi") args.insert(args.begin(), "cgi");
    return wbforms_cli::Dispatch(args);
}
