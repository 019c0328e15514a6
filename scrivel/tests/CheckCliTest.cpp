// scrivel-cli check end to end: the built program over a small ROM, its
// data file and script files in a temporary folder.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <sys/wait.h>

#include "EditorFixture.h"
#include "testing/TempDir.h"

using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

namespace {

struct CheckRun {
    int status = -1;
    std::string out;
    std::string err;
};

CheckRun check(const std::string& arguments, const std::string& folder)
{
    TempDir scratch;
    const std::string errPath = (scratch / "stderr").string();
    const std::string command =
        "cd '" + folder + "' && '" SCRIVEL_CLI "' check " + arguments + " 2>'" + errPath + "'";
    CheckRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer;
    size_t got;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), got);
    const int raw = ::pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.err = readFile(errPath);
    return run;
}

const std::string KeyEnd = "ends in [KEY] (F6), which takes the byte after it: the game reads on past the line";

class CheckCli : public ::testing::Test {
protected:
    CheckCli()
    {
        writeFile(dir / "rom.sfc", scrivel::testing_rom::editorRom().bytes());
        writeFile(dir / "blocks.txt", std::string(scrivel::testing_rom::EditorDataFile));
        std::filesystem::create_directory(dir / "Dumps");
    }
    TempDir dir;
};

TEST_F(CheckCli, CleanScriptExitsZeroAndPrintsNothing)
{
    writeFile(dir / "Dumps" / "001A8000.txt", std::string(".STRING 0\r\nIt fits.\r\n[KEY]So does this.\r\n.ENDS\r\n"));
    const CheckRun run = check("rom.sfc blocks.txt", dir.str());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "ROM loaded successfully!\n");
}

TEST_F(CheckCli, FindingsArePrintedOnePerLineAndExitOne)
{
    writeFile(dir / "Dumps" / "001A8000.txt",
              std::string("// header\r\n.STRING 0\r\nfits\r\nThe quick brown fox jumps\r\n.ENDS\r\n"
                          ".STRING 1\r\n\r\n.ENDS\r\n"
                          ".STRING 3\r\nPress[KEY]\r\n.ENDS\r\n"));
    writeFile(dir / "Dumps" / "001B8000.txt", std::string(".STRING 1\nna\xC3\xAFve \xE6\xBC\xA2\n.ENDS\n"));
    const CheckRun run = check("rom.sfc blocks.txt", dir.str());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "001A8000 0 2: 200 px wide, 72 px over\n"
                       "001A8000 3 1: " + KeyEnd + "\n"
                       "001B8000 1 1: no glyph for \"\xC3\xAF\", \"\xE6\xBC\xA2\"\n");
    EXPECT_EQ(run.err, "ROM loaded successfully!\nError: The fit check found 3 problems.\n");

    // Another folder of script files.
    std::filesystem::create_directory(dir / "other");
    writeFile(dir / "other" / "001B8000.txt", std::string(".STRING 0\r\nAAAAAAAAAAAAAAAAA\r\n.ENDS\r\n"));
    const CheckRun other = check("rom.sfc blocks.txt --scripts other", dir.str());
    EXPECT_EQ(other.status, 1);
    EXPECT_EQ(other.out, "001B8000 0 1: 136 px wide, 8 px over\n");
}

TEST_F(CheckCli, RewrapRewritesTheLinesThatDoNotFitAndReportsWhatRemains)
{
    const std::string before = "// header\r\n.STRING 0\r\nThe quick brown fox jumps over\r\n.ENDS\r\n"
                               ".STRING 2\r\nIncomprehensibilities abound\r\n.ENDS\r\n";
    writeFile(dir / "Dumps" / "001A8000.txt", before);
    const CheckRun run = check("--rewrap rom.sfc blocks.txt", dir.str());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(readFile(dir / "Dumps" / "001A8000.txt"),
              "// header\r\n.STRING 0\r\nThe quick brown\r\nfox jumps over\r\n.ENDS\r\n"
              ".STRING 2\r\nIncomprehensibilities\r\nabound\r\n.ENDS\r\n");
    // The word too wide to fit alone stays whole and is still reported.
    EXPECT_EQ(run.out, "001A8000 2 1: 168 px wide, 40 px over\n");
    EXPECT_EQ(run.err,
              "ROM loaded successfully!\n001A8000.txt: 2 lines rewrapped\nError: The fit check found 1 problem.\n");

    // A second rewrap changes nothing.
    const CheckRun again = check("rom.sfc --rewrap blocks.txt", dir.str());
    EXPECT_EQ(again.out, run.out);
    EXPECT_EQ(again.err, "ROM loaded successfully!\nError: The fit check found 1 problem.\n");
}

TEST_F(CheckCli, RefusesAMissingScriptFolderOrROM)
{
    CheckRun run = check("rom.sfc blocks.txt --scripts missing", dir.str());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Error: Could not open the script folder!\n" + (dir / "missing").string()),
              std::string::npos)
        << run.err;

    run = check("nothing.sfc blocks.txt", dir.str());
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(run.err.empty());

    run = check("rom.sfc", dir.str());
    EXPECT_EQ(run.status, 2);
}

}  // namespace
