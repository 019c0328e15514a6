#pragma once
// How far the game reads a string: from its first byte up to and including
// the FF that ends it. Operand bytes are skipped as the game skips them, so
// an FF among them does not end the string; an image that ends first ends
// the string there.

#include <cstddef>
#include <cstdint>
#include <optional>

namespace scrivel::rom {

struct StringExtent {
    size_t length = 0;      // bytes from start, the closing FF included
    bool endedOnFF = false; // false: the image ended first (or start lies outside it)
};

// Reads no byte at or past size; a start at or past size gives an empty extent.
StringExtent stringExtent(const uint8_t* image, size_t size, size_t start);

// The code at the end of count bytes that is short of its operands, if any:
// F0-F6 take one operand byte and FC two, so a string or line whose last
// code is one of them makes the game read the end byte that follows as an
// operand and run on past it.
std::optional<uint8_t> codeShortOfOperands(const uint8_t* bytes, size_t count);

}  // namespace scrivel::rom
