#include <gtest/gtest.h>

#include "editor/EditorState.h"
#include "editor/HexModel.h"
#include "render/GlyphPictures.h"

using namespace scrivel::rom;
using namespace scrivel::render;
using namespace scrivel::script;
using namespace scrivel::editor;

namespace {

class HexModelTest : public ::testing::Test {
protected:
    HexModelTest() { hex.layout(141, 15); }  // the window's client height and line height: 9 rows

    void show(std::vector<uint8_t> bytes) { hex.showBytes(bytes); }

    HexModel hex;
    EditorState state;
};

TEST_F(HexModelTest, CopiesTheStringWithItsClosingByte)
{
    show({0x10, 0x20, 0xFF, 0x30});
    EXPECT_EQ(hex.count, 3);
    EXPECT_EQ(hex.bytes[2], 0xFF);
    EXPECT_EQ(hex.bytes[3], 0);

    show({0xFF});
    EXPECT_EQ(hex.count, 1);
    EXPECT_EQ(hex.bytes[0], 0xFF);
    EXPECT_EQ(hex.bytes[1], 0);  // the earlier string's bytes are gone

    // The source ends without 0xFF: what lies past it reads as 0xFF.
    std::vector<uint8_t> cut = {1, 2};
    hex.showBytes(cut);
    EXPECT_EQ(hex.count, 3);
    EXPECT_EQ(hex.bytes[2], 0xFF);
}

TEST_F(HexModelTest, KeepsAtMost4096Bytes)
{
    std::vector<uint8_t> longString(5000, 0x41);
    show(longString);
    EXPECT_EQ(hex.count, 4096);
    longString[4096] = 0xFF;  // the closing byte would have no room
    show(longString);
    EXPECT_EQ(hex.count, 4096);
    EXPECT_EQ(hex.bytes[4095], 0x41);
}

TEST_F(HexModelTest, CursorSurvivesANewStringAndTheGridStartsAtTheTop)
{
    show(std::vector<uint8_t>(100, 1));
    hex.cursorRow = 3;
    hex.cursorColumn = 4;
    hex.topOffset = 32;
    show({0xFF});
    EXPECT_EQ(hex.topOffset, 0);
    EXPECT_EQ(hex.cursorRow, 3);
    EXPECT_EQ(hex.cursorColumn, 4);
}

TEST_F(HexModelTest, ArrowKeysWrapAtTheRowEndsAndScrollTheGrid)
{
    EXPECT_EQ(hex.rows, 9);
    hex.left();  // row 0, column 0, top 0: column 15 of the same row
    EXPECT_EQ(hex.cursorColumn, 15);
    EXPECT_EQ(hex.cursorRow, 0);
    EXPECT_EQ(hex.topOffset, 0);

    hex.cursorRow = 8;
    hex.right();  // column 15 of the bottom row: the grid advances one row
    EXPECT_EQ(hex.cursorColumn, 0);
    EXPECT_EQ(hex.cursorRow, 8);
    EXPECT_EQ(hex.topOffset, 16);
    hex.up();
    EXPECT_EQ(hex.cursorRow, 7);
    hex.cursorRow = 0;
    hex.up();
    EXPECT_EQ(hex.topOffset, 0);

    // The grid advances until topOffset + 16 would reach 4096; the cells
    // beyond the bytes read as 0.
    hex.cursorRow = 8;
    for (int i = 0; i < 400; ++i) hex.down();
    EXPECT_EQ(hex.topOffset, 4080);
    hex.cursorColumn = 15;
    EXPECT_GE(hex.cursorIndex(), 4096);
    EXPECT_EQ(hex.byteAt(hex.cursorIndex()), 0);
    EXPECT_EQ(hex.cursorGlyph(), gameHalfTilePicture(0));
}

TEST_F(HexModelTest, CaptionShowsTheAddressUpToTheClosingByte)
{
    state.blockAddress[0] = 0x1A8000;
    state.currentPointer = 0x9C40;
    std::vector<uint8_t> forty(39, 0x01);
    forty.push_back(0xFF);
    show(forty);
    hex.cursorRow = 1;
    hex.cursorColumn = 2;
    EXPECT_EQ(hex.caption(state), "Hex Data - $001A9C52");
    hex.cursorRow = 5;  // past the end: the address of the closing 0xFF
    EXPECT_EQ(hex.caption(state), "Hex Data - $001A9C67");

    show({0xFF});
    hex.cursorRow = 0;
    hex.cursorColumn = 0;
    EXPECT_EQ(hex.caption(state), "Hex Data - $001A9C40");
}

TEST_F(HexModelTest, GlyphUnderTheCursorIsItsOneOrTwoByteGameGlyph)
{
    show({0xF3, 0x21, 0x05, 0xF7, 0x01, 0xF8, 0xFF});
    EXPECT_EQ(hex.cursorGlyph(), gameWideGlyphPicture(0x321));  // half tiles 0x642 and 0x643
    hex.cursorColumn = 2;
    EXPECT_EQ(hex.cursorGlyph(), gameHalfTilePicture(0x05));
    hex.cursorColumn = 3;  // 0xF7 leads a two-byte glyph here
    EXPECT_EQ(hex.cursorGlyph(), GlyphPicture{});  // index 0x701 lies past the font: blank
    hex.cursorColumn = 5;
    EXPECT_EQ(hex.cursorGlyph(), gameHalfTilePicture(0xF8));
}

}  // namespace
