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

// The encoding a file that was read as decoded is saved in: the one it was
// read in, except that a file of plain ASCII, which both encodings read
// alike, is saved as the 8-bit file it has always been: a character up to
// U+00FF typed into it is written as one byte, and one above U+00FF makes
// it UTF-8 (see encodeScriptText).
TextEncoding savingEncoding(const DecodedText& decoded);

// Reads the character that starts at pos of UTF-8 text into codePoint and
// returns its length in bytes. A byte that does not start a valid sequence
// reads as itself, one byte long, so every byte is consumed.
size_t readCodePoint(std::string_view text, size_t pos, char32_t& codePoint);

std::string latin1ToUtf8(std::string_view bytes);

}  // namespace scrivel::script
