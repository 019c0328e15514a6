#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "CoderHarness.h"
#include "ReferenceCoders.h"
#include "pack/MergerCommands.h"
#include "platform/ScriptedPlatform.h"
#include "testing/TempDir.h"

using platform::ScriptedPlatform;
using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;
namespace fs = std::filesystem;

namespace {

const std::string kHuffmanDone = "Data Compressed using \"Huffam\"!";
const std::string kRleDone = "Data Compressed using \"Run Length Endcoding\"!";

// One run of a command, the way the menu runs it, from a given start folder.
struct CommandRun {
    ScriptedPlatform platform;
    packwell::pack::LineReport report;
    packwell::pack::NoProgress progress;
    packwell::pack::MergerSession session{platform, report, progress};
};

std::vector<std::string> namesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

fs::path writeAndReturn(const fs::path& path)
{
    writeFile(path, "");
    return path;
}

// Each test gives back the working folder it found: the commands move it
// into the chosen file's folder, which the test then removes.
class GroupCompression : public ::testing::Test {
protected:
    GroupCompression() : home_(fs::current_path()) {}
    ~GroupCompression() override { fs::current_path(home_); }

private:
    fs::path home_;
};

}  // namespace

TEST_F(GroupCompression, CompressesEveryMemberOfTheChosenFilesGroup)
{
    TempDir start, data;
    start.enter();
    const std::string intro(300, 'A');
    const std::string title = harness::skewedBytes(5000, 30, 1);
    writeFile(data / "INTRO.BIN", intro);
    writeFile(data / "title.bin", title);
    writeFile(data / "NOTES.TXT", "notes");
    writeFile(data / ".hidden.bin", "hidden");
    fs::create_directory(data / "folder.bin");

    for (bool huffman : {false, true}) {
        const std::string workingFolder = fs::current_path().string();
        CommandRun run;
        run.platform.queueChoice((data / "INTRO.BIN").string());
        huffman ? packwell::pack::compressGroupHuffman(run.session) : packwell::pack::compressGroupRle(run.session);

        const char* ext = huffman ? ".huf" : ".rle";
        auto code = huffman ? reference::huffman : reference::rle;
        EXPECT_EQ(readFile(data / (std::string("INTRO") + ext)), code(intro));
        EXPECT_EQ(readFile(data / (std::string("title") + ext)), code(title));
        EXPECT_EQ(run.platform.messages(), std::vector<std::string>{huffman ? kHuffmanDone : kRleDone});
        EXPECT_FALSE(run.session.failed());
        EXPECT_TRUE(run.report.lines().empty());

        ASSERT_EQ(run.platform.dialogs().size(), 1u);
        const auto& request = run.platform.dialogs()[0].request;
        EXPECT_EQ(request.title, "Select a file with GROUP's extension...");
        EXPECT_EQ(request.initialFolder, workingFolder);
        EXPECT_EQ(run.session.dialogFolder, workingFolder);
        EXPECT_EQ(fs::current_path(), fs::canonical(data.path()));
    }
    EXPECT_EQ(readFile(data / "INTRO.rle").substr(0, 4), std::string("\x2C\x01\x00\x00", 4));
    EXPECT_EQ(namesIn(data.path()), (std::vector<std::string>{".hidden.bin", "INTRO.BIN", "INTRO.huf", "INTRO.rle",
                                                              "NOTES.TXT", "folder.bin", "title.bin", "title.huf",
                                                              "title.rle"}));
}

TEST_F(GroupCompression, TheDialogStartsInTheWorkingFolderWhateverTheDialogFolderHeld)
{
    TempDir start, data;
    start.enter();
    writeFile(data / "A.BIN", "x");
    CommandRun run;
    run.session.dialogFolder = "/somewhere/else";
    run.platform.queueChoice((data / "A.BIN").string());
    packwell::pack::compressGroupRle(run.session);
    ASSERT_EQ(run.platform.dialogs().size(), 1u);
    const std::string startFolder = fs::canonical(start.path()).string();
    EXPECT_EQ(run.platform.dialogs()[0].request.initialFolder, startFolder);
    EXPECT_EQ(run.session.dialogFolder, startFolder);
}

TEST_F(GroupCompression, EndsSilentlyWhenCancelledOrWhenTheNameHasNoDot)
{
    TempDir dir;
    dir.enter();
    writeFile(dir / "README", "plain");
    {
        CommandRun run;
        run.platform.queueCancel();
        packwell::pack::compressGroupHuffman(run.session);
        EXPECT_TRUE(run.platform.messages().empty());
    }
    {
        CommandRun run;
        run.platform.queueChoice((dir / "README").string());
        packwell::pack::compressGroupRle(run.session);
        EXPECT_TRUE(run.platform.messages().empty());
    }
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"README"});
}

TEST_F(GroupCompression, TheGroupComesFromTheFileNameEvenInAFolderWithADot)
{
    TempDir root;
    const fs::path folder = root / "MY.DIR";
    fs::create_directory(folder);
    writeFile(folder / "X.BIN", "xxxx");
    writeFile(folder / "Y.bin", "yy");
    writeFile(folder / "A.TAR.GZ", "tar");
    writeFile(folder / "B.GZ", "gz");
    CommandRun run;
    run.platform.queueChoice((folder / "X.BIN").string());
    run.platform.queueChoice((folder / "A.TAR.GZ").string());
    packwell::pack::compressGroupRle(run.session);
    EXPECT_EQ(readFile(folder / "X.rle"), reference::rle("xxxx"));
    EXPECT_EQ(readFile(folder / "Y.rle"), reference::rle("yy"));
    packwell::pack::compressGroupHuffman(run.session);
    EXPECT_EQ(readFile(folder / "A.huf"), reference::huffman("tar"));
    EXPECT_FALSE(fs::exists(folder / "B.huf"));
    EXPECT_EQ(run.platform.messages(), (std::vector<std::string>{kRleDone, kHuffmanDone}));
}

TEST_F(GroupCompression, NoMatchingFileStillEndsWithTheClosingMessage)
{
    TempDir dir;
    // The chosen file itself is gone by the time of the search.
    CommandRun run;
    run.platform.queueChoice((dir / "GONE.DAT").string());
    packwell::pack::compressGroupHuffman(run.session);
    EXPECT_EQ(run.platform.messages(), std::vector<std::string>{kHuffmanDone});
    EXPECT_TRUE(namesIn(dir.path()).empty());
}

TEST_F(GroupCompression, MembersSharingACompressedNameLeaveTheLaterOne)
{
    TempDir dir;
    writeFile(dir / "A.TXT", "first member");
    writeFile(dir / "A.B.TXT", "second");
    CommandRun run;
    run.platform.queueChoice((dir / "A.TXT").string());
    packwell::pack::compressGroupHuffman(run.session);
    // The folder search yields A.B.TXT before A.TXT.
    EXPECT_EQ(readFile(dir / "A.huf"), reference::huffman("first member"));
}

TEST_F(GroupCompression, NeverWritesOverAMember)
{
    TempDir dir;
    const std::string packed = reference::huffman("data");
    writeFile(dir / "A.huf", packed);     // its own compressed name
    writeFile(dir / "A.x.huf", "other");  // compressed name A.huf, a member
    writeFile(dir / "B.bin.huf", "bee");  // compressed name B.huf, written
    CommandRun run;
    run.platform.queueChoice((dir / "A.huf").string());
    packwell::pack::compressGroupHuffman(run.session);
    EXPECT_EQ(readFile(dir / "A.huf"), packed);
    EXPECT_EQ(readFile(dir / "A.x.huf"), "other");
    EXPECT_EQ(readFile(dir / "B.huf"), reference::huffman("bee"));
    EXPECT_EQ(run.platform.messages(), std::vector<std::string>{kHuffmanDone});

    // A link under the compressed name that leads to the member itself.
    writeFile(dir / "D.src", "dee");
    fs::create_symlink("D.src", dir / "D.rle");
    CommandRun second;
    second.platform.queueChoice((dir / "D.src").string());
    packwell::pack::compressGroupRle(second.session);
    EXPECT_EQ(readFile(dir / "D.src"), "dee");
    EXPECT_EQ(second.platform.messages(), std::vector<std::string>{kRleDone});
}

namespace {

// A folder search that also lists a member which is gone by the time it is
// opened.
class VanishingMemberPlatform : public ScriptedPlatform {
public:
    std::vector<std::string> findFiles(const std::string& folder, const std::string& pattern) override
    {
        std::vector<std::string> names = ScriptedPlatform::findFiles(folder, pattern);
        names.insert(names.begin(), "GONE.BIN");
        return names;
    }
};

}  // namespace

TEST_F(GroupCompression, AMemberThatCannotBeOpenedIsReportedAndLeavesAnEmptyCompressedFile)
{
    TempDir dir;
    writeFile(dir / "B.BIN", "bbbb");
    writeFile(dir / "GONE.rle", "an earlier file");
    VanishingMemberPlatform platform;
    packwell::pack::LineReport report;
    packwell::pack::NoProgress progress;
    packwell::pack::MergerSession session(platform, report, progress);
    platform.queueChoice((dir / "B.BIN").string());
    packwell::pack::compressGroupRle(session);
    EXPECT_EQ(readFile(dir / "GONE.rle"), "");
    EXPECT_EQ(readFile(dir / "B.rle"), reference::rle("bbbb"));
    EXPECT_EQ(platform.messages(), (std::vector<std::string>{"Error: Could not read GONE.BIN.", kRleDone}));
    EXPECT_TRUE(session.failed());
}

TEST_F(GroupCompression, AnEmptyMemberGivesTheEmptyFilesOfBothFormats)
{
    TempDir dir;
    writeFile(dir / "E.DAT", "");
    CommandRun run;
    run.platform.queueChoice((dir / "E.DAT").string());
    run.platform.queueChoice((dir / "E.DAT").string());
    packwell::pack::compressGroupRle(run.session);
    packwell::pack::compressGroupHuffman(run.session);
    EXPECT_EQ(readFile(dir / "E.rle"), std::string(4, '\0'));
    EXPECT_EQ(readFile(dir / "E.huf"), std::string("ZHF") + std::string(7, '\0'));
}

TEST_F(GroupCompression, AMemberOf4GiBOrMoreIsRefusedWithAMessageAndNothingWritten)
{
    TempDir dir;
    writeFile(dir / "A.BIN", "aaaa");
    writeFile(dir / "BIG.huf", "an earlier file");
    // Sparse: refused on its size before a byte of it is read.
    fs::resize_file(writeAndReturn(dir / "BIG.BIN"), 0x100000000ull);
    CommandRun run;
    run.platform.queueChoice((dir / "A.BIN").string());
    packwell::pack::compressGroupHuffman(run.session);
    EXPECT_EQ(run.platform.messages(),
              (std::vector<std::string>{"Error: BIG.BIN is 4 GiB or larger; a .huf file can only hold smaller files.",
                                        kHuffmanDone}));
    EXPECT_EQ(readFile(dir / "BIG.huf"), "an earlier file");
    EXPECT_EQ(readFile(dir / "A.huf"), reference::huffman("aaaa"));
    EXPECT_TRUE(run.session.failed());
}
