#include "LineText.h"

namespace packwell::app {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// Length of the valid UTF-8 sequence at s[i], or 0 when the byte there does
// not start one (bad lead byte, bad or missing continuation, overlong form,
// surrogate, or beyond U+10FFFF). Writes the code point.
size_t validSequence(const std::string& s, size_t i, char32_t& cp)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char b = byte(i);
    size_t len;
    char32_t min;
    if (b < 0x80) {
        cp = b;
        return 1;
    } else if ((b & 0xE0) == 0xC0) {
        len = 2, cp = b & 0x1F, min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        len = 3, cp = b & 0x0F, min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        len = 4, cp = b & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (s.size() - i < len) return 0;
    for (size_t k = 1; k < len; ++k) {
        unsigned char c = byte(i + k);
        if ((c & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

QString toDisplay(const std::string& bytes)
{
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (size_t i = 0; i < bytes.size();) {
        char32_t cp = 0;
        size_t len = validSequence(bytes, i, cp);
        if (len == 0) {
            out += QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[i])));
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            out += QChar(QChar::highSurrogate(cp));
            out += QChar(QChar::lowSurrogate(cp));
        } else {
            out += QChar(static_cast<char16_t>(cp));
        }
        i += len;
    }
    return out;
}

std::string toBytes(const QString& text)
{
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t u = text[i].unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
            appendUtf8(out, QChar::surrogateToUcs4(u, text[i + 1].unicode()));
            ++i;
        } else if (u >= kEscapeBase + 0x80 && u <= kEscapeBase + 0xFF) {
            out += static_cast<char>(u - kEscapeBase);  // a byte carried through unchanged
        } else if (QChar::isSurrogate(u)) {
            appendUtf8(out, 0xFFFD);  // a lone surrogate typed or pasted by the user
        } else {
            appendUtf8(out, u);
        }
    }
    return out;
}

}  // namespace packwell::app
