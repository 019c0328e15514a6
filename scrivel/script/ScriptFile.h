#pragma once
// The per-block script file: its name in the Dumps folder and the template
// a new file starts from.

#include <cstdint>
#include <string>

namespace scrivel::script {

// "%s/%08X.txt" from the Dumps folder and the block's pointer table address.
std::string scriptFileName(const std::string& dumpsFolder, uint32_t blockAddress);

// The template of a block of stringCount strings, with CR LF line breaks: a
// five-line header, then per string a marker, three empty lines, ".ENDS" and
// three empty lines.
std::string scriptTemplate(unsigned stringCount);

}  // namespace scrivel::script
