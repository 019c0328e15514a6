#include "TextLines.h"

namespace common {

std::vector<std::string> splitLines(std::string_view text, FinalBreak finalBreak)
{
    std::vector<std::string> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.emplace_back(text.substr(start, i - start));
        i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < text.size()) {
        lines.emplace_back(text.substr(start));
    } else if (finalBreak == FinalBreak::StartsEmptyLine && !text.empty()) {
        lines.emplace_back();
    }
    return lines;
}

std::string joinLinesCrLf(const std::vector<std::string>& lines)
{
    size_t total = 0;
    for (const std::string& line : lines) total += line.size() + 2;
    std::string text;
    text.reserve(total);
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

}  // namespace common
