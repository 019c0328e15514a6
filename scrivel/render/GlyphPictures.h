#pragma once
// Glyph pictures of the three fonts as 16 x 16 bytes (1 set, 0 clear), row
// after row. A glyph the font has no data for gives a blank picture.

#include <array>
#include <cstdint>
#include <span>

#include "Fonts.h"

namespace scrivel::render {

using GlyphPicture = std::array<uint8_t, 256>;

// Half tile halfTile of the game font in columns 0-7; columns 8-15 clear.
GlyphPicture gameHalfTilePicture(unsigned halfTile, std::span<const uint8_t> gameFont = GameFont);
// Half tiles 2 * index (left) and 2 * index + 1 (right) side by side.
GlyphPicture gameWideGlyphPicture(unsigned index, std::span<const uint8_t> gameFont = GameFont);
// Glyph number of the preview font, its four quarters put together.
GlyphPicture previewGlyphPicture(unsigned number, std::span<const uint8_t> previewFont = PreviewFont);
// Glyph number of the label font (8 x 8) in the top-left corner.
GlyphPicture labelGlyphPicture(unsigned number, std::span<const uint8_t> labelFont = LabelFont);

}  // namespace scrivel::render
