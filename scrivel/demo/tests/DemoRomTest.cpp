#include "DemoRom.h"
#include "GameText.h"

#include "rom/Pointers.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

namespace scrivel::demo {
namespace {

TEST(DemoRom, CarriesTheTitleAndEveryStringWhereTheEditorLooksForIt)
{
    const auto blocks = demoBlocks();
    const std::vector<uint8_t> image = buildDemoRom(blocks);
    ASSERT_EQ(image.size(), DemoRomSize);
    EXPECT_EQ(std::string(image.begin() + 0x7FC0, image.begin() + 0x7FC0 + 13), "VARKEL -OSTI-");

    bool lowIn1A = false, highIn1A = false, otherBank = false;
    for (size_t b = 0; b < blocks.size(); ++b) {
        for (size_t n = 0; n < blocks[b].strings.size(); ++n) {
            // The way the editor goes from a block and string number to the bytes.
            const uint16_t pointer = rom::readPointer(image, blocks[b].tableAddress, static_cast<int32_t>(n));
            const int64_t at = rom::snesToFileOffset(rom::stringAddress(blocks[b].textBank, pointer));
            const auto& bytes = blocks[b].strings[n].bytes;
            ASSERT_GE(at, 0);
            EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), image.begin() + at)) << b << "/" << n;
            EXPECT_EQ(bytes.back(), 0xFF);
            lowIn1A |= blocks[b].textBank == 0x1A0000 && pointer < 0xA800;
            highIn1A |= blocks[b].textBank == 0x1A0000 && pointer >= 0xA800;
            otherBank |= blocks[b].textBank != 0x1A0000 && blocks[b].textBank != 0x1D0000;
        }
    }
    EXPECT_TRUE(lowIn1A && highIn1A && otherBank);
}

TEST(DemoRom, DataFileListsTheFormatAndTheBlocks)
{
    const std::string text = demoBlocksFile(demoBlocks());
    std::istringstream lines(text);
    std::string line;
    std::vector<std::string> commands;
    while (std::getline(lines, line))
        if (!line.empty() && line[0] == '.') commands.push_back(line);
    EXPECT_EQ(commands, (std::vector<std::string>{".FORMAT 18 16 16 1 16 0 1 2 3", ".TABLE demo.tbl", ".BLOCK 1A8000 1A0000 9",
                                                  ".BLOCK 1D8000 1D0000 4", ".BLOCK 1B8000 1B0000 2"}));
}

TEST(GameText, EncodesTheStandInFontLayout)
{
    EXPECT_EQ(GameText().text("09AF Gaz !~#}").end(),
              (std::vector<uint8_t>{0x00, 0x09, 0x0A, 0x0F, 0x10, 0x5F, 0x73, 0x8C, 0x10, 0x11, 0x1F, 0x8D, 0x9D, 0xFF}));
    EXPECT_EQ(GameText().wide(0x4F1).codeWith(3, 0x12).lineBreak().keyPrompt().end(),
              (std::vector<uint8_t>{0xF4, 0xF1, 0xFC, 0x03, 0x12, 0xFD, 0xFE, 0xFF}));
    EXPECT_THROW(GameText().text("\t"), std::invalid_argument);
}

}  // namespace
}  // namespace scrivel::demo
