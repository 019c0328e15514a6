#pragma once
// The numbers of a .FORMAT line: the text window's width and the glyph cell.

#include <array>
#include <cstdint>

namespace scrivel::rom {

struct FontFormat {
    uint16_t lineWidth = 0;    // number 1, stored times 8: pixels
    uint8_t cellHeight = 0;    // number 2
    uint8_t cellWidth = 0;     // number 3
    uint8_t wideAdvance = 0;   // number 5: the advance of a two-byte glyph
    // Numbers 4, 6, 7, 8 and 9: read and kept, but nothing uses them.
    std::array<uint8_t, 5> unusedNumbers{};
};

// What a data file without a format line is taken to mean.
inline FontFormat defaultFontFormat()
{
    FontFormat f;
    f.lineWidth = 144;
    f.cellHeight = 16;
    f.cellWidth = 16;
    f.wideAdvance = 16;
    f.unusedNumbers = {1, 0, 1, 2, 3};
    return f;
}

}  // namespace scrivel::rom
