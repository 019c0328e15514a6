#include "TextFormat.h"

namespace packwell::pack {

std::string upperAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string padRight(const std::string& text, size_t width)
{
    if (text.size() >= width) return text;
    return text + std::string(width - text.size(), ' ');
}

std::string hexUpper(uint64_t value, int digits)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    if (digits > 0 && out.size() < static_cast<size_t>(digits))
        out.insert(0, static_cast<size_t>(digits) - out.size(), '0');
    return out;
}

std::string decimalRight(uint64_t value, size_t width)
{
    std::string digits = std::to_string(value);
    if (digits.size() >= width) return digits;
    return std::string(width - digits.size(), ' ') + digits;
}

std::string replaceAll(std::string text, char from, char to)
{
    for (char& c : text)
        if (c == from) c = to;
    return text;
}

}  // namespace packwell::pack
