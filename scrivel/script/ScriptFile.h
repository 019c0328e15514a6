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
