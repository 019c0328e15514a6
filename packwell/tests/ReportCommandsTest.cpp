#include <filesystem>

#include "PackFixture.h"

namespace pack_tests {
namespace {

using Lines = std::vector<std::string>;

class ReportCommandsTest : public PackFixture {};

TEST_F(ReportCommandsTest, ExitSavesEveryLineWithCrLfInTheWorkingFolder)
{
    std::filesystem::create_directory(dir / "elsewhere");
    write("elsewhere/a.bin", "A");
    platform.queueChoice(path("elsewhere/a.bin"));
    packwell::pack::addFileToMerged(session);
    report.appendLine("");
    report.appendLine("last");
    EXPECT_TRUE(packwell::pack::saveReportOnExit(session));
    EXPECT_EQ(read("elsewhere/Merge.txt"), "#define A                    0x00000000\r\n\r\nlast\r\n");
    EXPECT_FALSE(exists("Merge.txt"));
}

TEST_F(ReportCommandsTest, EraseThenExitWritesAnEmptyFile)
{
    write("Merge.txt", "earlier");
    report.appendLine("x");
    packwell::pack::eraseReport(session);
    EXPECT_EQ(report.lineCount(), 0u);
    EXPECT_TRUE(packwell::pack::saveReportOnExit(session));
    EXPECT_EQ(read("Merge.txt"), "");
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(ReportCommandsTest, ReplacingKeepsThePermissionsOfTheEarlierFile)
{
    namespace fs = std::filesystem;
    write("Merge.txt", "earlier");
    fs::permissions(dir / "Merge.txt", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    report.appendLine("new");
    EXPECT_TRUE(packwell::pack::saveReportOnExit(session));
    EXPECT_EQ(read("Merge.txt"), "new\r\n");
    EXPECT_EQ(fs::status(dir / "Merge.txt").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(ReportCommandsTest, ExitThatCannotWriteReportsAndKeepsTheWindow)
{
    std::filesystem::create_directory(dir / "Merge.txt");
    report.appendLine("x");
    EXPECT_FALSE(packwell::pack::saveReportOnExit(session));
    EXPECT_EQ(platform.messages(), Lines{"Error: Could not write \"Merge.txt\"."});
    EXPECT_EQ(report.lines(), Lines{"x"});
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace pack_tests
