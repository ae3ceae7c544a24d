#pragma once

#include <string>
#include <string_view>

namespace wb {

// The two texts are equal when ASCII letters are compared without regard to case (names of
// components, classes, properties and colours compare this way).
bool SameText(std::string_view A, std::string_view B);

// Text with the ASCII letters in lower case.
std::string LowerCase(std::string_view Text);

// Text with the ASCII letters in upper case.
std::string UpperCase(std::string_view Text);

}  // namespace wb
