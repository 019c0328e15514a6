#pragma once
// The text window: its tile map and the drawing of the frame with the blue
// gradient.

#include "editor/EditorState.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace scrivel {

constexpr int FrameMapSide = 128;

// Lays out the outline of a window of rows x columns tiles in map (corners,
// edges; the inside stays as it is) and stores the counts, each cut to 128.
// A window less than one tile in either direction lays out nothing.
void BuildFrameMap(FrameMapRecord& map, uint16_t rows, uint16_t columns);

// Draws the map's tiles with their top-left corner at screen[position], one
// pixel row every stride pixels, then turns the placeholder pixels of the
// frame's area into the blue gradient (bright at the top, one level darker
// every (height / 31) rows). Pixels that would fall outside screen are left
// out. With onlyEmpty, tile pixels land only where the screen is still 0.
void DrawWindowFrame(std::span<uint16_t> screen, size_t position, FrameMapRecord& map, size_t stride, bool onlyEmpty);

}  // namespace scrivel
