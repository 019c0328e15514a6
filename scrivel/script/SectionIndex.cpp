#include "SectionIndex.h"

#include <limits>

#include "PreviewCompiler.h"

namespace scrivel::script {

namespace {

constexpr size_t NoMarker = std::numeric_limits<size_t>::max();
// String numbers of a block fit in 16 bits; larger markers name no string.
constexpr int MaxStringNumber = 0xFFFF;

}  // namespace

std::optional<int> stringMarkerNumber(const std::string& line)
{
    static constexpr std::string_view Keyword = ".STRING ";
    if (line.size() <= Keyword.size()) return std::nullopt;
    int number = 0;
    size_t digits = 0;
    for (size_t i = Keyword.size(); i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i, ++digits) {
        number = number * 10 + (line[i] - '0');
        if (number > MaxStringNumber) return std::nullopt;
    }
    if (digits == 0) return std::nullopt;
    // The exact rule decides: no leading zeros, only blanks after the number.
    if (!isStringMarker(line, number)) return std::nullopt;
    return number;
}

SectionIndex::SectionIndex(const std::vector<std::string>& lines) : lineCount_(lines.size())
{
    nextEnds_.assign(lines.size() + 1, lines.size());
    for (size_t i = lines.size(); i-- > 0;)
        nextEnds_[i] = i + 1 < lines.size() && isSectionEnd(lines[i + 1]) ? i + 1 : nextEnds_[i + 1];
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty() || line[0] != '.') continue;
        const std::optional<int> number = stringMarkerNumber(line);
        if (!number) continue;
        const auto n = static_cast<size_t>(*number);
        if (n >= markers_.size()) markers_.resize(n + 1, NoMarker);
        if (markers_[n] == NoMarker) markers_[n] = i;
    }
}

std::optional<SectionSpan> SectionIndex::find(int stringNumber) const
{
    if (stringNumber < 0 || static_cast<size_t>(stringNumber) >= markers_.size()) return std::nullopt;
    const size_t marker = markers_[static_cast<size_t>(stringNumber)];
    if (marker == NoMarker) return std::nullopt;
    const size_t end = nextEnds_[marker];
    return SectionSpan{marker, marker + 1, end, end < lineCount_};
}

}  // namespace scrivel::script
