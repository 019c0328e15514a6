#include <filesystem>

#include "PackFixture.h"

namespace pack_tests {
namespace {

using Lines = std::vector<std::string>;

class PackBuildTest : public PackFixture {
protected:
    void build(const Lines& lines)
    {
        report.setLines(lines);
        packwell::pack::buildPack(session);
    }
    std::string zero(const std::string& s) { return s + std::string(1, '\0'); }
};

TEST_F(PackBuildTest, PacksStringsAndFilesAndPublishesTheirOffsets)
{
    std::filesystem::create_directory(dir / "DATA");
    std::string intro(300, 'i'), title(100, 't');
    write("DATA/INTRO.BIN", intro);
    write("DATA/TITLE.BIN", title);
    build({".GAMEPACK_STRING->intro", ".GAMEPACK_FILE->bin " + path("DATA/INTRO.BIN"),
           ".GAMEPACK_FILE->bin " + path("DATA/TITLE.BIN"), ".GAMEPACK_STRING.OFFSET->end"});
    EXPECT_EQ(read("GPACK.dbp"), zero("INTRO") + intro + title + zero("END"));
    EXPECT_EQ(read("GPACK.h"),
              "GPACK_INTRO                = $00000000\r\n"
              "GPACK_TITLE                = $00000132\r\n"
              "GPACK_STRING->END = $00000196\r\n");
    EXPECT_EQ(platform.messages(), Lines{"GamePack created!"});
    EXPECT_EQ(progress.events, (Lines{"show", "caption:Creating Game Pack", "pos:0", "pos:25", "pos:50", "pos:75", "close"}));
    EXPECT_EQ(platform.processEventsCalls(), 4);
    EXPECT_FALSE(session.failed());
}

TEST_F(PackBuildTest, StringCarryDecidesWhereAFileIsPublished)
{
    write("f.bin", "FF");
    struct Case {
        const char* what;
        Lines lines;
        std::string header;
    } cases[] = {
        {"two strings then a file", {".GAMEPACK_STRING->ab", ".GAMEPACK_STRING->cde", ".GAMEPACK_FILE->x f.bin"},
         "GPACK_F                    = $00000003\r\n"},
        {"carry survives other lines", {".GAMEPACK_STRING->ab", "; comment", "", ".GAMEPACK_FILE->x f.bin"},
         "GPACK_F                    = $00000000\r\n"},
        {"a file entry resets the carry", {".GAMEPACK_STRING->ab", ".GAMEPACK_FILE->x f.bin", ".GAMEPACK_FILE->x f.bin"},
         "GPACK_F                    = $00000000\r\nGPACK_F                    = $00000005\r\n"},
        {"string offsets are never reduced",
         {".GAMEPACK_FILE->x f.bin", ".GAMEPACK_STRING.OFFSET->a", ".GAMEPACK_STRING.OFFSET->b"},
         "GPACK_F                    = $00000000\r\nGPACK_STRING->A = $00000002\r\nGPACK_STRING->B = $00000004\r\n"},
        {"nothing after the arrow packs the keyword itself", {".gamepack_string.offset->"},
         "GPACK_STRING-> = $00000000\r\n"},
    };
    for (const Case& c : cases) {
        build(c.lines);
        EXPECT_EQ(read("GPACK.h"), c.header) << c.what;
        EXPECT_EQ(platform.messages().back(), "GamePack created!") << c.what;
    }
    EXPECT_EQ(read("GPACK.dbp"), zero(".GAMEPACK_STRING.OFFSET"));
}

TEST_F(PackBuildTest, PathsKeepTheirCaseAndReadUnderscoresAsSpaces)
{
    std::filesystem::create_directories(dir / "v1.2/My Data");
    write("v1.2/My Data/title screen.Bin", "T");
    build({".gamepack_file->bin " + dir.str() + "/v1.2/My_Data/title_screen.Bin", ".GAMEPACK_STRING->mixed_Case"});
    EXPECT_EQ(read("GPACK.h"), "GPACK_TITLE SCREEN         = $00000000\r\n");
    EXPECT_EQ(read("GPACK.dbp"), "T" + zero("MIXED_CASE"));
}

TEST_F(PackBuildTest, EntryNamesAreTheFileNamePartCutAtItsFirstDot)
{
    std::filesystem::create_directory(dir / "a.b");
    write("a.b/c.d.e", "1");
    write("plain", "2");
    write(std::string(24, 'l') + ".x", "3");
    build({".GAMEPACK_FILE->e a.b/c.d.e", ".GAMEPACK_FILE plain", ".GAMEPACK_FILE->x " + std::string(24, 'l') + ".x"});
    EXPECT_EQ(read("GPACK.h"), "GPACK_C                    = $00000000\r\n"
                               "GPACK_PLAIN                = $00000001\r\n"
                               "GPACK_" + std::string(24, 'L') + " = $00000002\r\n");
}

TEST_F(PackBuildTest, MissingFileStopsTheBuildKeepingWhatWasWritten)
{
    write("a.bin", "A");
    build({".GAMEPACK_FILE->bin a.bin", ".GAMEPACK_STRING.OFFSET->s", ".gamepack_file->bin Sub_Dir/Missing.bin",
           ".GAMEPACK_STRING->never"});
    EXPECT_EQ(platform.messages(), Lines{"Fatal Error: Could not open \"Sub Dir/Missing.bin\""});
    EXPECT_EQ(read("GPACK.dbp"), "A" + zero("S"));
    EXPECT_EQ(read("GPACK.h"), "GPACK_A                    = $00000000\r\nGPACK_STRING->S = $00000001\r\n");
    EXPECT_EQ(progress.events.back(), "close");
    EXPECT_EQ(progress.events.size(), 6u);  // show, caption, three positions, close
    EXPECT_TRUE(session.failed());
}

TEST_F(PackBuildTest, SingleTokenFileLineNamesNoFile)
{
    build({".GAMEPACK_FILE"});
    EXPECT_EQ(platform.messages(), Lines{"Fatal Error: Could not open \".GAMEPACK FILE\""});
}

TEST_F(PackBuildTest, StringLineWithoutArrowStopsTheBuild)
{
    build({".GAMEPACK_STRING->ok", "", ".GamePack_String Hello \"there\""});
    EXPECT_EQ(platform.messages(), Lines{"Fatal Error: Bad line 3: \".GAMEPACK_STRING HELLO \"THERE\"\""});
    EXPECT_EQ(read("GPACK.dbp"), zero("OK"));
    EXPECT_EQ(read("GPACK.h"), "");
    EXPECT_EQ(progress.events.back(), "close");
    EXPECT_TRUE(session.failed());
}

TEST_F(PackBuildTest, EmptyReportIsRefusedWithoutTouchingFiles)
{
    write("GPACK.h", "old");
    build({});
    EXPECT_EQ(platform.messages(), Lines{"Please create OR load a GAME Pack source file!"});
    EXPECT_EQ(read("GPACK.h"), "old");
    EXPECT_FALSE(exists("GPACK.dbp"));
    EXPECT_TRUE(progress.events.empty());
    EXPECT_TRUE(session.failed());
}

TEST_F(PackBuildTest, SourceWithoutEntriesGivesEmptyFiles)
{
    write("GPACK.dbp", "old");
    build({"; Group Name: \"bin\"", "", "  #define X 0"});
    EXPECT_EQ(read("GPACK.dbp"), "");
    EXPECT_EQ(read("GPACK.h"), "");
    EXPECT_EQ(platform.messages(), Lines{"GamePack created!"});
}

TEST_F(PackBuildTest, OutputsThatCannotBeCreatedStopTheBuild)
{
    std::filesystem::create_directory(dir / "GPACK.h");
    build({".GAMEPACK_STRING->x"});
    EXPECT_EQ(platform.messages(), Lines{"Fatal Error: Could not open files."});
    EXPECT_EQ(progress.events, (Lines{"show", "close"}));
    EXPECT_TRUE(session.failed());
}

TEST_F(PackBuildTest, PackingTheOutputIntoItselfCopiesWhatWasWrittenBefore)
{
    build({".GAMEPACK_STRING->ab", ".GAMEPACK_FILE->dbp GPACK.dbp"});
    EXPECT_EQ(read("GPACK.dbp"), zero("AB") + zero("AB"));
    EXPECT_EQ(read("GPACK.h"), "GPACK_GPACK                = $00000000\r\n");
}

}  // namespace
}  // namespace pack_tests
