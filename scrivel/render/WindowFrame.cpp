#include "WindowFrame.h"

#include "Palette.h"
#include "PixelOps.h"
#include "WindowTiles.h"

#include <algorithm>

namespace scrivel::render {
namespace {

void setTile(FrameMap& map, int row, int column, uint8_t tile)
{
    map.tiles[static_cast<size_t>(row * FrameMapSide + column)] = tile;
}

// One tile, row by row, leaving out what lies outside the screen.
void drawTile(std::span<uint16_t> screen, size_t at, const WindowTile& tile, size_t stride, bool onlyEmpty)
{
    if (at + 7 * stride + 8 <= screen.size()) {
        blitRect(screen.data() + at, tile.data(), 8, 8, stride, onlyEmpty);
        return;
    }
    for (size_t r = 0; r < 8; ++r) {
        size_t rowStart = at + r * stride;
        if (rowStart >= screen.size()) return;
        size_t count = std::min<size_t>(8, screen.size() - rowStart);
        copyPixels(screen.data() + rowStart, tile.data() + r * 8, count, onlyEmpty);
    }
}

}  // namespace

void buildFrameMap(FrameMap& map, uint16_t rows, uint16_t columns)
{
    const int r = std::min<int>(rows, FrameMapSide);
    const int c = std::min<int>(columns, FrameMapSide);
    map.rows = static_cast<uint16_t>(r);
    map.columns = static_cast<uint16_t>(c);
    if (r < 1 || c < 1) return;
    // Written in this order, a window one tile narrow or low ends up with the
    // tiles written last (right edge, bottom row).
    setTile(map, 0, 0, 1);
    for (int j = 1; j <= c - 2; ++j) setTile(map, 0, j, 2);
    setTile(map, 0, c - 1, 3);
    for (int i = 1; i <= r - 2; ++i) {
        setTile(map, i, 0, 4);
        setTile(map, i, c - 1, 5);
    }
    setTile(map, r - 1, 0, 6);
    for (int j = 1; j <= c - 2; ++j) setTile(map, r - 1, j, 7);
    setTile(map, r - 1, c - 1, 8);
}

void drawWindowFrame(std::span<uint16_t> screen, size_t position, FrameMap& map, size_t stride, bool onlyEmpty,
                     std::span<const WindowTile> tiles)
{
    const int rows = std::min<int>(map.rows, FrameMapSide);
    const int columns = std::min<int>(map.columns, FrameMapSide);

    map.drawRow = 0;
    map.drawColumn = 0;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            unsigned t = map.tiles[static_cast<size_t>(r * FrameMapSide + c)] & 0x0Fu;
            if (t < tiles.size())
                drawTile(screen, position + map.drawRow * stride + map.drawColumn, tiles[t], stride, onlyEmpty);
            map.drawColumn = static_cast<uint16_t>(map.drawColumn + 8);
        }
        map.drawRow = static_cast<uint16_t>(map.drawRow + 8);
        map.drawColumn = 0;
    }

    // The gradient: level 31 at the top, one level down every step rows.
    // Below 31 rows step is 0, the counter wraps and the level stays 31.
    const size_t height = static_cast<size_t>(rows) * 8;
    const size_t width = static_cast<size_t>(columns) * 8;
    const auto step = static_cast<uint16_t>(height / 31);
    uint16_t counter = step;
    uint16_t level = 31;
    for (size_t y = 0; y < height; ++y) {
        size_t rowStart = position + y * stride;
        if (rowStart >= screen.size()) break;
        size_t count = std::min(width, screen.size() - rowStart);
        replacePixels(screen.data() + rowStart, GradientPlaceholder, level, count);
        counter = static_cast<uint16_t>(counter - 1);
        if (counter == 0) {
            counter = step;
            if (level > 0) --level;
        }
    }
}

}  // namespace scrivel::render
