#pragma once
// Every string's section in a script file's lines, found in one pass. The
// rules are findStringSection's (the first exact ".STRING n" line up to the
// first later ".ENDS" line), but a whole script is then read in time that
// grows with its length, where asking findStringSection for each string of
// a block would read the file once per string.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ScriptSections.h"

namespace scrivel::script {

class SectionIndex {
public:
    explicit SectionIndex(const std::vector<std::string>& lines);

    // What findStringSection(lines, stringNumber) gives, for the string
    // numbers a block has (0 to 65535); nothing for any other number.
    std::optional<SectionSpan> find(int stringNumber) const;

private:
    std::vector<size_t> markers_;  // by string number; NoMarker when there is none
    std::vector<size_t> nextEnds_;  // by line: the first ".ENDS" line after it, or the line count
    size_t lineCount_ = 0;
};

// The number n of a line that is exactly ".STRING n" (see isStringMarker),
// or nothing.
std::optional<int> stringMarkerNumber(const std::string& line);

}  // namespace scrivel::script
