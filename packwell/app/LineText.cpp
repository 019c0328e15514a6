#include "LineText.h"

#include "text/Utf8.h"

namespace packwell::app {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;

}  // namespace

QString toDisplay(const std::string& bytes)
{
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (size_t i = 0; i < bytes.size();) {
        char32_t cp = 0;
        size_t len = common::utf8SequenceAt(bytes, i, cp);
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
            common::appendUtf8(out, QChar::surrogateToUcs4(u, text[i + 1].unicode()));
            ++i;
        } else if (u >= kEscapeBase + 0x80 && u <= kEscapeBase + 0xFF) {
            out += static_cast<char>(u - kEscapeBase);  // a byte carried through unchanged
        } else if (QChar::isSurrogate(u)) {
            common::appendUtf8(out, 0xFFFD);  // a lone surrogate typed or pasted by the user
        } else {
            common::appendUtf8(out, u);
        }
    }
    return out;
}

}  // namespace packwell::app
