// The merger's commands on a disk that fills up while they write: every
// failed write is reported, and the replace-by-rename saves keep the file
// that was there.

#include <filesystem>
#include <unistd.h>

#include "MergerFaultFixture.h"

namespace faults {
namespace {

constexpr size_t DiskSize = 64 * 1024;

class DiskFullMergerTest : public MergerFaultTest {
protected:
    void SetUp() override { FAULTS_MOUNT(DiskSize); }
    // A file outside the small disk, larger than the whole disk.
    std::string bigFileOutside() const
    {
        testing_support::writeFile(dir / "big.bin", noise(2 * DiskSize));
        return (dir / "big.bin").string();
    }
};

TEST_F(DiskFullMergerTest, MergeReportsThatMergedDatCouldNotBeWritten)
{
    write("a.bin", noise(20 * 1024, 1));
    write("b.bin", noise(20 * 1024, 2));
    write("c.bin", noise(20 * 1024, 3));
    choose("a.bin");
    packwell::pack::mergeGroup(session);
    EXPECT_EQ(messages(), std::vector<std::string>{"Error: Could not write \"Merged.dat\"."});
    EXPECT_TRUE(session.failed());
}

TEST_F(DiskFullMergerTest, AddingAFileThatDoesNotFitLeavesMergedDatAsItWas)
{
    write("Merged.dat", "old data");
    const std::string big = bigFileOutside();
    platform.queueChoice(big);
    packwell::pack::addFileToMerged(session);
    EXPECT_EQ(messages(), std::vector<std::string>{"Error: Could not write \"Merged.dat\"."});
    EXPECT_EQ(read("Merged.dat"), "old data");
    EXPECT_EQ(report.lineCount(), 0u);
}

TEST_F(DiskFullMergerTest, BuildThatRunsOutOfRoomSaysSo)
{
    report.setLines({".GAMEPACK_STRING.OFFSET->start", ".GAMEPACK_FILE->bin " + bigFileOutside()});
    packwell::pack::buildPack(session);
    EXPECT_EQ(messages(), std::vector<std::string>{"Fatal Error: Could not write files."});
    EXPECT_TRUE(session.failed());
}

TEST_F(DiskFullMergerTest, SavesKeepTheEarlierFileWhenTheNewOneDoesNotFit)
{
    write("Merge.txt", "old report");
    write("source.txt", "old source");
    disk->fill();
    for (int i = 0; i < 4000; ++i) report.appendLine(".GAMEPACK_STRING->line" + std::to_string(i));

    EXPECT_FALSE(packwell::pack::saveReportOnExit(session));
    choose("source.txt");
    packwell::pack::savePackSource(session);
    EXPECT_EQ(messages(), (std::vector<std::string>{"Error: Could not write \"Merge.txt\".",
                                                    "Error: Could not write \"" + at("source.txt") + "\"."}));
    EXPECT_EQ(read("Merge.txt"), "old report");
    EXPECT_EQ(read("source.txt"), "old source");
    // No temporary file is left behind.
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(work())) files += entry.is_regular_file();
    EXPECT_EQ(files, 3u);
}

TEST_F(DiskFullMergerTest, CompressedFilesThatDoNotFitAreReported)
{
    write("a.bin", noise(24 * 1024, 4));
    disk->fill();
    choose("a.bin");
    packwell::pack::compressGroupHuffman(session);
    choose("a.bin");
    packwell::pack::compressGroupRle(session);
    EXPECT_EQ(messages(), (std::vector<std::string>{"Error: Could not write a.huf.", "Data Compressed using \"Huffam\"!",
                                                    "Error: Could not write a.rle.",
                                                    "Data Compressed using \"Run Length Endcoding\"!"}));
    EXPECT_TRUE(session.failed());
}

// Without a small disk: the pack written to a device that is always full.
TEST(FullDeviceStandIn, BuildIntoAFullDeviceSaysSo)
{
    testing_support::TempDir dir;
    dir.enter();
    std::filesystem::create_symlink("/dev/full", dir / "GPACK.dbp");
    platform::ScriptedPlatform platform;
    packwell::pack::LineReport report;
    packwell::pack::NoProgress progress;
    packwell::pack::MergerSession session(platform, report, progress);
    report.setLines({".GAMEPACK_STRING->intro"});
    packwell::pack::buildPack(session);
    EXPECT_EQ(platform.messages(), std::vector<std::string>{"Fatal Error: Could not write files."});
    EXPECT_TRUE(session.failed());
}

}  // namespace
}  // namespace faults
