#pragma once
// Script text on disk: 8-bit text (one character per byte), lines separated
// by CR LF. Reading also accepts bare LF or CR. Writing replaces a file
// atomically, so a failed save never leaves a truncated file behind.

#include <optional>
#include <string>
#include <vector>

namespace scrivel::script {

// The whole file, or nothing when it cannot be read.
std::optional<std::string> readWholeFile(const std::string& path);

// Splits text into lines at CR LF, LF or CR. A break at the very end ends
// the last line and starts no new one; empty text has no lines.
std::vector<std::string> splitTextLines(const std::string& text);

// Every line followed by CR LF.
std::string joinTextLines(const std::vector<std::string>& lines);

// Writes bytes to a temporary file beside path and renames it over path.
// Returns an empty string on success, else a text that says what failed.
std::string writeFileAtomically(const std::string& path, const std::string& bytes);

bool fileExists(const std::string& path);

}  // namespace scrivel::script
