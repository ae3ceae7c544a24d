#pragma once

#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

namespace wbforms_cli {

// Exit status of the command: success, bad input (a message names the place), bad command line.
inline constexpr int kSuccess = 0;
inline constexpr int kBadInput = 1;
inline constexpr int kUsageError = 2;

// A wrong command line; the dispatcher prints the message and the command's usage.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One subcommand of wbforms. Run gets the arguments after the command's name (never "--help",
// which the dispatcher answers with Usage) and returns the exit status. It reports bad input
// with ReportError and returns kBadInput; it throws UsageError for a wrong command line.
struct Command {
    const char* Name;
    const char* Summary;
    const char* Usage;
    int (*Run)(const std::vector<std::string>& Args);
};

// Writes "wbforms: " and the message to standard error.
void ReportError(const std::string& Message);

// The reason of a failure to open or create a file: the stream's message without its
// "Cannot open file "NAME": " (the caller names the file itself).
inline std::string FileErrorReason(const std::exception& Error, const std::string& FileName) {
    const std::string message = Error.what();
    const std::string prefix = "\"" + FileName + "\": ";
    const auto at = message.find(prefix);
    return at == std::string::npos ? message : message.substr(at + prefix.size());
}

}  // namespace wbforms_cli
