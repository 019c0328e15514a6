#include <gtest/gtest.h>

#include <algorithm>

#include "RomFixture.h"
#include "rom/RomFile.h"
#include "testing/TempDir.h"

using namespace scrivel::rom;
using testing_support::TempDir;
using testing_support::writeFile;

namespace {

struct HeaderCase {
    size_t fileLength;
    size_t imageLength;
    bool hasHeader;
};

class RomHeaderTest : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(RomHeaderTest, DropsACopierHeaderWhenBitNineOfTheLengthIsSet)
{
    const HeaderCase c = GetParam();
    TempDir dir;
    // A recognisable byte right after where a header would end.
    std::vector<uint8_t> file(c.fileLength, 0);
    file[0] = 0x11;
    file[512] = 0x22;
    writeFile(dir / "rom.sfc", file);

    std::vector<uint8_t> image;
    ASSERT_EQ(readRomFile((dir / "rom.sfc").string(), image), RomReadStatus::Ok);
    EXPECT_EQ(image.size(), c.imageLength);
    EXPECT_EQ(image[0], c.hasHeader ? 0x22 : 0x11);

    // The whole file, header included, splits into the same image.
    RomFileBytes whole;
    ASSERT_EQ(readRomFileWhole((dir / "rom.sfc").string(), whole), RomReadStatus::Ok);
    EXPECT_EQ(whole.file, file);
    EXPECT_EQ(whole.headerLength, c.hasHeader ? CopierHeaderLength : 0u);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), whole.file.begin() + static_cast<long>(whole.headerLength),
                           whole.file.end()));
}

INSTANTIATE_TEST_SUITE_P(Lengths, RomHeaderTest,
                         ::testing::Values(HeaderCase{1048576 + 512, 1048576, true},
                                           HeaderCase{1048576 + 768, 1048576 + 256, true},
                                           HeaderCase{1048576, 1048576, false},
                                           HeaderCase{1048576 + 256, 1048576 + 256, false}));

TEST(RomFile, MissingFileCannotBeOpened)
{
    TempDir dir;
    std::vector<uint8_t> image{1, 2, 3};
    EXPECT_EQ(readRomFile((dir / "none.sfc").string(), image), RomReadStatus::CannotOpen);
    EXPECT_TRUE(image.empty());
    RomFileBytes whole{{1, 2, 3}, 512};
    EXPECT_EQ(readRomFileWhole((dir / "none.sfc").string(), whole), RomReadStatus::CannotOpen);
    EXPECT_TRUE(whole.file.empty());
    EXPECT_EQ(whole.headerLength, 0u);
}

TEST(RomFile, TitleMustMatchExactlyAndFitInTheImage)
{
    auto rom = scrivel::testing_rom::RomBuilder().bytes();
    EXPECT_TRUE(hasGameTitle(rom));

    auto lower = rom;
    lower[0x7FC0] = 'v';
    EXPECT_FALSE(hasGameTitle(lower));

    // Just long enough, and one byte short of the title's end.
    std::vector<uint8_t> exact(rom.begin(), rom.begin() + 0x7FC0 + 13);
    EXPECT_TRUE(hasGameTitle(exact));
    exact.pop_back();
    EXPECT_FALSE(hasGameTitle(exact));
    EXPECT_FALSE(hasGameTitle({}));
}

}  // namespace
