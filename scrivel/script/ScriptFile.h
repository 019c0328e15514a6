#pragma once
// The per-block script file: its name in the Dumps folder and the template
// a new file starts from.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ScriptEncoding.h"

namespace scrivel::script {

// "%s/%08X.txt" from the Dumps folder and the block's pointer table address.
std::string scriptFileName(const std::string& dumpsFolder, uint32_t blockAddress);

// The template of a block of stringCount strings, with CR LF line breaks: a
// five-line header, then per string a marker, three empty lines, ".ENDS" and
// three empty lines.
std::string scriptTemplate(unsigned stringCount);

// The same template for a block whose strings were read through a table:
// one entry per string, holding that string's original text as lines (UTF-8;
// a carriage return or line feed inside a line starts a new comment line). After each section's ".ENDS" line come one comment line
// "// " + line per original line, then the three empty lines. A string with
// no line adds nothing, so with no line at all this is scriptTemplate's text
// byte for byte. The text is UTF-8, as the originals are.
std::string scriptTemplateWithOriginals(const std::vector<std::vector<std::string>>& originals);

// A script file as the whole-script commands (insertion, the fit check) read
// it: the file's own lines (no wrapping at a window width), as UTF-8, and the
// encoding the file was in.
struct ScriptFileText {
    std::vector<std::string> lines;
    TextEncoding encoding = TextEncoding::Utf8;
};

// Nothing when the file is missing or cannot be read.
std::optional<ScriptFileText> readScriptFile(const std::string& path);

}  // namespace scrivel::script
