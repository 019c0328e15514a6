#pragma once
// The nine 8 x 8 tiles of the text window frame, RGB565, row after row:
// 0 inside, 1 top-left corner, 2 top edge, 3 top-right corner, 4 left edge,
// 5 right edge, 6 bottom-left corner, 7 bottom edge, 8 bottom-right corner.

#include <array>
#include <cstdint>

namespace scrivel::render {

constexpr int WindowTileCount = 9;
using WindowTile = std::array<uint16_t, 64>;

extern const std::array<WindowTile, WindowTileCount> WindowTiles;

}  // namespace scrivel::render
