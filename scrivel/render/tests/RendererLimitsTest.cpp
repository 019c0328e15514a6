// The renderer on input that does not fit: strings without their end,
// strings outside the image, odd cell sizes and windows wider than the
// screen. Nothing may be read or written outside its buffer (the sanitizer
// build watches that); the pictures stay as the rules make them.

#include "RenderFixture.h"

#include "render/Palette.h"
#include "render/Screen.h"
#include "rom/Pointers.h"

namespace scrivel::testing_render {
namespace {

constexpr uint16_t White = 0xFFFF;
constexpr uint8_t GlyphA = 0x0A;

using RendererLimits = RenderFixture;

TEST_F(RendererLimits, AStringRunningToTheImageEndStopsThere)
{
    const auto start = static_cast<size_t>(SnesToFileOffset(0x1A0000 | StringPointer));
    s.RomImage.resize(start + 3);
    s.RomImage[start] = GlyphA;
    s.RomImage[start + 1] = GlyphA;
    s.RomImage[start + 2] = 0xF0;  // a two-byte lead whose second byte reads 0xFF
    render();
    EXPECT_EQ(s.PenX, 16 + 8 + 8 + 16);
    EXPECT_EQ(screen.presents, 1);
    EXPECT_EQ(hex.HexCount, 4);  // the bytes and the 0xFF read past the end
}

TEST_F(RendererLimits, AStringStartingOutsideTheImageIsEmpty)
{
    s.RomImage.resize(0x100);  // the pointer table itself lies outside: 0xFFFF
    render();
    EXPECT_EQ(s.CurrentPointer, 0xFFFF);
    EXPECT_EQ(hex.HexCount, 1);
    EXPECT_EQ(hex.HexBytes[0], 0xFF);
    EXPECT_EQ(s.PenX, 16);
    EXPECT_EQ(nonZeroOutside(8, 8, 39, 151), 0);
}

TEST_F(RendererLimits, PreviewBytesWithoutTheirEndStopAtTheBufferEnd)
{
    s.Checks.DTT = true;
    s.PreviewBytes.fill(0x41);
    render();
    EXPECT_EQ(screen.presents, 1);
    EXPECT_EQ(s.FrameRows, 46);
}

TEST_F(RendererLimits, SmallCellsTakeTheTopLeftOfThePicture)
{
    s.Format.CellHeight = 12;
    s.Format.CellWidth = 12;
    setString({GlyphA, GlyphA, 0xFD, GlyphA, 0xFF});
    render(12, 12);
    EXPECT_TRUE(glyphAt(gameHalfTilePicture(GlyphA), 16, 16, White, 12, 8));
    EXPECT_TRUE(glyphAt(gameHalfTilePicture(GlyphA), 16, 24, White, 12, 12));
    EXPECT_TRUE(glyphAt(gameHalfTilePicture(GlyphA), 28, 16, White, 12, 12));  // pen down by 12
    for (int c = 16; c < 40; ++c) EXPECT_NE(px(16 + 12, c), White) << c;     // rows 12-15 not drawn
}

TEST_F(RendererLimits, LargeCellsDrawAtMostSixteenBySixteen)
{
    s.Format.CellHeight = 40;
    s.Format.CellWidth = 200;
    s.Format.WideAdvance = 200;
    setString({0xF0, 0x70, 0xF0, 0x70, 0xFD, GlyphA, 0xFF});
    render(40, 200);
    EXPECT_TRUE(glyphAt(gameWideGlyphPicture(0x70), 16, 16, White));
    EXPECT_TRUE(glyphAt(gameWideGlyphPicture(0x70), 16 + 40, 16, White));  // wrapped at 216 >= 144
    EXPECT_TRUE(glyphAt(gameHalfTilePicture(GlyphA), 16 + 120, 16, White));  // and the break
    EXPECT_EQ(s.FrameRows, 10);
}

TEST_F(RendererLimits, LabelsInAnEightByEightFormatAreGameCells)
{
    s.Format.CellHeight = 8;
    s.Format.CellWidth = 8;
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
        s.Format.LineWidth = c.lineWidth;
        std::vector<uint8_t> text(600, GlyphA);
        text.push_back(0xFF);
        setString(text);
        render();
        EXPECT_EQ(s.FrameColumns, c.lineWidth / 8);
        EXPECT_EQ(s.FrameMap.columns, c.mapColumns);
        EXPECT_EQ(s.FrameRows, c.frameRows) << c.lineWidth;
        EXPECT_EQ(s.ScreenBuffer.size(), static_cast<size_t>(2 * ScreenW * ScreenH));
    }
}

TEST_F(RendererLimits, DrawingOnATinyScreenIsCutAtTheBufferEnd)
{
    ASSERT_TRUE(setupScreen(s, 24, 20));
    s.Format.LineWidth = 400;
    std::vector<uint8_t> text(120, 0xF8);
    text.push_back(0xFF);
    setString(text);
    render();
    EXPECT_EQ(s.FrameRows, 2);
    ASSERT_EQ(screen.shown.size(), 24u * 20u);
}

TEST_F(RendererLimits, WithoutAScreenTheRenderStillReadsItsString)
{
    s.ScreenBuffer.clear();
    s.ScreenWidth = 0;
    s.ScreenHeight = 0;
    setString({GlyphA, 0xFF});
    render();
    EXPECT_EQ(screen.presents, 0);
    EXPECT_EQ(hex.HexCount, 2);
    EXPECT_EQ(s.CurrentPointer, StringPointer);
}

}  // namespace
}  // namespace scrivel::testing_render
