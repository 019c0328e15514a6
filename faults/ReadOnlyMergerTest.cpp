// The merger's commands in a working folder that has become read-only: each
// refuses without touching the files that were there.

#include "MergerFaultFixture.h"

namespace faults {
namespace {

class ReadOnlyMergerTest : public MergerFaultTest {
protected:
    void SetUp() override
    {
        FAULTS_MOUNT(256 * 1024);
        write("a.bin", "AAAA");
        write("b.bin", "BB");
        write("Merged.dat", "old data");
        write("Merged.cpp", "old listing");
        write("GPACK.h", "old header");
        write("GPACK.dbp", "old pack");
        write("Merge.txt", "old report");
        ASSERT_TRUE(disk->makeReadOnly());
    }
    void expectOldFilesKept() const
    {
        EXPECT_EQ(read("Merged.dat"), "old data");
        EXPECT_EQ(read("Merged.cpp"), "old listing");
        EXPECT_EQ(read("GPACK.h"), "old header");
        EXPECT_EQ(read("GPACK.dbp"), "old pack");
        EXPECT_EQ(read("Merge.txt"), "old report");
    }
};

// The merge reports nothing in a message by design; the failure shows in
// the cleared report area and the twin's exit status.
TEST_F(ReadOnlyMergerTest, MergeFailsAndKeepsMergedDat)
{
    report.appendLine("earlier line");
    choose("a.bin");
    packwell::pack::mergeGroup(session);
    EXPECT_TRUE(session.failed());
    EXPECT_EQ(report.lineCount(), 0u);
    expectOldFilesKept();
}

TEST_F(ReadOnlyMergerTest, AddToMergedFileRefuses)
{
    choose("a.bin");
    packwell::pack::addFileToMerged(session);
    EXPECT_EQ(messages(), std::vector<std::string>{"Could not re-open DAT file."});
    EXPECT_TRUE(session.failed());
    EXPECT_EQ(report.lineCount(), 0u);
    expectOldFilesKept();
}

TEST_F(ReadOnlyMergerTest, BuildCannotOpenItsOutputs)
{
    report.setLines({".GAMEPACK_STRING->intro", ".GAMEPACK_FILE->bin a.bin"});
    packwell::pack::buildPack(session);
    EXPECT_EQ(messages(), std::vector<std::string>{"Fatal Error: Could not open files."});
    EXPECT_TRUE(session.failed());
    expectOldFilesKept();
}

TEST_F(ReadOnlyMergerTest, SavingTheReportOnExitFailsAndKeepsTheWindowOpen)
{
    report.appendLine("new report");
    EXPECT_FALSE(packwell::pack::saveReportOnExit(session));
    EXPECT_EQ(messages(), std::vector<std::string>{"Error: Could not write \"Merge.txt\"."});
    expectOldFilesKept();
}

TEST_F(ReadOnlyMergerTest, SavingThePackSourceFails)
{
    report.appendLine(".GAMEPACK_STRING->x");
    choose("source.txt");
    packwell::pack::savePackSource(session);
    EXPECT_EQ(messages(), std::vector<std::string>{"Error: Could not write \"" + at("source.txt") + "\"."});
    EXPECT_FALSE(exists("source.txt"));
}

struct CompressionCase {
    const char* name;
    void (*command)(packwell::pack::MergerSession&);
    const char* closing;
};

class ReadOnlyCompressionTest : public ReadOnlyMergerTest, public ::testing::WithParamInterface<CompressionCase> {};

// Every member is named in an error before the closing message, which alone
// would read as success.
TEST_P(ReadOnlyCompressionTest, EveryMemberIsReportedAsNotWritten)
{
    const CompressionCase& c = GetParam();
    const std::string ext = std::string(c.name) == "Huffman" ? ".huf" : ".rle";
    choose("a.bin");
    c.command(session);
    EXPECT_EQ(messages(), (std::vector<std::string>{"Error: Could not write a" + ext + ".",
                                                    "Error: Could not write b" + ext + ".", c.closing}));
    EXPECT_TRUE(session.failed());
    EXPECT_FALSE(exists("a" + ext));
    expectOldFilesKept();
}

INSTANTIATE_TEST_SUITE_P(
    Coders, ReadOnlyCompressionTest,
    ::testing::Values(CompressionCase{"Huffman", packwell::pack::compressGroupHuffman, "Data Compressed using \"Huffam\"!"},
                      CompressionCase{"RLE", packwell::pack::compressGroupRle, "Data Compressed using \"Run Length Endcoding\"!"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace faults
