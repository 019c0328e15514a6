#pragma once
// The text window: its tile map and the drawing of the frame with the blue
// gradient.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "WindowTiles.h"

namespace scrivel::render {

constexpr int FrameMapSide = 128;

// Tile map of the text window frame: tile numbers (see WindowTiles.h), one
// row of FrameMapSide entries after the other.
struct FrameMap {
    std::array<uint8_t, FrameMapSide * FrameMapSide> tiles{};
    uint16_t rows = 0;
    uint16_t columns = 0;
    uint16_t drawRow = 0;
    uint16_t drawColumn = 0;
};

// Lays out the outline of a window of rows x columns tiles in map (corners,
// edges; the inside stays as it is) and stores the counts, each cut to 128.
// A window less than one tile in either direction lays out nothing.
void buildFrameMap(FrameMap& map, uint16_t rows, uint16_t columns);

// Draws the map's tiles with their top-left corner at screen[position], one
// pixel row every stride pixels, then turns the placeholder pixels of the
// frame's area into the blue gradient (bright at the top, one level darker
// every (height / 31) rows). Pixels that would fall outside screen are left
// out. With onlyEmpty, tile pixels land only where the screen is still 0.
// A tile number the tiles do not hold draws nothing.
void drawWindowFrame(std::span<uint16_t> screen, size_t position, FrameMap& map, size_t stride, bool onlyEmpty,
                     std::span<const WindowTile> tiles = WindowTiles);

}  // namespace scrivel::render
