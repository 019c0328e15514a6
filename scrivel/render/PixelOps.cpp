#include "PixelOps.h"

#include <algorithm>
#include <cstring>

namespace scrivel::render {
namespace {

// Eight pixels in one vector register.
typedef uint16_t Pixels8 __attribute__((vector_size(16)));

}  // namespace

void expandBits(uint8_t* dest, int value, uint8_t count)
{
    const auto bits = static_cast<uint32_t>(value);
    for (unsigned k = 0; k < count; ++k) {
        unsigned bit = count - 1u - k;
        dest[k] = bit < 32 ? static_cast<uint8_t>((bits >> bit) & 1u) : 0;
    }
}

void fillPixels(uint16_t* dest, uint16_t value, size_t count)
{
    // Clearing the screen is the common case: a byte fill does it fastest.
    if ((value & 0xFF) == (value >> 8))
        std::memset(dest, value & 0xFF, count * sizeof *dest);
    else
        std::fill_n(dest, count, value);
}

void copyPixels(uint16_t* dest, const uint16_t* src, size_t count, bool onlyEmpty)
{
    if (!onlyEmpty) {
        std::copy_n(src, count, dest);
        return;
    }
    // Eight pixels at a time: take the source where the destination is 0.
    size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        Pixels8 d, s;
        std::memcpy(&d, dest + i, sizeof d);
        std::memcpy(&s, src + i, sizeof s);
        const Pixels8 empty = d == 0;
        d = (s & empty) | (d & ~empty);
        std::memcpy(dest + i, &d, sizeof d);
    }
    for (; i < count; ++i)
        if (dest[i] == 0) dest[i] = src[i];
}

void replacePixels(uint16_t* dest, uint16_t from, uint16_t to, size_t count)
{
    size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        Pixels8 d;
        std::memcpy(&d, dest + i, sizeof d);
        const Pixels8 match = d == from;
        d = (d & ~match) | (to & match);
        std::memcpy(dest + i, &d, sizeof d);
    }
    for (; i < count; ++i)
        if (dest[i] == from) dest[i] = to;
}

void blitRect(uint16_t* dest, const uint16_t* src, uint8_t rows, uint8_t columns, size_t stride, bool onlyEmpty)
{
    for (size_t i = 0; i < rows; ++i)
        copyPixels(dest + i * stride, src + i * columns, columns, onlyEmpty);
}

}  // namespace scrivel::render
