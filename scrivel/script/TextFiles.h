#pragma once
// Script text on disk: lines separated by CR LF (reading also accepts bare LF
// or CR), files read whole and replaced atomically, so a failed save never
// leaves a truncated file behind. The work is done by the common file and
// line helpers; this adds the editor's wording of a failed save.

#include <optional>
#include <string>
#include <vector>

#include "files/TextLines.h"
#include "files/WholeFile.h"

namespace scrivel::script {

using common::readWholeFile;

// Splits text into lines at CR LF, LF or CR. A break at the very end ends
// the last line and starts no new one; empty text has no lines.
inline std::vector<std::string> splitTextLines(const std::string& text) { return common::splitLines(text); }

// Every line followed by CR LF.
inline std::string joinTextLines(const std::vector<std::string>& lines) { return common::joinLinesCrLf(lines); }

// Replaces the file at path with bytes. Returns an empty string on success,
// else a text that says what failed.
std::string writeFileAtomically(const std::string& path, const std::string& bytes);

bool fileExists(const std::string& path);

}  // namespace scrivel::script
