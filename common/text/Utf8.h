#pragma once
// UTF-8, strictly: no overlong forms, no surrogates, nothing past U+10FFFF.
// Script files, table files and the merger's report all hold text of this
// kind, and all of them must tell valid text from bytes of other encodings.

#include <cstddef>
#include <string>
#include <string_view>

namespace common {

// The length of the valid UTF-8 sequence at pos of text, writing its code
// point; 0 when the byte there does not start one (pos must lie in text).
size_t utf8SequenceAt(std::string_view text, size_t pos, char32_t& codePoint);

// The position of the first byte that does not start a valid sequence, or
// npos when all of text is valid.
size_t firstInvalidUtf8(std::string_view text);

inline bool isValidUtf8(std::string_view text) { return firstInvalidUtf8(text) == std::string_view::npos; }

void appendUtf8(std::string& out, char32_t codePoint);

}  // namespace common
