#pragma once
// Builds script strings in the game's byte code for the demo ROM, with the
// stand-in font's layout: digits and A-F at 0x00, punctuation at 0x10,
// half-width katakana at 0x20, the other letters from 0x5F, the remaining
// ASCII signs from 0x8D; kanji as two-byte glyphs from index 0x70.

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace scrivel::demo {

class GameText {
public:
    // Printable ASCII; throws std::invalid_argument for a character the font
    // does not hold.
    GameText& text(std::string_view ascii);
    // Half-width katakana by Unicode code point (U+FF61-U+FF9F).
    GameText& kana(std::initializer_list<char32_t> codePoints);
    // A one-byte glyph by number (0x00-0xEF).
    GameText& glyph(uint8_t number);
    // A two-byte glyph by index (0x000-0x6FF).
    GameText& wide(uint16_t index);
    // A control code without operand (0xF7-0xFB).
    GameText& code(uint8_t code);
    // The control code 0xFC with its two operands.
    GameText& codeWith(uint8_t first, uint8_t second);
    GameText& lineBreak();
    GameText& keyPrompt();
    // The bytes with the closing 0xFF.
    std::vector<uint8_t> end() const;

private:
    std::vector<uint8_t> bytes_;
};

// The game byte of a printable ASCII character; -1 when the font lacks it.
int gameByteOf(char c);

}  // namespace scrivel::demo
