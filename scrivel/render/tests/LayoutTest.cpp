// The layout record of a render: where each glyph went, where lines broke
// and wrapped, and how wide each line is. The fit check and the rewrap read
// these, so they must agree with the picture.

#include "RenderFixture.h"

#include "render/Palette.h"

#include <algorithm>

namespace scrivel::testing_render {
namespace {

constexpr uint8_t GlyphA = 0x0A;

using Layouts = RenderFixture;

std::vector<uint8_t> glyphs(size_t count, std::vector<uint8_t> after = {0xFF})
{
    std::vector<uint8_t> text(count, GlyphA);
    text.insert(text.end(), after.begin(), after.end());
    return text;
}

TEST_F(Layouts, AWrapIsRecordedWhereThePenReachedTheLineWidth)
{
    setString(glyphs(17));
    render();
    ASSERT_EQ(layout().glyphs.size(), 17u);
    ASSERT_EQ(layout().wraps.size(), 1u);
    const WrapPoint& wrap = layout().wraps[0];
    EXPECT_EQ(wrap.line, 0);
    EXPECT_EQ(wrap.glyphIndex, 15u);  // the sixteenth glyph brings the pen to 16 + 128 = 144
    EXPECT_EQ(wrap.byteOffset, 16u);
    EXPECT_TRUE(layout().drawsAfter(wrap));

    ASSERT_EQ(layout().lines.size(), 2u);
    EXPECT_EQ(layout().lines[0].end, LineEnd::Wrap);
    EXPECT_EQ(layout().lines[0].width, 128);
    EXPECT_EQ(layout().lines[0].glyphCount, 16u);
    EXPECT_EQ(layout().lines[1].end, LineEnd::EndOfText);
    EXPECT_EQ(layout().lines[1].width, 8);
    EXPECT_EQ(layout().lines[1].firstGlyph, 16u);
    EXPECT_EQ(layout().lines[1].firstByte, 16u);
    EXPECT_EQ(layout().lines[1].y, 32);

    // Every glyph sits where the picture has it.
    const GlyphPlacement& last = layout().glyphs.back();
    EXPECT_EQ(last.line, 1);
    EXPECT_EQ(last.x, 16);
    EXPECT_EQ(last.y, 32);
    EXPECT_TRUE(glyphAt(gameHalfTilePicture(GlyphA), last.y, last.x, Palette[TextColourIndex], 16, 8));
}

TEST_F(Layouts, AFullLineThatEndsTheTextWrapsButDrawsNothingAfter)
{
    for (const std::vector<uint8_t>& end : {std::vector<uint8_t>{0xFF}, std::vector<uint8_t>{0xFD, 0xFF}}) {
        setString(glyphs(16, end));
        render();
        ASSERT_EQ(layout().wraps.size(), 1u);
        EXPECT_FALSE(layout().drawsAfter(layout().wraps[0]));
        EXPECT_EQ(layout().lines[0].width, 128);
    }
    // One glyph less fits without a wrap.
    setString(glyphs(15));
    render();
    EXPECT_TRUE(layout().wraps.empty());
    EXPECT_EQ(layout().lines.size(), 1u);
    EXPECT_EQ(layout().lines[0].width, 120);
}

TEST_F(Layouts, LineBreaksAndTheKeyPromptEndLines)
{
    // A, break, A A, key prompt (its label breaks twice), A.
    setString({GlyphA, 0xFD, GlyphA, GlyphA, 0xFE, GlyphA, 0xFF});
    render();
    const auto& lines = layout().lines;
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].end, LineEnd::LineBreak);
    EXPECT_EQ(lines[0].width, 8);
    EXPECT_EQ(lines[1].firstByte, 2u);
    EXPECT_EQ(lines[1].end, LineEnd::LineBreak);
    EXPECT_EQ(lines[2].glyphCount, 0u);  // between the label's two breaks
    EXPECT_EQ(lines[2].firstByte, 5u);
    EXPECT_EQ(lines[3].firstByte, 5u);
    EXPECT_EQ(lines[3].end, LineEnd::EndOfText);
    EXPECT_EQ(lines[3].glyphCount, 1u);

    // The label's characters belong to line 1 and name the key prompt's byte.
    const auto labels = std::count_if(layout().glyphs.begin(), layout().glyphs.end(), [](const GlyphPlacement& g) {
        return g.kind == GlyphKind::Label && g.line == 1 && g.byteOffset == 4;
    });
    EXPECT_EQ(labels, 6);  // "[KEY]>"
    EXPECT_GT(lines[1].width, 16);  // two glyphs and the label
    EXPECT_EQ(layout().bytesRead, 7u);

    // Hidden, the prompt draws nothing and breaks no line.
    options.hideCodes = true;
    render();
    EXPECT_EQ(layout().lines.size(), 2u);
    EXPECT_EQ(layout().lines[1].width, 24);
}

TEST_F(Layouts, TwoByteGlyphsAndOperandCodesNameTheirFirstByte)
{
    setString({0xF0, 0x70, 0xFC, 0x01, 0x02, GlyphA, 0xFF});
    render();
    ASSERT_GE(layout().glyphs.size(), 3u);
    EXPECT_EQ(layout().glyphs.front().kind, GlyphKind::TwoByte);
    EXPECT_EQ(layout().glyphs.front().number, 0x070u);
    EXPECT_EQ(layout().glyphs.front().advance, 16);
    EXPECT_EQ(layout().glyphs[1].kind, GlyphKind::Label);
    EXPECT_EQ(layout().glyphs[1].byteOffset, 2u);
    EXPECT_EQ(layout().glyphs.back().kind, GlyphKind::OneByte);
    EXPECT_EQ(layout().glyphs.back().byteOffset, 5u);
}

TEST_F(Layouts, LayoutAloneMatchesTheLayoutOfTheDrawnPicture)
{
    setString({GlyphA, 0xF8, 0xF0, 0x70, 0xFE, GlyphA, GlyphA, GlyphA, GlyphA, GlyphA, GlyphA, GlyphA, GlyphA,
               GlyphA, GlyphA, GlyphA, GlyphA, GlyphA, 0xFF});
    options.variableWidth = true;
    render();
    const Layout drawn = layout();
    ASSERT_TRUE(result.picture.ready());

    options.drawPicture = false;
    render();
    EXPECT_TRUE(result.picture.pixels.empty());
    EXPECT_FALSE(result.picture.ready());
    ASSERT_EQ(layout().glyphs.size(), drawn.glyphs.size());
    for (size_t i = 0; i < drawn.glyphs.size(); ++i) {
        EXPECT_EQ(layout().glyphs[i].x, drawn.glyphs[i].x) << i;
        EXPECT_EQ(layout().glyphs[i].y, drawn.glyphs[i].y) << i;
        EXPECT_EQ(layout().glyphs[i].line, drawn.glyphs[i].line) << i;
    }
    ASSERT_EQ(layout().lines.size(), drawn.lines.size());
    for (size_t i = 0; i < drawn.lines.size(); ++i) EXPECT_EQ(layout().lines[i].width, drawn.lines[i].width) << i;
    EXPECT_EQ(layout().wraps.size(), drawn.wraps.size());
    EXPECT_EQ(layout().frameRows, drawn.frameRows);
}

TEST_F(Layouts, AWidthCacheGivesTheLayoutOfTheDrawnPicture)
{
    // Labels (8 x 8 cells), one- and two-byte glyphs sharing a number, in
    // game and preview fonts: the cache must tell them apart.
    const std::vector<uint8_t> bytes = {0x70, 0xF8, 0xF0, 0x70, 0x0A, 0xFE, 0x21, 0x6C, 0xF0, 0x21, 0xFC, 0x01,
                                        0x02, 0x0A, 0x70, 0x70, 0x6C, 0x6C, 0x21, 0x21, 0x0A, 0x0A, 0xFF};
    setString(bytes);
    options.variableWidth = true;
    GlyphWidthCache cache;
    for (bool preview : {false, true}) {
        options.preview = preview;
        options.drawPicture = true;
        render();
        const Layout drawn = layout();
        options.drawPicture = false;
        for (int round = 0; round < 2; ++round) {  // filling the cache, then reading it
            RenderInput input;
            input.bytes = text;
            input.format = format;
            input.fonts = fonts;
            input.options = options;
            input.widths = &cache;
            renderText(input, result);
            ASSERT_EQ(layout().glyphs.size(), drawn.glyphs.size());
            for (size_t i = 0; i < drawn.glyphs.size(); ++i) {
                EXPECT_EQ(layout().glyphs[i].x, drawn.glyphs[i].x) << preview << round << i;
                EXPECT_EQ(layout().glyphs[i].advance, drawn.glyphs[i].advance) << preview << round << i;
            }
        }
        cache = {};  // the options change
    }
}

TEST_F(Layouts, GivenFontsAreDrawnInPlaceOfTheProgramsOwn)
{
    // A game font of two half tiles: 0 solid, 1 empty. Glyphs past it are blank.
    std::vector<uint8_t> game(32, 0);
    std::fill(game.begin(), game.begin() + 16, 0xFF);
    fonts.game = game;
    options.variableWidth = true;
    setString({0x00, 0x01, GlyphA, 0x00, 0xFF});
    render();
    const uint16_t white = Palette[TextColourIndex];
    EXPECT_EQ(px(16, 16), white);
    EXPECT_EQ(px(31, 23), white);
    // Half tile 0 is 8 columns wide: rightmost 7, advance 9; the blanks advance 6.
    ASSERT_EQ(layout().glyphs.size(), 4u);
    EXPECT_EQ(layout().glyphs[1].x, 16 + 9);
    EXPECT_EQ(layout().glyphs[2].x, 16 + 9 + 6);
    EXPECT_EQ(layout().glyphs[3].x, 16 + 9 + 6 + 6);
    EXPECT_EQ(px(16, 16 + 9), 31 - 8);  // half tile 1 drew nothing over the window

    // No window tiles: no frame, only the glyphs.
    fonts.windowTiles = {};
    render();
    EXPECT_EQ(px(8, 8), 0);
    EXPECT_EQ(px(16, 16), white);
}

}  // namespace
}  // namespace scrivel::testing_render
