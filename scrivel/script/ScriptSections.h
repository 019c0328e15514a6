#pragma once
// The section of one string in a script file, found exactly: a line equal
// to ".STRING n" (letter case and trailing blanks ignored) up to the first
// later line that starts with ".ENDS". Insertion and the fit check use this
// exact match; the editor's marker search, which finds ".STRING 1" inside
// ".STRING 12", is fine for scrolling but would pick the wrong section here.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace scrivel::script {

struct SectionSpan {
    size_t marker = 0;     // the ".STRING n" line
    size_t firstLine = 0;  // the first line of the text (marker + 1)
    size_t endLine = 0;    // the ".ENDS" line, or the line count when closed is false
    bool closed = false;   // an ".ENDS" line was found
};

bool isStringMarker(const std::string& line, int stringNumber);

// The first section of stringNumber, or nothing when the file has no marker
// line for it.
std::optional<SectionSpan> findStringSection(const std::vector<std::string>& lines, int stringNumber);

// The sections of strings 0 to stringCount - 1 in one pass over the file:
// entry n is what findStringSection(lines, n) gives. Whole-script commands
// use this so that a file of many strings costs one reading, not one per
// string.
std::vector<std::optional<SectionSpan>> findStringSections(const std::vector<std::string>& lines, int stringCount);

// A section is translated when one of its lines holds a character other
// than a blank (space or tab).
bool isTranslated(const std::vector<std::string>& lines, const SectionSpan& section);

}  // namespace scrivel::script
