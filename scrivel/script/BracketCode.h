#pragma once
// Where a bracket code of a script line ends. The fit check asks so that it
// judges only the characters the translator wrote as text, and the rewrap so
// that it never breaks a line inside a code.

#include <cstddef>
#include <string_view>

namespace scrivel::script {

// The position just after the bracket code that starts at at, read as the
// preview compiler reads it: "[NAME]"-style names (the character after the
// name stands for the closing bracket, whatever it is) and "[$..]" hex runs
// (two characters at a time up to a "]" or the line's end). 0 when no code
// starts there: a "[" of any other kind is a plain character.
size_t bracketCodeEnd(std::string_view line, size_t at);

// The part of the line from the "[" at at that a line break must not split:
// the compiler's code, and in any case everything up to the next "]" (or the
// line's end when none follows). 0 when line[at] is not "[".
size_t bracketSpanEnd(std::string_view line, size_t at);

}  // namespace scrivel::script
