#include <filesystem>

#include "PackFixture.h"
#include "pack/PackSourceLines.h"

namespace pack_tests {
namespace {

using Lines = std::vector<std::string>;

class PackSourceTest : public PackFixture {};

TEST_F(PackSourceTest, CreateListsTheGroupWithUnderscoresForSpaces)
{
    std::filesystem::create_directories(dir / "My Game/data");
    write("My Game/data/intro.bin", "i");
    write("My Game/data/title screen.bin", "t");
    write("My Game/data/notes.txt", "n");
    platform.queueChoice(path("My Game/data/intro.bin"));
    packwell::pack::createPackSource(session);
    std::string folder = dir.str() + "/My_Game/data";
    EXPECT_EQ(report.lines(), (Lines{"; Group Name: \"bin\"", ".GAMEPACK_FILE->bin " + folder + "/intro.bin",
                                     ".GAMEPACK_FILE->bin " + folder + "/title_screen.bin", "", ""}));
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_FALSE(session.failed());
}

TEST_F(PackSourceTest, TwoGroupsAreAppendedAfterWhatTheReportHolds)
{
    std::filesystem::create_directory(dir / "v2.1");
    write("v2.1/a.Tar.gz", "");
    write("v2.1/b.tar.GZ", "");
    write("v2.1/c.gz", "");
    write("x.txt", "");
    report.appendLine("kept");
    platform.queueChoice(path("v2.1/a.Tar.gz"));
    platform.queueChoice(path("x.txt"));
    packwell::pack::createPackSource(session);
    std::string v = dir.str() + "/v2.1/";
    EXPECT_EQ(report.lines(), (Lines{"kept", "; Group Name: \"Tar.gz\"", ".GAMEPACK_FILE->Tar.gz " + v + "a.Tar.gz",
                                     ".GAMEPACK_FILE->Tar.gz " + v + "b.tar.GZ", "", "", "; Group Name: \"txt\"",
                                     ".GAMEPACK_FILE->txt " + dir.str() + "/x.txt", "", ""}));
    ASSERT_EQ(platform.dialogs().size(), 3u);
    for (const auto& d : platform.dialogs())
        EXPECT_EQ(d.request.title, "Select a file with GROUP's extension to Pack...");
    EXPECT_EQ(platform.dialogs()[0].request.initialFolder, dir.str());
    EXPECT_EQ(platform.dialogs()[1].request.initialFolder, dir.str() + "/v2.1");
}

TEST_F(PackSourceTest, FolderIsWrittenAsTheDialogGaveIt)
{
    std::filesystem::create_directory(dir / "real");
    std::filesystem::create_directory_symlink("real", dir / "linked");
    write("real/a.bin", "");
    platform.queueChoice(path("linked/a.bin"));
    packwell::pack::createPackSource(session);
    EXPECT_EQ(report.line(1), ".GAMEPACK_FILE->bin " + dir.str() + "/linked/a.bin");
}

TEST_F(PackSourceTest, EmptyGroupStillGetsItsHeading)
{
    platform.queueChoice(path("ghost.qqq"));
    packwell::pack::createPackSource(session);
    EXPECT_EQ(report.lines(), (Lines{"; Group Name: \"qqq\"", "", ""}));
}

TEST_F(PackSourceTest, CancellingTheFirstDialogAppendsNothing)
{
    platform.queueCancel();
    packwell::pack::createPackSource(session);
    EXPECT_EQ(report.lineCount(), 0u);
    EXPECT_FALSE(session.failed());
}

TEST_F(PackSourceTest, FileWithoutExtensionEndsTheCommandKeepingEarlierGroups)
{
    std::filesystem::create_directory(dir / "with space");
    write("a.bin", "");
    write("with space/README", "");
    platform.queueChoice(path("a.bin"));
    platform.queueChoice(path("with space/README"));
    platform.queueChoice(path("a.bin"));
    packwell::pack::createPackSource(session);
    EXPECT_EQ(report.lineCount(), 4u);
    EXPECT_EQ(platform.messages(), Lines{"Error: Sorry but the files MUST have extensions!"});
    EXPECT_TRUE(session.failed());
    EXPECT_EQ(platform.pendingChoices(), 1u);
    EXPECT_EQ(session.dialogFolder, dir.str() + "/with_space");
}

TEST_F(PackSourceTest, OpenThenSaveWritesTheSameLinesWithCrLf)
{
    write("src.txt", "first\r\nsecond\nthird\rfourth\r\n\r\nlast");
    report.appendLine("replaced");
    session.dialogFolder = "/remembered";
    platform.queueChoice(path("src.txt"));
    packwell::pack::openPackSource(session);
    EXPECT_EQ(report.lines(), (Lines{"first", "second", "third", "fourth", "", "last"}));
    EXPECT_EQ(platform.dialogs().at(0).request.title, "Open source.");
    EXPECT_EQ(platform.dialogs().at(0).request.initialFolder, "/remembered");

    platform.queueChoice(path("out.gps"));
    packwell::pack::savePackSource(session);
    EXPECT_EQ(read("out.gps"), "first\r\nsecond\r\nthird\r\nfourth\r\n\r\nlast\r\n");
    EXPECT_EQ(platform.dialogs().at(1).kind, platform::ScriptedPlatform::DialogKind::Save);
    EXPECT_EQ(platform.dialogs().at(1).request.title, "Save source file.");
    EXPECT_EQ(platform.dialogs().at(1).request.initialFolder, "/remembered");
    EXPECT_FALSE(session.failed());
}

TEST_F(PackSourceTest, SaveReplacesAnEarlierFileAndAddsNoExtension)
{
    write("source", "old old old old");
    report.appendLine("new");
    platform.queueChoice(path("source"));
    packwell::pack::savePackSource(session);
    EXPECT_EQ(read("source"), "new\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(PackSourceTest, OpenAndSaveFailuresLeaveTheReportAndFilesAlone)
{
    report.appendLine("kept");
    platform.queueChoice(path("missing.txt"));
    packwell::pack::openPackSource(session);
    std::filesystem::create_directory(dir / "taken");
    platform.queueChoice(path("taken"));
    packwell::pack::savePackSource(session);
    EXPECT_EQ(platform.messages(), (Lines{"Error: Could not read \"" + path("missing.txt") + "\".",
                                          "Error: Could not write \"" + path("taken") + "\"."}));
    EXPECT_EQ(report.lines(), Lines{"kept"});
    EXPECT_TRUE(std::filesystem::is_directory(dir / "taken"));
    EXPECT_TRUE(session.failed());
}

TEST_F(PackSourceTest, CancelledOpenAndSaveDoNothing)
{
    report.appendLine("kept");
    platform.queueCancel();
    packwell::pack::openPackSource(session);
    platform.queueCancel();
    packwell::pack::savePackSource(session);
    EXPECT_EQ(report.lines(), Lines{"kept"});
    EXPECT_FALSE(session.failed());
}

TEST(PackSourceLines, LinesAreToldApartByKeywordAndReadByTheirSecondToken)
{
    using packwell::pack::SourceLineKind;
    EXPECT_EQ(packwell::pack::sourceLineKind("x .gamepack_file y"), SourceLineKind::File);
    EXPECT_EQ(packwell::pack::sourceLineKind(".GAMEPACK_STRING .GAMEPACK_FILE"), SourceLineKind::File);
    EXPECT_EQ(packwell::pack::sourceLineKind("  .GamePack_String->a"), SourceLineKind::String);
    EXPECT_EQ(packwell::pack::sourceLineKind("; Group Name: \"bin\""), SourceLineKind::Other);
    EXPECT_EQ(packwell::pack::sourceLineKind("GAMEPACK_FILE"), SourceLineKind::Other);

    EXPECT_EQ(packwell::pack::filePathOf(".GAMEPACK_FILE->bin /My_Dir/a_b.Bin extra"), "/My Dir/a b.Bin");
    EXPECT_EQ(packwell::pack::filePathOf("\t.GAMEPACK_FILE->bin\v\f/x\r"), "/x");
    EXPECT_EQ(packwell::pack::filePathOf(".GAMEPACK_FILE->bin"), ".GAMEPACK FILE->bin");

    struct Case {
        std::string line;
        std::string text;
        std::optional<std::string> label;
    } cases[] = {
        {".GAMEPACK_STRING->hello", "HELLO", std::nullopt},
        {".GAMEPACK_STRING.OFFSET->hello", "HELLO", "HELLO"},
        {".GAMEPACK_STRING->hello .OFFSET", "HELLO", "HELLO .OFFSET"},
        {".GAMEPACK_STRING.offset->", ".GAMEPACK_STRING.OFFSET", ""},
        {".GAMEPACK_STRING->a->b", "A->B", std::nullopt},
        {"x .GAMEPACK_STRING->y", ".GAMEPACK_STRING", std::nullopt},
    };
    for (const Case& c : cases) {
        auto entry = packwell::pack::parseStringLine(c.line);
        ASSERT_TRUE(entry) << c.line;
        EXPECT_EQ(entry->text, c.text) << c.line;
        EXPECT_EQ(entry->label, c.label) << c.line;
    }
    EXPECT_FALSE(packwell::pack::parseStringLine(".GAMEPACK_STRING hello"));
}

}  // namespace
}  // namespace pack_tests
