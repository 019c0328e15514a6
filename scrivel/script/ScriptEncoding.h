#pragma once
// Script files on disk are UTF-8 when their bytes are valid UTF-8 and
// Latin-1 otherwise; inside the program their text is always UTF-8. A file is
// written back in the encoding it was read in, except that Latin-1 text that
// has come to hold a character above U+00FF is written as UTF-8, since
// Latin-1 cannot hold it.

#include <cstddef>
#include <string>
#include <string_view>

namespace scrivel::script {

enum class TextEncoding { Utf8, Latin1 };

bool isValidUtf8(std::string_view bytes);

struct DecodedText {
    std::string text;  // UTF-8
    TextEncoding encoding = TextEncoding::Utf8;
};

// The text of a script file's bytes, and the encoding they were read in.
DecodedText decodeScriptBytes(std::string_view bytes);

// The bytes of text (UTF-8) for a file that was read in encoding; encoding
// becomes UTF-8 when Latin-1 cannot hold the text.
std::string encodeScriptText(std::string_view text, TextEncoding& encoding);

// Reads the character that starts at pos of UTF-8 text into codePoint and
// returns its length in bytes. A byte that does not start a valid sequence
// reads as itself, one byte long, so every byte is consumed.
size_t readCodePoint(std::string_view text, size_t pos, char32_t& codePoint);

std::string latin1ToUtf8(std::string_view bytes);

}  // namespace scrivel::script
