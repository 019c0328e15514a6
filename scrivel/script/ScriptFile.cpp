#include "ScriptFile.h"

#include <cstdio>

#include "TextFiles.h"

namespace scrivel::script {

std::string scriptFileName(const std::string& dumpsFolder, uint32_t blockAddress)
{
    char name[16];
    std::snprintf(name, sizeof name, "/%08X.txt", static_cast<unsigned>(blockAddress));
    return dumpsFolder + name;
}

namespace {

const char* const TemplateHeader = "// Do not erase these: \r\n// .STRING #\r\n// .ENDS\r\n\r\n\r\n";
const char* const TemplateGap = "\r\n\r\n\r\n";

// One comment line per line of the original. A carriage return or line
// feed inside a line (a table's text may hold a carriage return) would end
// the line when the file is read again and leave text outside the comment,
// so it ends a comment line here as well.
void appendOriginal(std::string& text, const std::vector<std::string>& lines)
{
    for (const std::string& line : lines) {
        size_t start = 0;
        for (;;) {
            const size_t cr = line.find_first_of("\r\n", start);
            text += "// ";
            text.append(line, start, cr == std::string::npos ? std::string::npos : cr - start);
            text += "\r\n";
            if (cr == std::string::npos) break;
            start = cr + 1;
        }
    }
}

}  // namespace

std::string scriptTemplateWithOriginals(const std::vector<std::vector<std::string>>& originals)
{
    std::string text = TemplateHeader;
    char marker[32];
    for (size_t n = 0; n < originals.size(); ++n) {
        std::snprintf(marker, sizeof marker, ".STRING %zu\r\n", n);
        text += marker;
        text += "\r\n\r\n\r\n.ENDS\r\n";
        appendOriginal(text, originals[n]);
        text += TemplateGap;
    }
    return text;
}

std::string scriptTemplate(unsigned stringCount)
{
    std::string text = TemplateHeader;
    char section[64];
    for (unsigned n = 0; n < stringCount; ++n) {
        std::snprintf(section, sizeof section, ".STRING %u\r\n\r\n\r\n\r\n.ENDS\r\n\r\n\r\n\r\n", n);
        text += section;
    }
    return text;
}

std::optional<ScriptFileText> readScriptFile(const std::string& path)
{
    const std::optional<std::string> bytes = readWholeFile(path);
    if (!bytes) return std::nullopt;
    DecodedText decoded = decodeScriptBytes(*bytes);
    return ScriptFileText{splitTextLines(decoded.text), decoded.encoding};
}

}  // namespace scrivel::script
