#pragma once
// The few pixel operations everything on the emulated screen is drawn with.
// They work on plain arrays and trust their caller for the bounds.

#include <cstddef>
#include <cstdint>

namespace scrivel::render {

// Writes count bytes: byte k is bit (count - 1 - k) of value (0 or 1), so the
// most significant of the count bits comes first. Bits above bit 31 read 0.
void expandBits(uint8_t* dest, int value, uint8_t count);

// Sets count pixels to value.
void fillPixels(uint16_t* dest, uint16_t value, size_t count);

// Copies count pixels; with onlyEmpty, a destination pixel is written only
// while it is 0.
void copyPixels(uint16_t* dest, const uint16_t* src, size_t count, bool onlyEmpty);

// Sets each of count pixels that is from to to.
void replacePixels(uint16_t* dest, uint16_t from, uint16_t to, size_t count);

// For each row i: copyPixels of columns pixels from src + i * columns to
// dest + i * stride.
void blitRect(uint16_t* dest, const uint16_t* src, uint8_t rows, uint8_t columns, size_t stride, bool onlyEmpty);

}  // namespace scrivel::render
