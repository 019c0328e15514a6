#include "RenderFixture.h"

#include "render/Palette.h"

#include <algorithm>

#include <string>

namespace scrivel::testing_render {
namespace {

constexpr uint16_t White = 0xFFFF;
constexpr uint16_t LightGreen = 0x57EA;
constexpr uint16_t LightCyan = 0x57FF;
constexpr uint16_t Yellow = 0xFFEA;
constexpr uint8_t GlyphA = 0x0A;  // the letter A of the game font
constexpr uint8_t Blank = 0x10;

int rightmostColumn(const GlyphPicture& p)
{
    int rightmost = 0;
    for (int i = 0; i < 256; ++i)
        if (p[static_cast<size_t>(i)]) rightmost = std::max(rightmost, i % 16);
    return rightmost;
}

using Renderer = RenderFixture;

TEST_F(Renderer, AStringOfOnlyTheEndDrawsTheEmptyWindow)
{
    setString({0xFF});
    render();
    EXPECT_EQ(layout().frameRows, 4);
    EXPECT_EQ(layout().frameColumns, 18);
    EXPECT_EQ(layout().bytesRead, 1u);

    EXPECT_EQ(px(8, 8), 0x0000);    // black corner pixel
    EXPECT_EQ(px(8, 9), 0x8430);    // gray
    EXPECT_EQ(px(12, 13), 0x001B);  // gradient on frame row 4
    EXPECT_EQ(px(35, 13), 0x0004);  // and on frame row 27
    EXPECT_EQ(px(39, 151), 0x0000);
    EXPECT_EQ(px(38, 149), 0x8430);
    EXPECT_EQ(nonZeroOutside(8, 8, 39, 151), 0);
    EXPECT_EQ(result.picture.pixels.size(), static_cast<size_t>(2 * ScreenW * ScreenH));
}

TEST_F(Renderer, AGlyphIsDrawnWhiteWithItsShadowOnTopOfTheWindow)
{
    setString({GlyphA, 0xFF});
    render();
    EXPECT_TRUE(glyphAt(gameHalfTilePicture(GlyphA), 16, 16, White));
    // The bar of the A is row 9, columns 0-5; its shadow lies right of it and
    // one row lower, where the clear pixels of row 10 keep it.
    EXPECT_EQ(px(25, 22), ShadowColour);
    EXPECT_EQ(px(26, 18), ShadowColour);
    // Clear pixels of the cell show the window's gradient (frame row 8 + m).
    EXPECT_EQ(px(16, 16), 31 - 8);
    EXPECT_EQ(layout().penX, 24);
}

TEST_F(Renderer, SixteenGlyphsFitOnALineAndTheSeventeenthWraps)
{
    std::vector<uint8_t> text(17, GlyphA);
    text.push_back(0xFF);
    setString(text);
    render();
    for (int k = 0; k < 16; ++k) EXPECT_TRUE(glyphAt(gameHalfTilePicture(GlyphA), 16, 16 + 8 * k, White, 16, 8)) << k;
    EXPECT_TRUE(glyphAt(gameHalfTilePicture(GlyphA), 32, 16, White, 16, 8));
    EXPECT_EQ(layout().frameRows, 6);
    EXPECT_EQ(nonZeroOutside(8, 8, 55, 151), 0);
    dump("wrap");
}

TEST_F(Renderer, TwoByteGlyphF070IsHalfTilesE0AndE1)
{
    setString({0xF0, 0x70, GlyphA, 0xFF});
    render();
    EXPECT_TRUE(glyphAt(gameWideGlyphPicture(0x70), 16, 16, White));
    EXPECT_TRUE(glyphAt(gameHalfTilePicture(GlyphA), 16, 32, White));  // wideAdvance 16
}

TEST_F(Renderer, LineBreakMovesThePenDownByTheCellHeight)
{
    for (bool hidden : {false, true}) {
        options.hideCodes = hidden;
        setString({GlyphA, 0xFD, GlyphA, 0xFF});
        render();
        EXPECT_TRUE(glyphAt(gameHalfTilePicture(GlyphA), 32, 16, White)) << hidden;
        EXPECT_EQ(layout().frameRows, 6);
    }
}

TEST_F(Renderer, ControlCodeLabelsAdvanceProportionallyWhateverTheVwfSetting)
{
    setString({0xF8, GlyphA, 0xFF});
    render();
    const int after = expectLabel("[$F8]", 16, 16, LightGreen);
    EXPECT_TRUE(glyphAt(gameHalfTilePicture(GlyphA), 16, after, White));
    EXPECT_EQ(layout().penX, after + 8);

    options.hideCodes = true;
    setString({0xF8, 0xFF});
    render();
    EXPECT_EQ(nonZeroOutside(8, 8, 39, 151), 0);
    EXPECT_EQ(px(16, 16), 31 - 8);  // nothing but the window
}

TEST_F(Renderer, OperandCodeShowsItsOperandsInTheLabelAndSkipsThem)
{
    setString({0xFC, 0x03, 0x12, GlyphA, 0xFF});
    render();
    const int after = expectLabel("[$FC0312]", 16, 16, LightCyan);
    EXPECT_TRUE(glyphAt(gameHalfTilePicture(GlyphA), 16, after, White));

    options.hideCodes = true;
    render();
    EXPECT_TRUE(glyphAt(gameHalfTilePicture(GlyphA), 16, 16, White));
    EXPECT_EQ(layout().penX, 24);
}

TEST_F(Renderer, KeyPromptIsALabelWithTwoHalfHeightLineBreaks)
{
    setString({GlyphA, 0xFE, GlyphA, 0xFF});
    render();
    expectLabel("[KEY]>", 16, 24, Yellow);
    EXPECT_TRUE(glyphAt(gameHalfTilePicture(GlyphA), 32, 16, White));
    EXPECT_EQ(layout().frameRows, 8);
    EXPECT_EQ(px(71, 8), 0x0000);  // the window's last row
    EXPECT_EQ(nonZeroOutside(8, 8, 71, 151), 0);
    dump("key");

    options.hideCodes = true;
    render();
    EXPECT_TRUE(glyphAt(gameHalfTilePicture(GlyphA), 16, 24, White));
    EXPECT_EQ(layout().frameRows, 4);
}

TEST_F(Renderer, VwfAdvancesByTheRightmostColumnAndBlanksBySix)
{
    constexpr uint8_t Exclamation = 0x11;  // its one column is column 0
    ASSERT_EQ(rightmostColumn(gameHalfTilePicture(Exclamation)), 0);
    ASSERT_GT(gameHalfTilePicture(Exclamation)[8 * 16], 0);
    options.variableWidth = true;
    setString({Blank, Exclamation, GlyphA, 0xF0, 0x70, GlyphA, 0xFF});
    render();
    const int a = rightmostColumn(gameHalfTilePicture(GlyphA));
    const int wide = rightmostColumn(gameWideGlyphPicture(0x70));
    ASSERT_EQ(a, 5);
    EXPECT_TRUE(glyphAt(gameHalfTilePicture(Exclamation), 16, 22, White, 16, 16, false));
    EXPECT_TRUE(glyphAt(gameHalfTilePicture(GlyphA), 16, 28, White, 16, 16, false));
    EXPECT_TRUE(glyphAt(gameWideGlyphPicture(0x70), 16, 28 + a + 2, White, 16, 16, false));
    EXPECT_TRUE(glyphAt(gameHalfTilePicture(GlyphA), 16, 28 + a + 2 + wide + 2, White));
}

TEST_F(Renderer, PreviewBytesAreDrawnWithThePreviewFont)
{
    options.preview = true;
    setString({0x41, 0xF4, 0x00, 0x41, 0x80, 0x41, 0xFF});
    render();
    EXPECT_TRUE(glyphAt(previewGlyphPicture(0x41), 16, 16, White));
    // F4 00 and 0x80 have no preview glyph: they draw blank and advance.
    EXPECT_TRUE(glyphAt(previewGlyphPicture(0x41), 16, 16 + 8 + 16, White));
    EXPECT_TRUE(glyphAt(previewGlyphPicture(0x41), 16, 16 + 8 + 16 + 8 + 8, White));
}

TEST_F(Renderer, TextBelowTheScreenContinuesAtTheTopAndTheWindowStopsAtTheBottom)
{
    std::vector<uint8_t> text(30, 0xFD);
    text.push_back(GlyphA);
    text.push_back(0xFF);
    setString(text);
    render();
    // PenY 16 + 30 x 16 = 496, taken modulo 369.
    EXPECT_TRUE(glyphAt(gameHalfTilePicture(GlyphA), 127, 16, White));
    EXPECT_EQ(layout().frameRows, 46);
    EXPECT_EQ(px(368, 8), 0x8430);  // left edge still running at the bottom row
}

}  // namespace
}  // namespace scrivel::testing_render
