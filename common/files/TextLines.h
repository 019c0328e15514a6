#pragma once
// The lines of a text file. Reading accepts CR LF, LF and a lone CR as line
// breaks, so files from any system load; writing ends every line, the last
// one included, with CR LF, the break the programs' files have always had.

#include <string>
#include <string_view>
#include <vector>

namespace common {

// What a line break at the very end of the text stands for.
enum class FinalBreak {
    // It ends the last line, as in a file: "a\r\n" is the one line "a".
    EndsLastLine,
    // It starts a new, empty line, as in an editor's text, where the caret
    // can stand after it: "a\n" is "a" and then "".
    StartsEmptyLine,
};

// Splits text at every CR LF, LF or CR. Empty text has no lines. Bytes other
// than CR and LF (NUL included) stay in their line unchanged.
std::vector<std::string> splitLines(std::string_view text, FinalBreak finalBreak = FinalBreak::EndsLastLine);

// Every line followed by CR LF; no lines give empty text.
std::string joinLinesCrLf(const std::vector<std::string>& lines);

}  // namespace common
