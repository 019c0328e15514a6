#pragma once
// Drawing one glyph cell into the flat screen: a set pixel takes the text
// colour and throws a shadow on its right and below-right neighbours; a
// clear pixel is cleared unless it holds a shadow. Pixels are taken row by
// row, left to right, so a later set pixel covers an earlier shadow.

#include <cstddef>
#include <cstdint>
#include <span>

namespace scrivel::render {

// Draws the cell (rows x columns bytes, non-zero set) with its top-left
// pixel at screen[origin], screen rows width pixels apart. Pixels past the
// screen's end are left out.
void drawGlyphCell(std::span<uint16_t> screen, size_t origin, size_t width, const uint8_t* cell, int rows,
                   int columns, uint16_t colour);

// The same, one pixel after the other with a bounds test each.
void drawGlyphCellPixelByPixel(std::span<uint16_t> screen, size_t origin, size_t width, const uint8_t* cell,
                               int rows, int columns, uint16_t colour);

}  // namespace scrivel::render
