#pragma once
// The fonts the renderer draws with, and the program's own fixed ones.
//
// Game font: half tiles of 8 x 16 pixels, 1 bit per pixel, 16 bytes each;
//   byte r is pixel row r, bit 7 the leftmost pixel. A one-byte glyph g is
//   half tile g; a two-byte glyph i is half tiles 2i (left) and 2i + 1 (right).
// Label font: 8 x 8 glyphs for codes 0x00-0x5F, one byte (0 or 1) per pixel,
//   row after row.
// Preview font: 16 x 16 glyphs for codes 0x00-0x7F, one byte per pixel, each
//   stored as four 8 x 8 quarters: top-left, bottom-left, top-right,
//   bottom-right.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "WindowTiles.h"

namespace scrivel::render {

constexpr size_t GameFontHalfTiles = 2532;
constexpr size_t LabelFontGlyphs = 96;
constexpr size_t PreviewFontGlyphs = 128;

// The stand-ins the program carries, compiled in from render/data/.
extern const std::array<uint8_t, GameFontHalfTiles * 16> GameFont;
extern const std::array<uint8_t, LabelFontGlyphs * 64> LabelFont;
extern const std::array<uint8_t, PreviewFontGlyphs * 256> PreviewFont;

// Views of the picture data one render uses. A view may be shorter or longer
// than the program's own font: a glyph the view holds no data for is blank.
struct Fonts {
    std::span<const uint8_t> game;
    std::span<const uint8_t> label;
    std::span<const uint8_t> preview;
    std::span<const WindowTile> windowTiles;
};

// The program's own fonts and window tiles.
const Fonts& builtInFonts();

}  // namespace scrivel::render
