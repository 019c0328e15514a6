#include "render/PixelOps.h"

#include <gtest/gtest.h>

#include <vector>

namespace scrivel::render {
namespace {

TEST(ExpandBits, MostSignificantOfTheCountedBitsComesFirst)
{
    struct Case {
        int value;
        uint8_t count;
        std::vector<uint8_t> expected;
    };
    const Case cases[] = {
        {0xA5, 8, {1, 0, 1, 0, 0, 1, 0, 1}},
        {0x80FF, 16, {1, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1}},
        {0x1F0, 4, {0, 0, 0, 0}},  // bits above the count are ignored
        {0, 0, {}},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> out(c.expected.size() + 1, 7);
        expandBits(out.data(), c.value, c.count);
        EXPECT_EQ(std::vector<uint8_t>(out.begin(), out.end() - 1), c.expected) << std::hex << c.value;
        EXPECT_EQ(out.back(), 7) << "wrote past count";
    }
}

TEST(ExpandBits, CountsBeyondTheIntGiveLeadingZeros)
{
    std::vector<uint8_t> out(40, 9);
    expandBits(out.data(), -1, 40);
    for (int k = 0; k < 8; ++k) EXPECT_EQ(out[k], 0) << k;
    for (int k = 8; k < 40; ++k) EXPECT_EQ(out[k], 1) << k;
}

TEST(CopyPixels, OnlyEmptyWritesJustTheZeroPixels)
{
    std::vector<uint16_t> dest{0, 5, 0, 0x10A2, 0};
    const std::vector<uint16_t> src{1, 2, 3, 4, 5};
    copyPixels(dest.data(), src.data(), 4, true);
    EXPECT_EQ(dest, (std::vector<uint16_t>{1, 5, 3, 0x10A2, 0}));
    copyPixels(dest.data(), src.data(), 5, false);
    EXPECT_EQ(dest, src);
}

TEST(BlitRect, CopiesRowsAtTheStride)
{
    std::vector<uint16_t> dest(4 * 5, 0);
    dest[6] = 9;
    const std::vector<uint16_t> src{1, 2, 3, 4, 5, 6};
    blitRect(dest.data() + 1, src.data(), 2, 3, 5, true);
    const std::vector<uint16_t> expected{0, 1, 2, 3, 0,  //
                                         0, 9, 5, 6, 0,  //
                                         0, 0, 0, 0, 0,  //
                                         0, 0, 0, 0, 0};
    EXPECT_EQ(dest, expected);
}

TEST(FillPixels, SetsExactlyCount)
{
    std::vector<uint16_t> dest(5, 1);
    fillPixels(dest.data() + 1, 0x2114, 3);
    EXPECT_EQ(dest, (std::vector<uint16_t>{1, 0x2114, 0x2114, 0x2114, 1}));
}

}  // namespace
}  // namespace scrivel::render
