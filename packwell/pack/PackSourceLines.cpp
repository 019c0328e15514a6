#include "PackSourceLines.h"

#include "TextFormat.h"

namespace packwell::pack {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

}  // namespace

SourceLineKind sourceLineKind(const std::string& line)
{
    std::string upper = upperAscii(line);
    if (upper.find(".GAMEPACK_FILE") != std::string::npos) return SourceLineKind::File;
    if (upper.find(".GAMEPACK_STRING") != std::string::npos) return SourceLineKind::String;
    return SourceLineKind::Other;
}

std::string secondOrOnlyToken(const std::string& line)
{
    std::string first, second;
    int count = 0;
    size_t i = 0;
    while (i < line.size() && count < 2) {
        while (i < line.size() && isBlank(line[i])) ++i;
        size_t start = i;
        while (i < line.size() && !isBlank(line[i])) ++i;
        if (i == start) break;
        (count == 0 ? first : second) = line.substr(start, i - start);
        ++count;
    }
    return count >= 2 ? second : first;
}

std::string filePathOf(const std::string& line)
{
    return replaceAll(secondOrOnlyToken(line), '_', ' ');
}

std::optional<StringEntry> parseStringLine(const std::string& line)
{
    std::string upper = upperAscii(line);
    size_t arrow = upper.find("->");
    if (arrow == std::string::npos) return std::nullopt;
    StringEntry entry;
    std::string opened = upper;
    opened.replace(arrow, 2, "  ");
    entry.text = secondOrOnlyToken(opened);
    if (upper.find(".OFFSET") != std::string::npos) entry.label = upper.substr(arrow + 2);
    return entry;
}

std::string groupHeadingLine(const std::string& extension)
{
    return "; Group Name: \"" + extension + "\"";
}

std::string fileLine(const std::string& extension, const std::string& folder, const std::string& fileName)
{
    return ".GAMEPACK_FILE->" + extension + " " + replaceAll(folder, ' ', '_') + "/" + replaceAll(fileName, ' ', '_');
}

}  // namespace packwell::pack
