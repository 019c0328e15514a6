#pragma once
// Rewrapping the lines that do not fit the window: a line is broken at
// blanks, greedily (each piece the longest that fits), never inside a
// bracket code, and the blank at a break is dropped, so the section's text
// with its new line breaks read as blanks is the text it was. A word too wide
// to fit alone stays whole. Rewrapping twice changes nothing the second time.

#include <string>
#include <string_view>
#include <vector>

#include "LineMeasure.h"

namespace scrivel::script {

// The pieces line breaks into: the line alone when it fits or cannot be
// broken. A break never leaves a piece that ends in a code taking the byte
// after it, since the line end would then become its operand, and never
// starts a piece with ".STRING" or ".ENDS", which would move a section's
// bounds; a line that starts so is left whole.
std::vector<std::string> rewrapLine(const std::string& line, LineMeasure& measure);

struct ScriptRewrap {
    std::string bytes;  // the whole file, rewrapped
    int linesRewrapped = 0;
};

// Rewraps the overflowing lines of the translated sections of strings 0 to
// stringCount - 1 in a script file's bytes, which are UTF-8 or Latin-1. Every
// byte outside the broken lines stays as it was, line ends included; the
// new breaks inside a line take that line's own line end (or, for a last
// line without one, the file's first line end, CR LF when it has none), and
// the pieces keep the file's encoding.
ScriptRewrap rewrapScriptBytes(std::string_view bytes, int stringCount, LineMeasure& measure);

}  // namespace scrivel::script
