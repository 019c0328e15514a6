#include "ScriptEncoding.h"

#include <algorithm>

namespace scrivel::script {

namespace {

// The length of the valid UTF-8 sequence at pos, or 0 when there is none
// (overlong forms, surrogates and values above U+10FFFF are invalid).
size_t validSequenceAt(std::string_view s, size_t pos, char32_t& codePoint)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char b0 = byte(pos);
    if (b0 < 0x80) {
        codePoint = b0;
        return 1;
    }
    size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
        value = b0 & 0x1F;
        minimum = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        value = b0 & 0x0F;
        minimum = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        value = b0 & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > s.size()) return 0;
    for (size_t i = 1; i < length; ++i) {
        const unsigned char b = byte(pos + i);
        if ((b & 0xC0) != 0x80) return 0;
        value = (value << 6) | (b & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    codePoint = value;
    return length;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

bool isValidUtf8(std::string_view bytes)
{
    char32_t c = 0;
    for (size_t pos = 0; pos < bytes.size();) {
        const size_t length = validSequenceAt(bytes, pos, c);
        if (length == 0) return false;
        pos += length;
    }
    return true;
}

size_t readCodePoint(std::string_view text, size_t pos, char32_t& codePoint)
{
    const size_t length = validSequenceAt(text, pos, codePoint);
    if (length != 0) return length;
    codePoint = static_cast<unsigned char>(text[pos]);
    return 1;
}

std::string latin1ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char b : bytes) appendUtf8(out, static_cast<unsigned char>(b));
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
