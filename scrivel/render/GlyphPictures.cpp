#include "GlyphPictures.h"

#include "Fonts.h"
#include "PixelOps.h"

#include <algorithm>
#include <cstring>

namespace scrivel {
namespace {

const uint8_t* halfTile(unsigned index)
{
    return index < GameFontHalfTiles ? GameFont.data() + index * 16u : nullptr;
}

// The eight pixels of every byte, as ExpandBits over 8 bits gives them.
struct ByteExpansions {
    std::array<std::array<uint8_t, 8>, 256> pixels{};
    ByteExpansions()
    {
        for (int b = 0; b < 256; ++b) ExpandBits(pixels[static_cast<size_t>(b)].data(), b, 8);
    }
};

const ByteExpansions& expansions()
{
    static const ByteExpansions table;
    return table;
}

void expandRow(uint8_t* dest, uint8_t bits)
{
    std::memcpy(dest, expansions().pixels[bits].data(), 8);
}

}  // namespace

GlyphPicture gameHalfTilePicture(unsigned index)
{
    GlyphPicture picture{};
    if (const uint8_t* tile = halfTile(index))
        for (int r = 0; r < 16; ++r) expandRow(picture.data() + r * 16, tile[r]);
    return picture;
}

GlyphPicture gameWideGlyphPicture(unsigned index)
{
    GlyphPicture picture{};
    const uint8_t* left = halfTile(2u * index);
    const uint8_t* right = halfTile(2u * index + 1u);
    // Each row is ExpandBits over 16 bits of (left byte x 256 + right byte).
    for (int r = 0; r < 16; ++r) {
        expandRow(picture.data() + r * 16, left ? left[r] : 0);
        expandRow(picture.data() + r * 16 + 8, right ? right[r] : 0);
    }
    return picture;
}

GlyphPicture previewGlyphPicture(unsigned number)
{
    GlyphPicture picture{};
    if (number >= PreviewFontGlyphs) return picture;
    const uint8_t* glyph = PreviewFont.data() + number * 256u;
    // Quarters in storage order: top-left, bottom-left, top-right, bottom-right.
    for (int quarter = 0; quarter < 4; ++quarter) {
        int top = (quarter & 1) * 8;
        int left = (quarter >> 1) * 8;
        for (int r = 0; r < 8; ++r)
            std::copy_n(glyph + quarter * 64 + r * 8, 8, picture.data() + (top + r) * 16 + left);
    }
    return picture;
}

GlyphPicture labelGlyphPicture(unsigned number)
{
    GlyphPicture picture{};
    if (number >= LabelFontGlyphs) return picture;
    const uint8_t* glyph = LabelFont.data() + number * 64u;
    for (int r = 0; r < 8; ++r) std::copy_n(glyph + r * 8, 8, picture.data() + r * 16);
    return picture;
}

}  // namespace scrivel
