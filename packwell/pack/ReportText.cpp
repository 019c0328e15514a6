#include "ReportText.h"

#include "MergerSession.h"

namespace pack {

std::vector<std::string> ReportArea::lines() const
{
    std::vector<std::string> all;
    size_t n = lineCount();
    all.reserve(n);
    for (size_t i = 0; i < n; ++i) all.push_back(line(i));
    return all;
}

std::string joinLinesCrLf(const std::vector<std::string>& lines)
{
    size_t total = 0;
    for (const std::string& l : lines) total += l.size() + 2;
    std::string text;
    text.reserve(total);
    for (const std::string& l : lines) {
        text += l;
        text += "\r\n";
    }
    return text;
}

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0, i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.push_back(text.substr(start, i - start));
        i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

}  // namespace pack
