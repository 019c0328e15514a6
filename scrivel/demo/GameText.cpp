#include "GameText.h"

#include <stdexcept>
#include <string>

namespace scrivel::demo {

namespace {
constexpr std::string_view Hex = "0123456789ABCDEF";
constexpr std::string_view Punctuation = " !?.,-'\":;()/&+~";
constexpr std::string_view Letters = "GHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr std::string_view OtherSigns = "#$%*<=>@[\\]^_`{|}";
}  // namespace

int gameByteOf(char c)
{
    if (auto i = Hex.find(c); i != std::string_view::npos) return static_cast<int>(i);
    if (auto i = Punctuation.find(c); i != std::string_view::npos) return 0x10 + static_cast<int>(i);
    if (auto i = Letters.find(c); i != std::string_view::npos) return 0x5F + static_cast<int>(i);
    if (auto i = OtherSigns.find(c); i != std::string_view::npos) return 0x8D + static_cast<int>(i);
    return -1;
}

GameText& GameText::text(std::string_view ascii)
{
    for (char c : ascii) {
        int b = gameByteOf(c);
        if (b < 0) throw std::invalid_argument(std::string("no glyph for '") + c + "'");
        bytes_.push_back(static_cast<uint8_t>(b));
    }
    return *this;
}

GameText& GameText::kana(std::initializer_list<char32_t> codePoints)
{
    for (char32_t cp : codePoints) {
        if (cp < 0xFF61 || cp > 0xFF9F) throw std::invalid_argument("not a half-width katakana");
        bytes_.push_back(static_cast<uint8_t>(0x20 + (cp - 0xFF61)));
    }
    return *this;
}

GameText& GameText::glyph(uint8_t number)
{
    if (number >= 0xF0) throw std::invalid_argument("not a one-byte glyph");
    bytes_.push_back(number);
    return *this;
}

GameText& GameText::wide(uint16_t index)
{
    if (index > 0x6FF) throw std::invalid_argument("not a two-byte glyph");
    bytes_.push_back(static_cast<uint8_t>(0xF0 | (index >> 8)));
    bytes_.push_back(static_cast<uint8_t>(index & 0xFF));
    return *this;
}

GameText& GameText::code(uint8_t code)
{
    if (code < 0xF7 || code > 0xFB) throw std::invalid_argument("not a control code without operand");
    bytes_.push_back(code);
    return *this;
}

GameText& GameText::codeWith(uint8_t first, uint8_t second)
{
    bytes_.insert(bytes_.end(), {0xFC, first, second});
    return *this;
}

GameText& GameText::lineBreak()
{
    bytes_.push_back(0xFD);
    return *this;
}

GameText& GameText::keyPrompt()
{
    bytes_.push_back(0xFE);
    return *this;
}

std::vector<uint8_t> GameText::end() const
{
    std::vector<uint8_t> out = bytes_;
    out.push_back(0xFF);
    return out;
}

}  // namespace scrivel::demo
