#pragma once

#include <string>
#include <vector>

namespace wbforms_designer {

// The command line of `wbforms design`, which the statically linked wbforms command checks and
// the designer program (wbforms-design) carries out.

extern const char* const kDesignUsage;

inline constexpr int kDefaultDesignPort = 8400;

struct TDesignArguments {
    std::string FormFile;
    int Port = kDefaultDesignPort;  // 0: any free port
};

// FORM [--port N]. Raises wbforms_cli::UsageError for a wrong command line.
TDesignArguments ParseDesignArguments(const std::vector<std::string>& Args);

}  // namespace wbforms_designer
