#pragma once
// The game's text byte code: which bytes end a string, break a line or lead
// a code, and how far a string reaches.

#include <cstddef>
#include <cstdint>
#include <span>

namespace scrivel::rom {

inline constexpr uint8_t EndOfString = 0xFF;
inline constexpr uint8_t KeyPrompt = 0xFE;    // waits for a key; also ends a script line
inline constexpr uint8_t LineBreak = 0xFD;
inline constexpr uint8_t OperandCode = 0xFC;  // followed by two operand bytes
// 0xF0-0xF6 lead a two-byte glyph; 0xF7-0xFB are codes without operands.
inline constexpr uint8_t FirstTwoByteLead = 0xF0;
inline constexpr uint8_t LastTwoByteLead = 0xF6;
inline constexpr uint8_t FirstPlainCode = 0xF7;
inline constexpr uint8_t LastPlainCode = 0xFB;

inline constexpr bool isTwoByteLead(uint8_t b) { return b >= FirstTwoByteLead && b <= LastTwoByteLead; }
inline constexpr bool isPlainCode(uint8_t b) { return b >= FirstPlainCode && b <= LastPlainCode; }

// The number of bytes up to and including the first 0xFF of bytes, operands
// or not, but at most limit: how many bytes the hex window shows of a string.
// Bytes past the end of the view read as 0xFF. (How far the game itself
// reads a string, skipping operand bytes, is stringExtent in StringExtent.h.)
size_t bytesThroughFirstEnd(std::span<const uint8_t> bytes, size_t limit);

}  // namespace scrivel::rom
