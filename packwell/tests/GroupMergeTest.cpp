#include <filesystem>

#include "pack/MergeReport.h"
#include "PackFixture.h"

namespace pack_tests {
namespace {

using Lines = std::vector<std::string>;

std::string bytesFrom(int first, int count)
{
    std::string s;
    for (int i = 0; i < count; ++i) s.push_back(static_cast<char>(first + i));
    return s;
}

class GroupMergeTest : public PackFixture {
protected:
    void mergeChoosing(const std::string& name)
    {
        platform.queueChoice(path(name));
        packwell::pack::mergeGroup(session);
    }
};

TEST_F(GroupMergeTest, MergesTheGroupAndWritesReportDataAndListing)
{
    std::string intro(300, '\x11');
    write("intro.bin", intro);
    write("title.bin", bytesFrom(0, 17));
    write("notes.txt", "not a member");
    mergeChoosing("intro.bin");

    EXPECT_EQ(report.lines(), (Lines{
        "  #define INTRO              0",
        "  #define TITLE              1",
        " ", " ", " ",
        "INTRO            = 0",
        "TITLE            = 1",
        " ", " ", " ",
        "  extern long Ofs[0x2] =",
        "  {",
        "    0x00000000,  // INTRO",
        "    0x0000012C,  // TITLE",
        "  };",
        " ", " ",
        "  {",
        "    \"INTRO\",               //   0",
        "    \"TITLE\",               //   1",
        "  };",
        " ", " ", ".SCRIPT[INTRO]", " ", ".ENDS",
        " ", " ", ".SCRIPT[TITLE]", " ", ".ENDS"}));
    EXPECT_EQ(read("Merged.dat"), intro + bytesFrom(0, 17));

    std::string listing = read("Merged.cpp");
    EXPECT_EQ(listing.rfind("  unsigned char Data[0x13D] = \r\n  {\r\n    0x11, 0x11, ", 0), 0u);
    // 317 bytes: 19 full rows, then 13 bytes without a row number.
    EXPECT_NE(listing.find("0x11,  //  17\r\n    0x11, "), std::string::npos);
    EXPECT_NE(listing.find("0x03,  //  18\r\n    0x04, "), std::string::npos);
    EXPECT_NE(listing.find("0x0F, 0x10, \r\n  }; \r\n"), std::string::npos);
    EXPECT_EQ(listing.substr(listing.size() - 9), "\r\n  }; \r\n");
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_FALSE(session.failed());
}

TEST_F(GroupMergeTest, ListingOfAShortLastRow)
{
    write("a.bin", bytesFrom(0, 17));
    mergeChoosing("a.bin");
    EXPECT_EQ(read("Merged.cpp"),
              "  unsigned char Data[0x11] = \r\n"
              "  {\r\n"
              "    0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F,  //   0\r\n"
              "    0x10, \r\n"
              "  }; \r\n");
}

TEST_F(GroupMergeTest, ListingOfOneFullRowEndsWithALineOfFourSpaces)
{
    write("a.bin", std::string(16, '\xAB'));
    mergeChoosing("a.bin");
    std::string row;
    for (int i = 0; i < 15; ++i) row += "0xAB, ";
    EXPECT_EQ(read("Merged.cpp"), "  unsigned char Data[0x10] = \r\n  {\r\n    " + row + "0xAB,  //   0\r\n    \r\n  }; \r\n");
}

TEST_F(GroupMergeTest, RowNumbersWiderThanThreeColumnsAreNotCut)
{
    write("a.bin", std::string(16 * 1001, '\0'));
    mergeChoosing("a.bin");
    std::string listing = read("Merged.cpp");
    EXPECT_NE(listing.find("0x00,  // 999\r\n"), std::string::npos);
    EXPECT_NE(listing.find("0x00,  // 1000\r\n    \r\n  }; \r\n"), std::string::npos);
}

TEST_F(GroupMergeTest, EmptyGroupGivesEmptyTablesAndListing)
{
    // The chosen file itself need not exist: the group is what the search finds.
    std::filesystem::create_directory(dir / "sub");
    platform.queueChoice(path("sub/none.xyz"));
    packwell::pack::mergeGroup(session);
    EXPECT_EQ(report.lines(), (Lines{" ", " ", " ", " ", " ", " ", "  extern long Ofs[0x0] =", "  {", "  };", " ",
                                     " ", "  {", "  };"}));
    EXPECT_EQ(read("sub/Merged.dat"), "");
    EXPECT_EQ(read("sub/Merged.cpp"), "  unsigned char Data[0x0] = \r\n  {\r\n    \r\n  }; \r\n");
}

TEST_F(GroupMergeTest, EmptyMemberSharesTheOffsetOfTheNext)
{
    write("a.dat2", "");
    write("b.dat2", "xyz");
    write("c.dat2", "q");
    mergeChoosing("b.dat2");
    // Names keep what is left of "a.dat2" after its last 4 characters.
    EXPECT_EQ(report.line(14), "    0x00000000,  // A.");
    EXPECT_EQ(report.line(15), "    0x00000000,  // B.");
    EXPECT_EQ(report.line(16), "    0x00000003,  // C.");
    EXPECT_EQ(read("Merged.dat"), "xyzq");
}

TEST_F(GroupMergeTest, MembersAreFoundInFoldedNameOrderWhateverTheirCase)
{
    write("b.BIN", "2");
    write("A.bin", "1");
    write("c.Bin", "3");
    mergeChoosing("A.bin");
    EXPECT_EQ(report.line(0), "  #define A                  0");
    EXPECT_EQ(report.line(1), "  #define B                  1");
    EXPECT_EQ(report.line(2), "  #define C                  2");
    EXPECT_EQ(read("Merged.dat"), "123");
}

TEST_F(GroupMergeTest, PatternStartsAtTheFirstDotOfTheFileNameOnly)
{
    std::filesystem::create_directory(dir / "v1.2");
    write("v1.2/a.tar.gz", "A");
    write("v1.2/b.tar.gz", "B");
    write("v1.2/c.gz", "C");
    mergeChoosing("v1.2/a.tar.gz");
    EXPECT_EQ(report.line(0), "  #define A.TA               0");
    EXPECT_EQ(report.line(1), "  #define B.TA               1");
    EXPECT_EQ(read("v1.2/Merged.dat"), "AB");
}

TEST_F(GroupMergeTest, MergedDatIsNeverItsOwnMember)
{
    write("Merged.dat", "old merge");
    write("x.dat", "new");
    std::filesystem::create_symlink("Merged.dat", dir / "link.dat");
    mergeChoosing("x.dat");
    EXPECT_EQ(read("Merged.dat"), "new");
    EXPECT_EQ(report.line(0), "  #define X                  0");
    EXPECT_EQ(report.line(4), "X                = 0");
    EXPECT_FALSE(session.failed());
}

TEST_F(GroupMergeTest, DefineNameDropsTheLastFourCharactersOfTheFileName)
{
    struct Case {
        const char* file;
        const char* name;
    } cases[] = {
        {"a.b.bin", "A.B"}, {"photo.jpeg", "PHOTO."}, {"My File.bin", "MY FILE"},
        {"ab.c", ""},       {"x.b", "X"},             {".b", ""},
        {"ab", "AB"},       {"\xC3\xA9t\xC3\xA9.bin", "\xC3\xA9T\xC3\xA9"},
    };
    for (const Case& c : cases) EXPECT_EQ(packwell::pack::mergeDefineName(c.file), c.name) << c.file;
}

TEST_F(GroupMergeTest, NameTablePaddingAroundTwentyCharacters)
{
    auto nameLine = [](const std::string& name) {
        return packwell::pack::mergeReportTail({{name, 0}}).at(14);
    };
    EXPECT_EQ(nameLine(std::string(19, 'N')), "    \"" + std::string(19, 'N') + "\", //   0");
    EXPECT_EQ(nameLine(std::string(20, 'N')), "    \"" + std::string(20, 'N') + "\", //   0");
    EXPECT_EQ(nameLine(std::string(21, 'N')), "    \"" + std::string(21, 'N') + "\", //   0");
    EXPECT_EQ(nameLine(std::string(25, 'N')), "    \"" + std::string(25, 'N') + "\",     //   0");
    // Long names are never cut in the define and number lines either.
    EXPECT_EQ(packwell::pack::mergeDefineLine(std::string(18, 'L'), 1000), "  #define " + std::string(18, 'L') + " 1000");
    EXPECT_EQ(packwell::pack::mergeReportTail({{std::string(17, 'L'), 0}}).at(3), std::string(17, 'L') + " = 0");
}

TEST_F(GroupMergeTest, MoreThanAHundredMembers)
{
    for (int i = 0; i < 150; ++i) write("f" + std::to_string(1000 + i) + ".raw", std::string(1, static_cast<char>(i)));
    mergeChoosing("f1000.raw");
    EXPECT_EQ(read("Merged.dat").size(), 150u);
    EXPECT_EQ(report.line(149), "  #define F1149            149");
    EXPECT_EQ(report.line(150 + 3 + 150 + 3), "  extern long Ofs[0x96] =");
}

TEST_F(GroupMergeTest, CancelRewritesTheListingOnly)
{
    write("Merged.dat", "AB");
    write("Merged.cpp", "stale");
    report.appendLine("kept");
    platform.queueCancel();
    packwell::pack::mergeGroup(session);
    EXPECT_EQ(read("Merged.dat"), "AB");
    EXPECT_EQ(read("Merged.cpp"), "  unsigned char Data[0x2] = \r\n  {\r\n    0x41, 0x42, \r\n  }; \r\n");
    EXPECT_EQ(report.lines(), Lines{"kept"});
    EXPECT_FALSE(session.failed());
}

TEST_F(GroupMergeTest, FileNameWithoutDotRewritesTheListingAndFails)
{
    write("README", "text");
    write("Merged.dat", "Z");
    report.appendLine("kept");
    mergeChoosing("README");
    EXPECT_EQ(read("Merged.dat"), "Z");
    EXPECT_EQ(read("Merged.cpp"), "  unsigned char Data[0x1] = \r\n  {\r\n    0x5A, \r\n  }; \r\n");
    EXPECT_EQ(report.lines(), Lines{"kept"});
    EXPECT_TRUE(session.failed());
    EXPECT_TRUE(platform.messages().empty());
    // Silent in the window; the reason is kept for the twin.
    EXPECT_EQ(session.quietFailures(), Lines{"Error: Sorry but the files MUST have extensions!"});
}

TEST_F(GroupMergeTest, ListingIsEmptiedWhenThereIsNoMergedDat)
{
    write("Merged.cpp", "stale");
    platform.queueCancel();
    packwell::pack::mergeGroup(session);
    EXPECT_EQ(read("Merged.cpp"), "");
    EXPECT_FALSE(exists("Merged.dat"));
}

TEST_F(GroupMergeTest, MergedDatThatCannotBeCreatedClearsTheReportAndEnds)
{
    std::filesystem::create_directory(dir / "Merged.dat");
    write("Merged.cpp", "stale");
    write("a.bin", "A");
    report.appendLine("old");
    mergeChoosing("a.bin");
    EXPECT_EQ(report.lineCount(), 0u);
    EXPECT_EQ(read("Merged.cpp"), "stale");
    EXPECT_TRUE(session.failed());
    EXPECT_TRUE(platform.messages().empty());
    ASSERT_EQ(session.quietFailures().size(), 1u);
    EXPECT_EQ(session.quietFailures()[0].rfind("Error: Could not create \"Merged.dat\"", 0), 0u);
}

// A member that disappears between the search and its opening.
class VanishingMemberPlatform : public platform::ScriptedPlatform {
public:
    std::vector<std::string> findFiles(const std::string& folder, const std::string& pattern) override
    {
        std::vector<std::string> names = ScriptedPlatform::findFiles(folder, pattern);
        names.insert(names.begin() + 1, "gone.bin");
        return names;
    }
};

TEST_F(GroupMergeTest, MemberThatCannotBeOpenedEndsTheMerge)
{
    VanishingMemberPlatform vanishing;
    packwell::pack::MergerSession s(vanishing, report, progress);
    write("a.bin", "A");
    write("z.bin", "Z");
    vanishing.queueChoice(path("a.bin"));
    packwell::pack::mergeGroup(s);
    EXPECT_EQ(report.line(0), "  #define A                  0");
    EXPECT_EQ(report.line(4), "A                = 0");
    EXPECT_EQ(report.line(8), "  extern long Ofs[0x1] =");
    EXPECT_EQ(read("Merged.dat"), "A");
    EXPECT_EQ(read("Merged.cpp"), "  unsigned char Data[0x1] = \r\n  {\r\n    0x41, \r\n  }; \r\n");
    EXPECT_TRUE(s.failed());
    EXPECT_TRUE(vanishing.messages().empty());
    EXPECT_EQ(s.quietFailures(), Lines{"Error: Could not open \"gone.bin\"; it and the members after it were not merged."});
}

TEST_F(GroupMergeTest, DialogStartsInTheWorkingFolderWithTheGroupTitle)
{
    session.dialogFolder = "/elsewhere";
    platform.queueCancel();
    packwell::pack::mergeGroup(session);
    ASSERT_EQ(platform.dialogs().size(), 1u);
    EXPECT_EQ(platform.dialogs()[0].request.title, "Select a file with GROUP's extension...");
    EXPECT_EQ(platform.dialogs()[0].request.initialFolder, dir.str());
    EXPECT_EQ(session.dialogFolder, dir.str());
}

TEST_F(GroupMergeTest, OutputsGoToTheChosenFilesFolder)
{
    std::filesystem::create_directory(dir / "data");
    write("data/a.bin", "A");
    mergeChoosing("data/a.bin");
    EXPECT_EQ(read("data/Merged.dat"), "A");
    EXPECT_TRUE(exists("data/Merged.cpp"));
    EXPECT_FALSE(exists("Merged.dat"));
    EXPECT_EQ(session.dialogFolder, dir.str());
}

}  // namespace
}  // namespace pack_tests
