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

std::string scriptTemplate(unsigned stringCount)
{
    std::string text = "// Do not erase these: \r\n// .STRING #\r\n// .ENDS\r\n\r\n\r\n";
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
