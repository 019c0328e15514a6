#include <gtest/gtest.h>

#include <cstdio>

#include "rom/DataFile.h"

using namespace scrivel::rom;

namespace {

TEST(DataFile, ReadsFormatAndBlockLinesInEitherLetterCase)
{
    FontFormat f;
    auto result = parseDataFile("; layout of the dialogue box\r\n"
                                ".FORMAT 18 16 16 1 16 0 1 2 3\r\n"
                                ".BLOCK 1A8000 1A0000 40\r\n"
                                ".block 1D8000 1d0000 2\r\n",
                                f);
    EXPECT_EQ(f.lineWidth, 144);
    EXPECT_EQ(f.cellHeight, 16);
    EXPECT_EQ(f.cellWidth, 16);
    EXPECT_EQ(f.unusedNumbers[0], 1);
    EXPECT_EQ(f.wideAdvance, 16);
    EXPECT_EQ(f.unusedNumbers[1], 0);
    EXPECT_EQ(f.unusedNumbers[2], 1);
    EXPECT_EQ(f.unusedNumbers[3], 2);
    EXPECT_EQ(f.unusedNumbers[4], 3);
    ASSERT_EQ(result.blocks.size(), 2u);
    EXPECT_EQ(result.blocks[0].address, 0x1A8000u);
    EXPECT_EQ(result.blocks[0].textBank, 0x1A0000u);
    EXPECT_EQ(result.blocks[0].stringCount, 0x40);
    EXPECT_EQ(result.blocks[1].address, 0x1D8000u);
    EXPECT_EQ(result.blocks[1].textBank, 0x1D0000u);
    EXPECT_EQ(result.blocks[1].stringCount, 2);
    EXPECT_FALSE(result.truncated);
}

TEST(DataFile, FormatLineKeepsNumbersItDoesNotGiveAndStoresLowBits)
{
    FontFormat f;
    f.unusedNumbers[0] = 7;
    f.wideAdvance = 9;
    parseDataFile(".format 20 8 8\n", f);
    EXPECT_EQ(f.lineWidth, 160);
    EXPECT_EQ(f.cellHeight, 8);
    EXPECT_EQ(f.cellWidth, 8);
    EXPECT_EQ(f.unusedNumbers[0], 7);
    EXPECT_EQ(f.wideAdvance, 9);

    FontFormat g;
    parseDataFile(".FORMAT 18 264 300 x 5\n", g);
    EXPECT_EQ(g.cellHeight, 8);   // 264
    EXPECT_EQ(g.cellWidth, 44);   // 300
    EXPECT_EQ(g.wideAdvance, 0);  // reading stopped at "x"

    // Number 1 is multiplied by 8 even when the line does not give it; the
    // multiplication is 16-bit.
    FontFormat h;
    parseDataFile(".FORMAT 18\n.FORMATS\n", h);
    EXPECT_EQ(h.lineWidth, 144 * 8);
    FontFormat k;
    parseDataFile(".FORMAT 8193 -1\n", k);
    EXPECT_EQ(k.lineWidth, 8);
    EXPECT_EQ(k.cellHeight, 255);
}

TEST(DataFile, BlockLinesAndWhatIsIgnored)
{
    FontFormat f;
    auto result = parseDataFile("  .BLOCK 1A8000 1A0000 4\n"      // indented: ignored
                                ".BLOCKS 0x1B8000 1b0000 10041\n"  // longer keyword counts; low 16 bits
                                ".BLOCK 1C8000 1C0000\n"           // two numbers: skipped
                                "BLOCK 1C8000 1C0000 3\n"
                                "\n"
                                ".BLOCK\t1D8000\t1D0000\t3",        // tabs, no final line break
                                f);
    ASSERT_EQ(result.blocks.size(), 2u);
    EXPECT_EQ(result.blocks[0].address, 0x1B8000u);
    EXPECT_EQ(result.blocks[0].textBank, 0x1B0000u);
    EXPECT_EQ(result.blocks[0].stringCount, 0x41);
    EXPECT_EQ(result.blocks[1].address, 0x1D8000u);
    EXPECT_EQ(f.lineWidth, 0);  // no format line: untouched
}

TEST(DataFile, LongLinesAreReadInPiecesOf255)
{
    std::string line = ".BLOCK 1A8000 1A0000 2" + std::string(255 - 22, ' ');
    line += ".BLOCK 1B8000 1B0000 3" + std::string(23, 'x');  // the remaining 45 characters
    ASSERT_EQ(line.size(), 300u);
    auto lines = dataFileLines(line + "\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 255u);
    EXPECT_EQ(lines[1].size(), 45u);

    FontFormat f;
    auto result = parseDataFile(line + "\n", f);
    ASSERT_EQ(result.blocks.size(), 2u);
    EXPECT_EQ(result.blocks[1].address, 0x1B8000u);
}

TEST(DataFile, KeepsTheFirst256Blocks)
{
    std::string text;
    for (int i = 0; i < 300; ++i) {
        char line[64];
        std::snprintf(line, sizeof line, ".BLOCK %X 1D0000 1\n", 0x1A8000 + 2 * i);
        text += line;
    }
    FontFormat f;
    auto result = parseDataFile(text, f);
    EXPECT_EQ(result.blocks.size(), 256u);
    EXPECT_TRUE(result.truncated);
    EXPECT_EQ(result.blocks[255].address, 0x1A8000u + 2 * 255);
}

}  // namespace

TEST(DataFileDirectives, CollectsTheLaterKindsOfLineWithTheirLineNumbers)
{
    FontFormat f;
    const auto result = parseDataFile(".FORMAT 20 16 16\r\n"
                                      ".TABLE  tables/my game.tbl \r\n"
                                      ".tablet x\n"
                                      ".free 1DF000 1DFFFF\n"
                                      ".FREE 1AA000 1AA0FF\n"
                                      ".GAMEFONT ROM 3E0000\n"
                                      ".PREVIEWFONT fonts/preview.png\n"
                                      ".BLOCK 1A8000 1A0000 4\n"
                                      ".table second.tbl\n",
                                      f);
    ASSERT_EQ(result.blocks.size(), 1u);
    EXPECT_EQ(f.lineWidth, 160);
    ASSERT_TRUE(result.table);
    EXPECT_EQ(result.table->argument, "second.tbl");  // the last line of a kind stands
    EXPECT_EQ(result.table->lineNumber, 9u);
    ASSERT_EQ(result.freeRanges.size(), 2u);
    EXPECT_EQ(result.freeRanges[0].argument, "1DF000 1DFFFF");
    EXPECT_EQ(result.freeRanges[1].lineNumber, 5u);
    ASSERT_TRUE(result.gameFont);
    EXPECT_EQ(result.gameFont->argument, "ROM 3E0000");
    ASSERT_TRUE(result.previewFont);
    EXPECT_EQ(result.previewFont->argument, "fonts/preview.png");

    const auto path = parseDataFile(".TABLE  tables/my game.tbl \r\n", f);
    ASSERT_TRUE(path.table);
    EXPECT_EQ(path.table->argument, "tables/my game.tbl");  // blanks inside kept, around dropped
    EXPECT_FALSE(parseDataFile(".TABLEx a\n", f).table);
}
