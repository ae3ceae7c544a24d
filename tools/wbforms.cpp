// The wbforms command: one subcommand per task on form files.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kSuccess = 0;
constexpr int kUsageError = 2;

const char* const kUsage =
    "usage: wbforms COMMAND [ARGS...]\n"
    "\n"
    "Pages laid out at pixel positions, rendered as HTML 3.2.\n"
    "\n"
    "Run 'wbforms COMMAND --help' for the usage of a command.\n";

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << kUsage;
        return kUsageError;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        std::cout << kUsage;
        return kSuccess;
    }
    std::cerr << "wbforms: unknown command '" << args[0] << "'\n" << kUsage;
    return kUsageError;
}
