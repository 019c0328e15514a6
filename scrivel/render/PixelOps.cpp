#include "PixelOps.h"

#include <algorithm>
#include <cstring>

namespace scrivel {

void ExpandBits(uint8_t* dest, int value, uint8_t count)
{
    const auto bits = static_cast<uint32_t>(value);
    for (unsigned k = 0; k < count; ++k) {
        unsigned bit = count - 1u - k;
        dest[k] = bit < 32 ? static_cast<uint8_t>((bits >> bit) & 1u) : 0;
    }
}

void FillPixels(uint16_t* dest, uint16_t value, size_t count)
{
    // Clearing the screen is the common case: a byte fill does it fastest.
    if ((value & 0xFF) == (value >> 8))
        std::memset(dest, value & 0xFF, count * sizeof *dest);
    else
        std::fill_n(dest, count, value);
}

void CopyPixels(uint16_t* dest, const uint16_t* src, size_t count, bool onlyEmpty)
{
    if (!onlyEmpty) {
        std::copy_n(src, count, dest);
        return;
    }
    for (size_t i = 0; i < count; ++i) dest[i] = dest[i] == 0 ? src[i] : dest[i];
}

void BlitRect(uint16_t* dest, const uint16_t* src, uint8_t rows, uint8_t columns, size_t stride, bool onlyEmpty)
{
    for (size_t i = 0; i < rows; ++i)
        CopyPixels(dest + i * stride, src + i * columns, columns, onlyEmpty);
}

}  // namespace scrivel
