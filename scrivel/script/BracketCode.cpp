#include "BracketCode.h"

#include <algorithm>
#include <cctype>

#include "CodeNameTable.h"
#include "ScriptEncoding.h"

namespace scrivel::script {

namespace {

bool matchesNoCase(std::string_view text, size_t at, std::string_view name)
{
    if (at > text.size() || text.size() - at < name.size()) return false;
    for (size_t i = 0; i < name.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(text[at + i])) != std::toupper(static_cast<unsigned char>(name[i])))
            return false;
    return true;
}

// A hex run whose "$" is at dollar: pairs of characters up to a "]".
size_t hexRunEnd(std::string_view line, size_t dollar)
{
    size_t i = dollar + 1;
    while (i < line.size() && line[i] != ']') i += 2;
    return i < line.size() ? i + 1 : line.size();
}

}  // namespace

size_t bracketCodeEnd(std::string_view line, size_t at)
{
    if (at >= line.size() || line[at] != '[') return 0;
    for (const CodeName& row : CodeNameTable) {
        const std::string_view name(row.name);
        if (!matchesNoCase(line, at + 1, name)) continue;
        const size_t after = at + 1 + name.size();
        if (after < line.size() && line[after] == '$') return hexRunEnd(line, after);
        if (after >= line.size()) return line.size();
        char32_t closing = 0;
        return after + readCodePoint(line, after, closing);
    }
    if (at + 1 < line.size() && line[at + 1] == '$') return hexRunEnd(line, at + 1);
    return 0;
}

size_t bracketSpanEnd(std::string_view line, size_t at)
{
    if (at >= line.size() || line[at] != '[') return 0;
    const size_t close = line.find(']', at + 1);
    const size_t toClose = close == std::string_view::npos ? line.size() : close + 1;
    return std::max(toClose, bracketCodeEnd(line, at));
}

}  // namespace scrivel::script
