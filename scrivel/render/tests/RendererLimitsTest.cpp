// The renderer on input that does not fit: strings without their end,
// strings outside the image, odd cell sizes and windows wider than the
// screen. Nothing may be read or written outside its buffer (the sanitizer
// build watches that); the pictures stay as the rules make them.

#include "RenderFixture.h"

#include "render/Palette.h"

namespace scrivel::testing_render {
namespace {

constexpr uint16_t White = 0xFFFF;
constexpr uint8_t GlyphA = 0x0A;

using RendererLimits = RenderFixture;

TEST_F(RendererLimits, AStringRunningToItsBufferEndStopsThere)
{
    setString({GlyphA, GlyphA, 0xF0});  // a two-byte lead whose second byte reads 0xFF
    render();
    EXPECT_EQ(layout().penX, 16 + 8 + 8 + 16);
    EXPECT_EQ(layout().bytesRead, 5u);  // the lead's second byte and the end, both read past the buffer
    EXPECT_TRUE(result.picture.ready());
}

TEST_F(RendererLimits, AnEmptyBufferIsAnEmptyString)
{
    setString({});
    render();
    EXPECT_EQ(layout().penX, 16);
    EXPECT_TRUE(layout().glyphs.empty());
    EXPECT_EQ(nonZeroOutside(8, 8, 39, 151), 0);
}

TEST_F(RendererLimits, SmallCellsTakeTheTopLeftOfThePicture)
{
    format.cellHeight = 12;
    format.cellWidth = 12;
    setString({GlyphA, GlyphA, 0xFD, GlyphA, 0xFF});
    render(12, 12);
    EXPECT_TRUE(glyphAt(gameHalfTilePicture(GlyphA), 16, 16, White, 12, 8));
    EXPECT_TRUE(glyphAt(gameHalfTilePicture(GlyphA), 16, 24, White, 12, 12));
    EXPECT_TRUE(glyphAt(gameHalfTilePicture(GlyphA), 28, 16, White, 12, 12));  // pen down by 12
    for (int c = 16; c < 40; ++c) EXPECT_NE(px(16 + 12, c), White) << c;     // rows 12-15 not drawn
}

TEST_F(RendererLimits, LargeCellsDrawAtMostSixteenBySixteen)
{
    format.cellHeight = 40;
    format.cellWidth = 200;
    format.wideAdvance = 200;
    setString({0xF0, 0x70, 0xF0, 0x70, 0xFD, GlyphA, 0xFF});
    render(40, 200);
    EXPECT_TRUE(glyphAt(gameWideGlyphPicture(0x70), 16, 16, White));
    EXPECT_TRUE(glyphAt(gameWideGlyphPicture(0x70), 16 + 40, 16, White));  // wrapped at 216 >= 144
    EXPECT_TRUE(glyphAt(gameHalfTilePicture(GlyphA), 16 + 120, 16, White));  // and the break
    EXPECT_EQ(layout().frameRows, 10);
}

TEST_F(RendererLimits, LabelsInAnEightByEightFormatAreGameCells)
{
    format.cellHeight = 8;
    format.cellWidth = 8;
    setString({0xF8, 0xFF});
    render(8, 8);
    // The label's characters come from the game font's top-left 8 x 8.
    EXPECT_TRUE(glyphAt(gameHalfTilePicture('['), 16, 16, 0x57EA, 8, 8, false));
}

TEST_F(RendererLimits, WindowsWiderThanTheMapOrOneTileNarrowAreSafe)
{
    struct Case {
        uint16_t lineWidth;
        uint16_t mapColumns;
        uint16_t frameRows;
    };
    for (const Case c : {Case{65528, 128, 4}, Case{8, 1, 46}, Case{0x10, 2, 46}}) {
        format.lineWidth = c.lineWidth;
        std::vector<uint8_t> text(600, GlyphA);
        text.push_back(0xFF);
        setString(text);
        render();
        EXPECT_EQ(layout().frameColumns, c.lineWidth / 8);
        EXPECT_EQ(layout().frameMapColumns, c.mapColumns);
        EXPECT_EQ(layout().frameRows, c.frameRows) << c.lineWidth;
        EXPECT_EQ(result.picture.pixels.size(), static_cast<size_t>(2 * ScreenW * ScreenH));
    }
}

TEST_F(RendererLimits, DrawingOnATinyScreenIsCutAtTheBufferEnd)
{
    options.screenWidth = 24;
    options.screenHeight = 20;
    format.lineWidth = 400;
    std::vector<uint8_t> text(120, 0xF8);
    text.push_back(0xFF);
    setString(text);
    render();
    EXPECT_EQ(layout().frameRows, 2);
    ASSERT_EQ(result.picture.visibleCount(), 24u * 20u);
    EXPECT_EQ(result.picture.pixels.size(), 2u * 24u * 20u);
}

}  // namespace
}  // namespace scrivel::testing_render
