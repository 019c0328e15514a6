#pragma once
// The report area as a text file: every line, the last one included, ends
// with CR LF when saved; a loaded file's lines may end with CR LF, CR or LF.

#include <string>
#include <vector>

namespace pack {

std::string joinLinesCrLf(const std::vector<std::string>& lines);
std::vector<std::string> splitLines(const std::string& text);

}  // namespace pack
