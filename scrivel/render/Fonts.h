#pragma once
// The editor's three fonts, fixed data carried by the program.
//
// GameFont: half tiles of 8 x 16 pixels, 1 bit per pixel, 16 bytes each; byte
//   r is pixel row r, bit 7 the leftmost pixel. A one-byte glyph g is half
//   tile g; a two-byte glyph i is half tiles 2i (left) and 2i + 1 (right).
// LabelFont: 8 x 8 glyphs for codes 0x00-0x5F, one byte (0 or 1) per pixel,
//   row after row.
// PreviewFont: 16 x 16 glyphs for codes 0x00-0x7F, one byte per pixel, each
//   stored as four 8 x 8 quarters: top-left, bottom-left, top-right,
//   bottom-right.

#include <array>
#include <cstddef>
#include <cstdint>

namespace scrivel {

constexpr size_t GameFontHalfTiles = 2532;
constexpr size_t LabelFontGlyphs = 96;
constexpr size_t PreviewFontGlyphs = 128;

extern const std::array<uint8_t, GameFontHalfTiles * 16> GameFont;
extern const std::array<uint8_t, LabelFontGlyphs * 64> LabelFont;
extern const std::array<uint8_t, PreviewFontGlyphs * 256> PreviewFont;

}  // namespace scrivel
