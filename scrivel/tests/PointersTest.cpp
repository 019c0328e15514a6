#include <gtest/gtest.h>

#include "editor/EditorState.h"
#include "rom/Pointers.h"

using namespace scrivel;

namespace {

TEST(Pointers, SnesToFileOffset)
{
    EXPECT_EQ(SnesToFileOffset(0), 0);
    EXPECT_EQ(SnesToFileOffset(0x8000), 0);
    EXPECT_EQ(SnesToFileOffset(0x1A8000), 0xD0000);
    EXPECT_EQ(SnesToFileOffset(0x9A8000), 0xD0000);
    EXPECT_EQ(SnesToFileOffset(0x1A8006), 0xD0006);
    EXPECT_EQ(SnesToFileOffset(0x1A1234), 0xC9234);
    EXPECT_EQ(SnesToFileOffset(0x001234), 0x1234 - 0x8000);  // below the image: not rejected here
}

TEST(Pointers, BankRuleAndBoundedReads)
{
    EditorState s;
    s.RomImage.assign(0x100000, 0);
    s.romLoaded = true;
    s.BlockTextBank[0] = 0x1A0000;
    s.CurrentBlockAddress = 0x1A8000;
    auto setPointer = [&](int n, uint16_t p) {
        s.RomImage[0xD0000 + 2 * n] = static_cast<uint8_t>(p);
        s.RomImage[0xD0000 + 2 * n + 1] = static_cast<uint8_t>(p >> 8);
    };
    setPointer(0, 0xA7FF);
    setPointer(1, 0xA800);
    s.CurrentString = 0;
    EXPECT_EQ(lookupCurrentString(s), 0xD27FF);
    EXPECT_EQ(s.CurrentPointer, 0xA7FF);
    s.CurrentString = 1;
    EXPECT_EQ(lookupCurrentString(s), 0xEA800);

    s.BlockTextBank[0] = 0x1B0000;  // any other bank: always bank 1D
    s.CurrentString = 0;
    EXPECT_EQ(lookupCurrentString(s), 0xEA7FF);

    // A table past the image's end reads 0xFF bytes.
    s.CurrentBlockAddress = 0x3F8000;
    EXPECT_EQ(readCurrentPointer(s), 0xFFFF);
    EXPECT_EQ(romByte(s, -1), 0xFF);
    EXPECT_EQ(romByte(s, 0x100000), 0xFF);
}

}  // namespace
