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

// Replaces the file FileName by one holding Bytes, so that the old contents are lost only once
// the new ones are safely stored: the bytes go into a new file in the same directory, which is
// flushed to the disk and then renamed over FileName. A crash at any moment leaves either the
// old file or the new one, never a part of either. The new file keeps the old one's permissions;
// a symbolic link is followed and its target replaced. Raises EInOutError naming the file; the
// old file is untouched then.
void ReplaceFile(const std::string& FileName, std::string_view Bytes);

}  // namespace wb
