#pragma once

#include <string_view>

namespace wbforms_designer {

// A file of the designer's user interface, built into the command (ui/ holds the sources).
struct TAsset {
    std::string_view Path;  // "/designer.js"
    const char* ContentType;
    std::string_view Bytes;
};

// The asset served at Path, or nullptr.
const TAsset* FindAsset(std::string_view Path);

}  // namespace wbforms_designer
