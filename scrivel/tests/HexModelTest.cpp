#include <gtest/gtest.h>

#include "editor/EditorState.h"
#include "editor/HexModel.h"
#include "render/GlyphPictures.h"

using namespace scrivel;

namespace {

class HexModelTest : public ::testing::Test {
protected:
    HexModelTest() { hex.layout(141, 15); }  // the window's client height and line height: 9 rows

    void show(std::vector<uint8_t> bytes) { hex.showBytes(bytes.data(), bytes.size(), true); }

    HexModel hex;
    EditorState state;
};

TEST_F(HexModelTest, CopiesTheStringWithItsClosingByte)
{
    show({0x10, 0x20, 0xFF, 0x30});
    EXPECT_EQ(hex.HexCount, 3);
    EXPECT_EQ(hex.HexBytes[2], 0xFF);
    EXPECT_EQ(hex.HexBytes[3], 0);

    show({0xFF});
    EXPECT_EQ(hex.HexCount, 1);
    EXPECT_EQ(hex.HexBytes[0], 0xFF);
    EXPECT_EQ(hex.HexBytes[1], 0);  // the earlier string's bytes are gone

    // The source ends without 0xFF: what lies past it reads as 0xFF.
    std::vector<uint8_t> cut = {1, 2};
    hex.showBytes(cut.data(), cut.size(), true);
    EXPECT_EQ(hex.HexCount, 3);
    EXPECT_EQ(hex.HexBytes[2], 0xFF);
}

TEST_F(HexModelTest, KeepsAtMost4096Bytes)
{
    std::vector<uint8_t> longString(5000, 0x41);
    show(longString);
    EXPECT_EQ(hex.HexCount, 4096);
    longString[4096] = 0xFF;  // the closing byte would have no room
    show(longString);
    EXPECT_EQ(hex.HexCount, 4096);
    EXPECT_EQ(hex.HexBytes[4095], 0x41);
}

TEST_F(HexModelTest, DoesNothingWithoutARom)
{
    show({1, 0xFF});
    std::vector<uint8_t> other = {7, 0xFF};
    hex.showBytes(other.data(), other.size(), false);
    EXPECT_EQ(hex.HexBytes[0], 1);
}

TEST_F(HexModelTest, CursorSurvivesANewStringAndTheGridStartsAtTheTop)
{
    show(std::vector<uint8_t>(100, 1));
    hex.CursorRow = 3;
    hex.CursorColumn = 4;
    hex.TopOffset = 32;
    show({0xFF});
    EXPECT_EQ(hex.TopOffset, 0);
    EXPECT_EQ(hex.CursorRow, 3);
    EXPECT_EQ(hex.CursorColumn, 4);
}

TEST_F(HexModelTest, ArrowKeys)
{
    EXPECT_EQ(hex.HexRows, 9);
    hex.left();  // row 0, column 0, top 0: column 15 of the same row
    EXPECT_EQ(hex.CursorColumn, 15);
    EXPECT_EQ(hex.CursorRow, 0);
    EXPECT_EQ(hex.TopOffset, 0);

    hex.CursorRow = 8;
    hex.right();  // column 15 of the bottom row: the grid advances one row
    EXPECT_EQ(hex.CursorColumn, 0);
    EXPECT_EQ(hex.CursorRow, 8);
    EXPECT_EQ(hex.TopOffset, 16);
    hex.up();
    EXPECT_EQ(hex.CursorRow, 7);
    hex.CursorRow = 0;
    hex.up();
    EXPECT_EQ(hex.TopOffset, 0);

    // The grid advances until TopOffset + 16 would reach 4096; the cells
    // beyond the bytes read as 0.
    hex.CursorRow = 8;
    for (int i = 0; i < 400; ++i) hex.down();
    EXPECT_EQ(hex.TopOffset, 4080);
    hex.CursorColumn = 15;
    EXPECT_GE(hex.cursorIndex(), 4096);
    EXPECT_EQ(hex.byteAt(hex.cursorIndex()), 0);
    EXPECT_EQ(hex.cursorGlyph(), gameHalfTilePicture(0));
}

TEST_F(HexModelTest, CaptionShowsTheAddressUpToTheClosingByte)
{
    state.BlockAddress[0] = 0x1A8000;
    state.CurrentPointer = 0x9C40;
    std::vector<uint8_t> forty(39, 0x01);
    forty.push_back(0xFF);
    show(forty);
    hex.CursorRow = 1;
    hex.CursorColumn = 2;
    EXPECT_EQ(hex.caption(state), "Hex Data - $001A9C52");
    hex.CursorRow = 5;  // past the end: the address of the closing 0xFF
    EXPECT_EQ(hex.caption(state), "Hex Data - $001A9C67");

    show({0xFF});
    hex.CursorRow = 0;
    hex.CursorColumn = 0;
    EXPECT_EQ(hex.caption(state), "Hex Data - $001A9C40");
}

TEST_F(HexModelTest, GlyphUnderTheCursor)
{
    show({0xF3, 0x21, 0x05, 0xF7, 0x01, 0xF8, 0xFF});
    EXPECT_EQ(hex.cursorGlyph(), gameWideGlyphPicture(0x321));  // half tiles 0x642 and 0x643
    hex.CursorColumn = 2;
    EXPECT_EQ(hex.cursorGlyph(), gameHalfTilePicture(0x05));
    hex.CursorColumn = 3;  // 0xF7 leads a two-byte glyph here
    EXPECT_EQ(hex.cursorGlyph(), GlyphPicture{});  // index 0x701 lies past the font: blank
    hex.CursorColumn = 5;
    EXPECT_EQ(hex.cursorGlyph(), gameHalfTilePicture(0xF8));
}

}  // namespace
