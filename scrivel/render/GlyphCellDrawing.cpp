#include "GlyphCellDrawing.h"

#include "Palette.h"

namespace scrivel::render {
namespace {

// One cell row at px, its shadows going to px[columns] and below[1 ...].
// Gives what the pixel-by-pixel order gives: a clear pixel keeps a shadow
// that its left neighbour threw or that was already there. Needs the row
// below not to overlap this one.
void drawCellRow(uint16_t* px, uint16_t* below, const uint8_t* cell, int columns, uint16_t colour)
{
    bool leftSet = false;
    for (int n = 0; n < columns; ++n) {
        const bool set = cell[n] != 0;
        const uint16_t kept = leftSet || px[n] == ShadowColour ? ShadowColour : Palette[0];
        px[n] = set ? colour : kept;
        below[n + 1] = set ? ShadowColour : below[n + 1];
        leftSet = set;
    }
    if (leftSet) px[columns] = ShadowColour;
}

}  // namespace

void drawGlyphCell(std::span<uint16_t> screen, size_t origin, size_t width, const uint8_t* cell, int rows,
                   int columns, uint16_t colour)
{
    // Whole rows at once when the cell and its shadow (one row and one
    // column more) lie in the buffer and a screen row is wider than the cell.
    const bool inside = rows > 0 && columns > 0 && width > static_cast<size_t>(columns) &&
                        origin + static_cast<size_t>(rows) * width + static_cast<size_t>(columns) < screen.size();
    if (!inside) {
        drawGlyphCellPixelByPixel(screen, origin, width, cell, rows, columns, colour);
        return;
    }
    for (int m = 0; m < rows; ++m) {
        uint16_t* px = screen.data() + origin + static_cast<size_t>(m) * width;
        drawCellRow(px, px + width, cell + m * columns, columns, colour);
    }
}

void drawGlyphCellPixelByPixel(std::span<uint16_t> screen, size_t origin, size_t width, const uint8_t* cell,
                               int rows, int columns, uint16_t colour)
{
    for (int m = 0; m < rows; ++m) {
        const size_t rowStart = origin + static_cast<size_t>(m) * width;
        for (int n = 0; n < columns; ++n) {
            const size_t at = rowStart + static_cast<size_t>(n);
            if (cell[m * columns + n] != 0) {
                if (at < screen.size()) screen[at] = colour;
                if (at + 1 < screen.size()) screen[at + 1] = ShadowColour;
                if (at + width + 1 < screen.size()) screen[at + width + 1] = ShadowColour;
            } else if (at < screen.size() && screen[at] != ShadowColour) {
                screen[at] = Palette[0];
            }
        }
    }
}

}  // namespace scrivel::render
