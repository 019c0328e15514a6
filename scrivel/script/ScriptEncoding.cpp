#include "ScriptEncoding.h"

#include "text/Utf8.h"

#include <algorithm>

namespace scrivel::script {


bool isValidUtf8(std::string_view bytes) { return common::isValidUtf8(bytes); }

size_t readCodePoint(std::string_view text, size_t pos, char32_t& codePoint)
{
    const size_t length = common::utf8SequenceAt(text, pos, codePoint);
    if (length != 0) return length;
    codePoint = static_cast<unsigned char>(text[pos]);
    return 1;
}

std::string latin1ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char b : bytes) common::appendUtf8(out, static_cast<unsigned char>(b));
    return out;
}

DecodedText decodeScriptBytes(std::string_view bytes)
{
    if (isValidUtf8(bytes)) return {std::string(bytes), TextEncoding::Utf8};
    return {latin1ToUtf8(bytes), TextEncoding::Latin1};
}

TextEncoding savingEncoding(const DecodedText& decoded)
{
    if (decoded.encoding == TextEncoding::Latin1) return TextEncoding::Latin1;
    const bool ascii = std::all_of(decoded.text.begin(), decoded.text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return ascii ? TextEncoding::Latin1 : TextEncoding::Utf8;
}

std::string encodeScriptText(std::string_view text, TextEncoding& encoding)
{
    if (encoding == TextEncoding::Utf8) return std::string(text);
    std::string out;
    out.reserve(text.size());
    char32_t c = 0;
    for (size_t pos = 0; pos < text.size();) {
        pos += readCodePoint(text, pos, c);
        if (c > 0xFF) {
            encoding = TextEncoding::Utf8;
            return std::string(text);
        }
        out += static_cast<char>(c);
    }
    return out;
}

}  // namespace scrivel::script
