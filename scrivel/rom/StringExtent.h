#pragma once
// How far the game reads a string: from its first byte up to and including
// the FF that ends it. Operand bytes are skipped as the game skips them, so
// an FF among them does not end the string; an image that ends first ends
// the string there.

#include <cstddef>
#include <cstdint>

namespace scrivel::rom {

struct StringExtent {
    size_t length = 0;      // bytes from start, the closing FF included
    bool endedOnFF = false; // false: the image ended first (or start lies outside it)
};

// Reads no byte at or past size; a start at or past size gives an empty extent.
StringExtent stringExtent(const uint8_t* image, size_t size, size_t start);

}  // namespace scrivel::rom
