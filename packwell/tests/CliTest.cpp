// The twin end to end: the built program run on real files.

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

#include "testing/TempDir.h"
#include "version/Version.h"

namespace {

using testing_support::readFile;
using testing_support::writeFile;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

std::string shellQuoted(const std::string& s)
{
    std::string q = "'";
    for (char c : s) q += (c == '\'') ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

class CliTest : public ::testing::Test {
protected:
    // Runs packwell-cli with args in the folder cwd (default: the test's folder).
    CliRun run(const std::vector<std::string>& args, const std::string& cwd = "")
    {
        std::string cmd = "cd " + shellQuoted(cwd.empty() ? dir.str() : cwd) + " && " + shellQuoted(PACKWELL_CLI_PATH);
        for (const std::string& a : args) cmd += " " + shellQuoted(a);
        std::string out = (io / "out").string(), err = (io / "err").string();
        cmd += " >" + shellQuoted(out) + " 2>" + shellQuoted(err);
        int raw = std::system(cmd.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(out), readFile(err)};
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }

    testing_support::TempDir dir;
    testing_support::TempDir io;
};

TEST_F(CliTest, VersionAndTheHelpOfEachCommand)
{
    CliRun version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("packwell-cli ") + common::ProjectVersion + "\n");
    EXPECT_EQ(version.err, "");

    // Each command's help names its arguments.
    const std::vector<std::pair<std::string, std::string>> usages = {
        {"merge", "merge [OPTIONS] FILE"},        {"add", "add [OPTIONS] FILE"},
        {"source", "source [OPTIONS] FILE..."},   {"pack", "pack [OPTIONS] SOURCE"},
        {"huffman", "huffman [OPTIONS] FILE"},    {"rle", "rle [OPTIONS] FILE"},
        {"unhuf", "unhuf [OPTIONS] IN OUT"},      {"unrle", "unrle [OPTIONS] IN OUT"},
    };
    for (const auto& [command, usage] : usages) {
        CliRun help = run({command, "--help"});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_EQ(help.out.rfind("Usage: packwell-cli " + usage + "\n", 0), 0u) << help.out;
        EXPECT_EQ(help.err, "") << command;
    }
    EXPECT_NE(run({"add", "--help"}).out.find("-C DIR"), std::string::npos);
    EXPECT_NE(run({"pack", "--help"}).out.find("-C DIR"), std::string::npos);
}

TEST_F(CliTest, UsageErrorsSayWhatIsWrong)
{
    EXPECT_NE(run({"frobnicate"}).err.find("unknown command \"frobnicate\""), std::string::npos);
    EXPECT_NE(run({"add", ""}).err.find("an empty path was given"), std::string::npos);
    EXPECT_EQ(run({"add", "-C", "", "f.bin"}).status, 2);
    EXPECT_EQ(run({"add", "-C", "a", "-C", "b", "f.bin"}).status, 2);
    // The usage shown is that of the command named.
    EXPECT_NE(run({"unhuf", "in"}).err.find("Usage: packwell-cli unhuf"), std::string::npos);
}

TEST_F(CliTest, HelpAndUsageErrors)
{
    CliRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: packwell-cli", 0), 0u);
    EXPECT_EQ(help.err, "");

    const std::vector<std::vector<std::string>> bad = {
        {},
        {"frobnicate"},
        {"merge"},
        {"merge", "a.bin", "b.bin"},
        {"add", "-C"},
        {"add", "-C", "d", "f", "g"},
        {"merge", "-C", "d", "f"},
        {"source"},
        {"pack", "-x", "s"},
        {"unhuf", "in"},
        {"unrle", "a", "b", "c"},
    };
    for (const auto& args : bad) {
        CliRun r = run(args);
        std::string shown = args.empty() ? "(none)" : args[0];
        EXPECT_EQ(r.status, 2) << shown;
        EXPECT_NE(r.err.find("Usage: packwell-cli"), std::string::npos) << shown;
        EXPECT_EQ(r.out, "") << shown;
    }
}

TEST_F(CliTest, MergePrintsTheReportAndWritesBesideTheChosenFile)
{
    std::filesystem::create_directory(dir / "data");
    writeFile(dir / "data/intro.bin", std::string(300, 'i'));
    writeFile(dir / "data/title.bin", "t");
    CliRun r = run({"merge", "data/intro.bin"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.substr(0, 96),
              "  #define INTRO              0\n  #define TITLE              1\n \n \n \nINTRO            = 0\nTITLE  ");
    const std::string tail = " \n \n.SCRIPT[INTRO]\n \n.ENDS\n \n \n.SCRIPT[TITLE]\n \n.ENDS\n";
    ASSERT_GE(r.out.size(), tail.size());
    EXPECT_EQ(r.out.substr(r.out.size() - tail.size()), tail);
    EXPECT_EQ(readFile(dir / "data/Merged.dat"), std::string(300, 'i') + "t");
    EXPECT_TRUE(std::filesystem::exists(dir / "data/Merged.cpp"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Merged.dat"));
}

TEST_F(CliTest, MergeOfAFileWithoutExtensionFailsSayingWhy)
{
    writeFile(dir / "README", "x");
    CliRun r = run({"merge", "README"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("Error: Sorry but the files MUST have extensions!\n", 0), 0u) << r.err;
    EXPECT_EQ(readFile(dir / "Merged.cpp"), "");
}

TEST_F(CliTest, MergeIntoAFolderThatCannotBeWrittenFailsSayingWhy)
{
    // "Merged.dat" cannot be created where a folder of that name stands.
    std::filesystem::create_directories(dir / "data/Merged.dat");
    writeFile(dir / "data/intro.bin", "i");
    CliRun r = run({"merge", "data/intro.bin"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Error: Could not create \"Merged.dat\" in \"" + path("data") + "\".\n");

    // A folder without write permission, where permissions bind this user.
    std::filesystem::create_directory(dir / "locked");
    writeFile(dir / "locked/a.bin", "a");
    std::filesystem::permissions(dir / "locked", std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    if (::access(path("locked").c_str(), W_OK) != 0) {
        CliRun locked = run({"merge", "locked/a.bin"});
        EXPECT_EQ(locked.status, 1);
        EXPECT_EQ(locked.err.rfind("Error: Could not create \"Merged.dat\"", 0), 0u) << locked.err;
        EXPECT_FALSE(std::filesystem::exists(dir / "locked/Merged.dat"));
    }
}

TEST_F(CliTest, CompressionOfAFileWithoutExtensionFailsSayingWhy)
{
    writeFile(dir / "README", "x");
    for (const char* coder : {"huffman", "rle"}) {
        CliRun r = run({coder, "README"});
        EXPECT_EQ(r.status, 1) << coder;
        EXPECT_EQ(r.err, "Error: Sorry but the files MUST have extensions!\n") << coder;
    }
}

TEST_F(CliTest, MergeInAMissingFolderFails)
{
    CliRun r = run({"merge", "nowhere/a.bin"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("Error:", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(dir / "Merged.cpp"));
}

TEST_F(CliTest, AddGrowsMergedDatOfTheGivenFolder)
{
    std::filesystem::create_directory(dir / "out");
    writeFile(dir / "out/Merged.dat", std::string(300, 'm'));
    writeFile(dir / "LOGO.BIN", std::string(16, 'L'));
    CliRun r = run({"add", "-C", "out", "LOGO.BIN"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "#define LOGO                 0x0000012C\n");
    EXPECT_EQ(r.err, path("LOGO.BIN") + " merged successfully!\n");
    EXPECT_EQ(readFile(dir / "out/Merged.dat").size(), 316u);

    CliRun again = run({"add", "LOGO.BIN"});
    EXPECT_EQ(again.out, "#define LOGO                 0x00000000\n");
    EXPECT_EQ(readFile(dir / "Merged.dat").size(), 16u);
}

TEST_F(CliTest, AddFailures)
{
    CliRun missing = run({"add", "missing.bin"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Error trying to open file...\n");
    EXPECT_EQ(missing.out, "");

    std::filesystem::create_directories(dir / "sub/Merged.dat");
    writeFile(dir / "f.bin", "F");
    CliRun noDat = run({"add", "-C", "sub", "f.bin"});
    EXPECT_EQ(noDat.status, 1);
    EXPECT_EQ(noDat.err, "Could not re-open DAT file.\n");

    CliRun noFolder = run({"add", "-C", "nowhere", "f.bin"});
    EXPECT_EQ(noFolder.status, 1);
    EXPECT_EQ(noFolder.err.rfind("Error:", 0), 0u);
}

TEST_F(CliTest, SourceListsEveryGroupInOrder)
{
    std::filesystem::create_directory(dir / "my dir");
    writeFile(dir / "my dir/b.bin", "");
    writeFile(dir / "my dir/a b.bin", "");
    writeFile(dir / "t.txt", "");
    CliRun r = run({"source", "my dir/b.bin", "t.txt"});
    EXPECT_EQ(r.status, 0);
    std::string d = dir.str();
    EXPECT_EQ(r.out, "; Group Name: \"bin\"\n.GAMEPACK_FILE->bin " + d + "/my_dir/a_b.bin\n.GAMEPACK_FILE->bin " + d +
                         "/my_dir/b.bin\n\n\n; Group Name: \"txt\"\n.GAMEPACK_FILE->txt " + d + "/t.txt\n\n\n");
    EXPECT_EQ(r.err, "");

    CliRun noExt = run({"source", "t.txt", "README"});
    EXPECT_EQ(noExt.status, 1);
    EXPECT_EQ(noExt.err, "Error: Sorry but the files MUST have extensions!\n");
    EXPECT_EQ(noExt.out, "; Group Name: \"txt\"\n.GAMEPACK_FILE->txt " + d + "/t.txt\n\n\n");
}

TEST_F(CliTest, PackBuildsFromTheSourceFileIntoTheGivenFolder)
{
    std::filesystem::create_directories(dir / "src");
    std::filesystem::create_directories(dir / "out");
    writeFile(dir / "out/INTRO.BIN", std::string(300, 'i'));
    writeFile(dir / "src/pack.txt", ".GAMEPACK_STRING->intro\r\n.GAMEPACK_FILE->bin INTRO.BIN\n.GAMEPACK_STRING.OFFSET->end\r");
    CliRun r = run({"pack", "-C", "out", "src/pack.txt"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "GamePack created!\n");
    EXPECT_EQ(readFile(dir / "out/GPACK.h"), "GPACK_INTRO                = $00000000\r\nGPACK_STRING->END = $00000132\r\n");
    EXPECT_EQ(readFile(dir / "out/GPACK.dbp").size(), 6u + 300u + 4u);
    EXPECT_FALSE(std::filesystem::exists(dir / "src/GPACK.h"));
}

TEST_F(CliTest, PackFailures)
{
    writeFile(dir / "empty.txt", "");
    CliRun empty = run({"pack", "empty.txt"});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "Please create OR load a GAME Pack source file!\n");

    writeFile(dir / "bad.txt", ".GAMEPACK_FILE->bin gone.bin\n");
    CliRun gone = run({"pack", "bad.txt"});
    EXPECT_EQ(gone.status, 1);
    EXPECT_EQ(gone.err, "Fatal Error: Could not open \"gone.bin\"\n");

    CliRun noSource = run({"pack", "nothing.txt"});
    EXPECT_EQ(noSource.status, 1);
    EXPECT_EQ(noSource.err, "Error: Could not read \"" + path("nothing.txt") + "\".\n");
}

TEST_F(CliTest, CompressGroupsAndDecodeThemBack)
{
    std::string intro;
    for (int i = 0; i < 300; ++i) intro.push_back(static_cast<char>(i < 200 ? 7 : i));
    writeFile(dir / "INTRO.BIN", intro);
    writeFile(dir / "TITLE.BIN", "abracadabra");
    writeFile(dir / "NOTES.TXT", "left alone");

    CliRun rle = run({"rle", "INTRO.BIN"});
    EXPECT_EQ(rle.status, 0);
    EXPECT_EQ(rle.err, "Data Compressed using \"Run Length Endcoding\"!\n");
    EXPECT_EQ(rle.out, "");
    EXPECT_EQ(readFile(dir / "INTRO.rle").substr(0, 4), std::string("\x2C\x01\x00\x00", 4));
    EXPECT_FALSE(std::filesystem::exists(dir / "NOTES.rle"));

    CliRun huf = run({"huffman", "TITLE.BIN"});
    EXPECT_EQ(huf.status, 0);
    EXPECT_EQ(huf.err, "Data Compressed using \"Huffam\"!\n");
    EXPECT_EQ(readFile(dir / "TITLE.huf"), std::string("ZHF\x0B\x00\x00\x00\x05\x00\x00"
                                                       "\x21\x61\x02\x03\x62\x72\x30\x03\x01\x03\x64\x63\x00\xFF\xFF"
                                                       "\x6E\xA8\xDC", 28));

    EXPECT_EQ(run({"unrle", "INTRO.rle", "intro.out"}).status, 0);
    EXPECT_EQ(readFile(dir / "intro.out"), intro);
    EXPECT_EQ(run({"unhuf", "TITLE.huf", "title.out"}).status, 0);
    EXPECT_EQ(readFile(dir / "title.out"), "abracadabra");
}

TEST_F(CliTest, DecodersRefuseMalformedInputAndLeaveNoOutput)
{
    writeFile(dir / "bad.huf", "ZHX\x01\x00\x00\x00");
    writeFile(dir / "short.rle", "\x05\x00");
    for (const auto& args : std::vector<std::vector<std::string>>{{"unhuf", "bad.huf", "out"},
                                                                  {"unrle", "short.rle", "out"},
                                                                  {"unhuf", "missing.huf", "out"}}) {
        CliRun r = run(args);
        EXPECT_EQ(r.status, 1) << args[1];
        EXPECT_EQ(r.err.rfind("Error:", 0), 0u) << args[1];
        EXPECT_FALSE(std::filesystem::exists(dir / "out")) << args[1];
    }
}

}  // namespace
