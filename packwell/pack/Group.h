#pragma once
// A group is the set of plain files of one folder that share the extension
// of a file the user picks: "*" followed by the picked file's name from its
// first "." on. Only the file name counts, so a dot in a folder name does not
// change the group.

#include <optional>
#include <string>

namespace packwell::pack {

// "*.BIN" for ".../INTRO.BIN", "*.TAR.GZ" for ".../DATA.TAR.GZ"; nothing when
// the file name has no ".".
std::optional<std::string> groupPattern(const std::string& chosenPath);
// The text after the first "." of the file name ("TAR.GZ"); nothing when the
// file name has no ".".
std::optional<std::string> groupExtension(const std::string& chosenPath);
// The file-name part of a path cut at its first ".", upper case: the name
// under which a single file is published ("intro.old.bin" -> "INTRO").
std::string nameBeforeFirstDot(const std::string& path);

// Why a file without "." names no group.
inline constexpr char kNoExtensionMessage[] = "Error: Sorry but the files MUST have extensions!";

}  // namespace packwell::pack
