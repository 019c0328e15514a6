#include <gtest/gtest.h>

#include "editor/EditorState.h"
#include "editor/CurrentString.h"
#include "rom/Pointers.h"

using namespace scrivel::rom;
using namespace scrivel::render;
using namespace scrivel::script;
using namespace scrivel::editor;

namespace {

TEST(Pointers, SnesAddressesMapToLoRomFileOffsets)
{
    EXPECT_EQ(snesToFileOffset(0), 0);
    EXPECT_EQ(snesToFileOffset(0x8000), 0);
    EXPECT_EQ(snesToFileOffset(0x1A8000), 0xD0000);
    EXPECT_EQ(snesToFileOffset(0x9A8000), 0xD0000);
    EXPECT_EQ(snesToFileOffset(0x1A8006), 0xD0006);
    EXPECT_EQ(snesToFileOffset(0x1A1234), 0xC9234);
    EXPECT_EQ(snesToFileOffset(0x001234), 0x1234 - 0x8000);  // below the image: not rejected here
}

TEST(Pointers, BankRuleAndBoundedReads)
{
    EditorState s;
    s.romImage.assign(0x100000, 0);
    s.romLoaded = true;
    s.blockTextBank[0] = 0x1A0000;
    s.currentBlockAddress = 0x1A8000;
    auto setPointer = [&](int n, uint16_t p) {
        s.romImage[0xD0000 + 2 * n] = static_cast<uint8_t>(p);
        s.romImage[0xD0000 + 2 * n + 1] = static_cast<uint8_t>(p >> 8);
    };
    setPointer(0, 0xA7FF);
    setPointer(1, 0xA800);
    s.currentString = 0;
    EXPECT_EQ(lookupCurrentString(s), 0xD27FF);
    EXPECT_EQ(s.currentPointer, 0xA7FF);
    s.currentString = 1;
    EXPECT_EQ(lookupCurrentString(s), 0xEA800);

    s.blockTextBank[0] = 0x1B0000;  // any other bank: always bank 1D
    s.currentString = 0;
    EXPECT_EQ(lookupCurrentString(s), 0xEA7FF);

    // A table past the image's end reads 0xFF bytes.
    s.currentBlockAddress = 0x3F8000;
    EXPECT_EQ(readCurrentPointer(s), 0xFFFF);
    EXPECT_EQ(romByte(s.romImage, -1), 0xFF);
    EXPECT_EQ(romByte(s.romImage, 0x100000), 0xFF);
}

}  // namespace
