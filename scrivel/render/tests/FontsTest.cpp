#include "render/Fonts.h"
#include "render/GlyphPictures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace scrivel::render {
namespace {

int setPixels(const GlyphPicture& p) { return static_cast<int>(std::count(p.begin(), p.end(), 1)); }

bool columnsOnly(const GlyphPicture& p, int first, int last)
{
    for (int i = 0; i < 256; ++i)
        if (p[static_cast<size_t>(i)] && (i % 16 < first || i % 16 > last)) return false;
    return true;
}

TEST(LabelFont, BlankAndSolidGlyphsWhereTheLayoutSaysSo)
{
    for (unsigned g = 0; g < LabelFontGlyphs; ++g) {
        const GlyphPicture p = labelGlyphPicture(g);
        const bool blank = g <= 0x20 || g == 0x26 || (g >= 0x3C && g <= 0x40) || g == 0x5E;
        if (g == 0x5F)
            EXPECT_EQ(setPixels(p), 64);
        else if (blank)
            EXPECT_EQ(setPixels(p), 0) << std::hex << g;
        else
            EXPECT_GT(setPixels(p), 0) << std::hex << g;
        EXPECT_TRUE(columnsOnly(p, 0, 7));
    }
    for (uint8_t v : LabelFont) ASSERT_LE(v, 1);
    EXPECT_EQ(setPixels(labelGlyphPicture(0x60)), 0);  // past the font
}

TEST(PreviewFont, LayoutOfItsGlyphs)
{
    for (unsigned g = 0; g < PreviewFontGlyphs; ++g) {
        const GlyphPicture p = previewGlyphPicture(g);
        const bool blank = g == 0 || (g >= 0x11 && g <= 0x20) || g == 0x26 || g == 0x3C || g == 0x3E || g == 0x40 ||
                           g == 0x7E;
        if (g == 0x7F) {
            EXPECT_EQ(setPixels(p), 256);
        } else if (blank) {
            EXPECT_EQ(setPixels(p), 0) << std::hex << g;
        } else if (g == 0x25) {
            EXPECT_TRUE(columnsOnly(p, 8, 14));
            EXPECT_GT(setPixels(p), 0);
        } else if (g >= 0x21) {
            EXPECT_TRUE(columnsOnly(p, 0, 6)) << std::hex << g;
            bool column0 = false;
            for (int r = 0; r < 16; ++r) column0 |= p[static_cast<size_t>(r * 16)] != 0;
            EXPECT_TRUE(column0) << "not drawn from column 0: " << std::hex << g;
        } else {
            EXPECT_GT(setPixels(p), 0) << std::hex << g;  // the picture symbols
        }
    }
    for (uint8_t v : PreviewFont) ASSERT_LE(v, 1);
    EXPECT_EQ(setPixels(previewGlyphPicture(0x80)), 0);
    EXPECT_EQ(setPixels(previewGlyphPicture(0xDFE)), 0);
}

TEST(PreviewFont, QuartersAreTopLeftBottomLeftTopRightBottomRight)
{
    // The letter A lies in the left quarters: rows 4-13, columns 0-5.
    const uint8_t rowsOfA[16] = {0x00, 0x00, 0x00, 0x00, 0x30, 0x48, 0x48, 0x84,
                                 0x84, 0xFC, 0x84, 0x84, 0x84, 0x84, 0x00, 0x00};
    const GlyphPicture a = previewGlyphPicture(0x41);
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 16; ++c) {
            const int expected = c < 8 ? (rowsOfA[r] >> (7 - c)) & 1 : 0;
            EXPECT_EQ(a[static_cast<size_t>(r * 16 + c)], expected) << r << "," << c;
        }
}

TEST(GameFont, HalfTilesAndPairs)
{
    // One-byte glyphs use columns 0-7 only; 0x0A is the letter A.
    const GlyphPicture a = gameHalfTilePicture(0x0A);
    EXPECT_TRUE(columnsOnly(a, 0, 7));
    // Letters are drawn from column 0: the bar of the A spans columns 0-5.
    for (int c = 0; c < 8; ++c) EXPECT_EQ(a[static_cast<size_t>(9 * 16 + c)], c <= 5 ? 1 : 0) << c;
    EXPECT_EQ(setPixels(gameHalfTilePicture(0x10)), 0);  // the blank

    // Two-byte glyph 0x70 is half tiles 0xE0 and 0xE1 side by side.
    const GlyphPicture kanji = gameWideGlyphPicture(0x70);
    const GlyphPicture left = gameHalfTilePicture(0xE0);
    const GlyphPicture right = gameHalfTilePicture(0xE1);
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 8; ++c) {
            EXPECT_EQ(kanji[static_cast<size_t>(r * 16 + c)], left[static_cast<size_t>(r * 16 + c)]);
            EXPECT_EQ(kanji[static_cast<size_t>(r * 16 + 8 + c)], right[static_cast<size_t>(r * 16 + c)]);
        }
    EXPECT_GT(setPixels(left), 0);
    EXPECT_GT(setPixels(right), 0);

    // The font ends at half tile 2531 (pair 0x4F1); beyond it glyphs are blank.
    EXPECT_GT(setPixels(gameWideGlyphPicture(0x4F1)), 0);
    EXPECT_EQ(setPixels(gameWideGlyphPicture(0x4F2)), 0);
    EXPECT_EQ(setPixels(gameWideGlyphPicture(0x6FF)), 0);
    EXPECT_EQ(setPixels(gameHalfTilePicture(2532)), 0);
}

}  // namespace
}  // namespace scrivel::render
