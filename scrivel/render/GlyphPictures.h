#pragma once
// Glyph pictures of the three fonts as 16 x 16 bytes (1 set, 0 clear), row
// after row. A glyph the font has no data for gives a blank picture.

#include <array>
#include <cstdint>

namespace scrivel {

using GlyphPicture = std::array<uint8_t, 256>;

// Half tile halfTile of GameFont in columns 0-7; columns 8-15 clear.
GlyphPicture gameHalfTilePicture(unsigned halfTile);
// Half tiles 2 * index (left) and 2 * index + 1 (right) side by side.
GlyphPicture gameWideGlyphPicture(unsigned index);
// Glyph number of PreviewFont, its four quarters put together.
GlyphPicture previewGlyphPicture(unsigned number);
// Glyph number of LabelFont (8 x 8) in the top-left corner.
GlyphPicture labelGlyphPicture(unsigned number);

}  // namespace scrivel
