#include "GlyphPictures.h"

#include "Fonts.h"
#include "PixelOps.h"

#include <algorithm>
#include <cstring>

namespace scrivel::render {
namespace {

const uint8_t* halfTile(std::span<const uint8_t> font, unsigned index)
{
    return index < font.size() / 16u ? font.data() + index * 16u : nullptr;
}

// The eight pixels of every byte, as expandBits over 8 bits gives them.
struct ByteExpansions {
    std::array<std::array<uint8_t, 8>, 256> pixels{};
    ByteExpansions()
    {
        for (int b = 0; b < 256; ++b) expandBits(pixels[static_cast<size_t>(b)].data(), b, 8);
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

GlyphPicture gameHalfTilePicture(unsigned index, std::span<const uint8_t> gameFont)
{
    GlyphPicture picture{};
    if (const uint8_t* tile = halfTile(gameFont, index))
        for (int r = 0; r < 16; ++r) expandRow(picture.data() + r * 16, tile[r]);
    return picture;
}

GlyphPicture gameWideGlyphPicture(unsigned index, std::span<const uint8_t> gameFont)
{
    GlyphPicture picture{};
    const uint8_t* left = halfTile(gameFont, 2u * index);
    const uint8_t* right = halfTile(gameFont, 2u * index + 1u);
    // Each row is expandBits over 16 bits of (left byte x 256 + right byte).
    for (int r = 0; r < 16; ++r) {
        expandRow(picture.data() + r * 16, left ? left[r] : 0);
        expandRow(picture.data() + r * 16 + 8, right ? right[r] : 0);
    }
    return picture;
}

GlyphPicture previewGlyphPicture(unsigned number, std::span<const uint8_t> previewFont)
{
    GlyphPicture picture{};
    if (number >= previewFont.size() / 256u) return picture;
    const uint8_t* glyph = previewFont.data() + number * 256u;
    // Quarters in storage order: top-left, bottom-left, top-right, bottom-right.
    for (int quarter = 0; quarter < 4; ++quarter) {
        int top = (quarter & 1) * 8;
        int left = (quarter >> 1) * 8;
        for (int r = 0; r < 8; ++r)
            std::copy_n(glyph + quarter * 64 + r * 8, 8, picture.data() + (top + r) * 16 + left);
    }
    return picture;
}

GlyphPicture labelGlyphPicture(unsigned number, std::span<const uint8_t> labelFont)
{
    GlyphPicture picture{};
    if (number >= labelFont.size() / 64u) return picture;
    const uint8_t* glyph = labelFont.data() + number * 64u;
    for (int r = 0; r < 8; ++r) std::copy_n(glyph + r * 8, 8, picture.data() + r * 16);
    return picture;
}

}  // namespace scrivel::render
