#include "ScriptSections.h"

#include <cctype>
#include <string_view>

namespace scrivel::script {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    return true;
}

}  // namespace

bool isStringMarker(const std::string& line, int stringNumber)
{
    std::string_view text(line);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    const std::string expected = ".STRING " + std::to_string(stringNumber);
    return text.size() == expected.size() && startsWithNoCase(text, expected);
}

std::optional<SectionSpan> findStringSection(const std::vector<std::string>& lines, int stringNumber)
{
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!isStringMarker(lines[i], stringNumber)) continue;
        SectionSpan span{i, i + 1, lines.size(), false};
        for (size_t j = i + 1; j < lines.size(); ++j)
            if (startsWithNoCase(lines[j], ".ENDS")) {
                span.endLine = j;
                span.closed = true;
                break;
            }
        return span;
    }
    return std::nullopt;
}

std::vector<std::optional<SectionSpan>> findStringSections(const std::vector<std::string>& lines, int stringCount)
{
    std::vector<std::optional<SectionSpan>> sections(stringCount > 0 ? static_cast<size_t>(stringCount) : 0);
    // The first ".ENDS" line at or after each line, found from the end.
    std::vector<size_t> nextEnd(lines.size() + 1, lines.size());
    for (size_t i = lines.size(); i-- > 0;)
        nextEnd[i] = startsWithNoCase(lines[i], ".ENDS") ? i : nextEnd[i + 1];
    constexpr std::string_view Keyword = ".STRING ";
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (!startsWithNoCase(line, Keyword)) continue;
        // The number as isStringMarker will want it; it has the last word.
        size_t digitsEnd = Keyword.size();
        while (digitsEnd < line.size() && digitsEnd < Keyword.size() + 10 &&
               std::isdigit(static_cast<unsigned char>(line[digitsEnd])))
            ++digitsEnd;
        if (digitsEnd == Keyword.size()) continue;
        const long long n = std::stoll(line.substr(Keyword.size(), digitsEnd - Keyword.size()));
        if (n >= stringCount) continue;
        auto& section = sections[static_cast<size_t>(n)];
        if (section || !isStringMarker(line, static_cast<int>(n))) continue;
        const size_t end = nextEnd[i + 1];
        section = SectionSpan{i, i + 1, end, end < lines.size()};
    }
    return sections;
}

bool isTranslated(const std::vector<std::string>& lines, const SectionSpan& section)
{
    for (size_t i = section.firstLine; i < section.endLine && i < lines.size(); ++i)
        for (char c : lines[i])
            if (!isBlank(c)) return true;
    return false;
}

}  // namespace scrivel::script
