#include <filesystem>

#include "PackFixture.h"

namespace pack_tests {
namespace {

using Lines = std::vector<std::string>;

class AddToMergedTest : public PackFixture {
protected:
    void addChoosing(const std::string& name)
    {
        platform.queueChoice(path(name));
        packwell::pack::addFileToMerged(session);
    }
};

TEST_F(AddToMergedTest, AppendsTheFileAndReportsTheOffsetWhereItStarts)
{
    write("Merged.dat", std::string(300, 'm'));
    write("LOGO.BIN", std::string(16, 'L'));
    addChoosing("LOGO.BIN");
    EXPECT_EQ(platform.messages(), Lines{path("LOGO.BIN") + " merged successfully!"});
    EXPECT_EQ(report.lines(), Lines{"#define LOGO                 0x0000012C"});
    EXPECT_EQ(read("Merged.dat"), std::string(300, 'm') + std::string(16, 'L'));
    EXPECT_FALSE(session.failed());
}

TEST_F(AddToMergedTest, RepeatedAddsReportEachOffsetAndCreateTheFileFirst)
{
    write("intro.old.bin", "12345");
    addChoosing("intro.old.bin");
    addChoosing("intro.old.bin");
    EXPECT_EQ(report.lines(), (Lines{"#define INTRO                0x00000000", "#define INTRO                0x00000005"}));
    EXPECT_EQ(read("Merged.dat"), "1234512345");
}

TEST_F(AddToMergedTest, DefineNameIsTheFileNameUpToItsFirstDotInUpperCase)
{
    std::filesystem::create_directory(dir / "v1.0");
    write("v1.0/noext", "a");
    write("v1.0/Mixed.Case.txt", "b");
    write("v1.0/" + std::string(25, 'k') + ".x", "c");
    // The first add grows the Merged.dat of the starting folder; the dialog
    // then makes v1.0 the working folder, whose Merged.dat the others grow.
    for (const std::string& name : Lines{"noext", "Mixed.Case.txt", std::string(25, 'k') + ".x"}) addChoosing("v1.0/" + name);
    EXPECT_EQ(report.lines(), (Lines{"#define NOEXT                0x00000000", "#define MIXED                0x00000000",
                                     "#define " + std::string(25, 'K') + " 0x00000001"}));
    EXPECT_EQ(read("Merged.dat"), "a");
    EXPECT_EQ(read("v1.0/Merged.dat"), "bc");
}

TEST_F(AddToMergedTest, EmptyFileAppendsNothingButIsReported)
{
    write("Merged.dat", "abc");
    write("empty.bin", "");
    addChoosing("empty.bin");
    EXPECT_EQ(platform.messages(), Lines{path("empty.bin") + " merged successfully!"});
    EXPECT_EQ(report.lines(), Lines{"#define EMPTY                0x00000003"});
    EXPECT_EQ(read("Merged.dat"), "abc");
}

TEST_F(AddToMergedTest, AddingMergedDatToItselfDoublesItOnce)
{
    write("Merged.dat", "xy");
    addChoosing("Merged.dat");
    EXPECT_EQ(read("Merged.dat"), "xyxy");
    EXPECT_EQ(report.lines(), Lines{"#define MERGED               0x00000002"});
}

TEST_F(AddToMergedTest, MergedDatStaysInTheWorkingFolderOfBeforeTheDialog)
{
    std::filesystem::create_directory(dir / "other");
    write("other/f.bin", "F");
    addChoosing("other/f.bin");
    EXPECT_EQ(read("Merged.dat"), "F");
    EXPECT_FALSE(exists("other/Merged.dat"));
}

TEST_F(AddToMergedTest, FailuresAreShownAndAppendNothingWhileACancelIsSilent)
{
    struct Case {
        const char* what;
        bool mergedDatIsFolder;
        bool cancel;
        const char* chosen;
        const char* message;
    } cases[] = {
        {"Merged.dat cannot be opened", true, false, "f.bin", "Could not re-open DAT file."},
        {"file cannot be opened", false, false, "missing.bin", "Error trying to open file..."},
        {"file is a folder", false, false, "folder.bin", "Error trying to open file..."},
        {"dialog cancelled", false, true, "", nullptr},
    };
    for (const Case& c : cases) {
        testing_support::TempDir d;
        d.enter();
        platform::ScriptedPlatform p;
        packwell::pack::LineReport r;
        packwell::pack::MergerSession s(p, r, progress);
        std::filesystem::create_directory(d / "folder.bin");
        if (c.mergedDatIsFolder) std::filesystem::create_directory(d / "Merged.dat");
        testing_support::writeFile(d / "f.bin", "F");
        if (c.cancel) p.queueCancel();
        else p.queueChoice((d / c.chosen).string());
        packwell::pack::addFileToMerged(s);
        EXPECT_EQ(p.messages(), c.message ? Lines{c.message} : Lines{}) << c.what;
        EXPECT_EQ(r.lineCount(), 0u) << c.what;
        EXPECT_EQ(s.failed(), c.message != nullptr) << c.what;
        if (!c.mergedDatIsFolder) {
            EXPECT_EQ(testing_support::readFile(d / "Merged.dat"), "") << c.what;
        }
    }
}

TEST_F(AddToMergedTest, DialogFolderIsSetOnceAndTheTitleIsTheLastOneGiven)
{
    write("f.bin", "F");
    platform.queueChoice(path("f.bin"));
    packwell::pack::addFileToMerged(session);
    EXPECT_EQ(platform.dialogs().at(0).request.initialFolder, dir.str());
    EXPECT_EQ(platform.dialogs().at(0).request.title, "");

    session.dialogFolder = "/remembered";
    platform.queueCancel();
    packwell::pack::mergeGroup(session);  // sets the dialog folder and the title
    session.dialogFolder = "/remembered";
    platform.queueCancel();
    packwell::pack::addFileToMerged(session);
    EXPECT_EQ(platform.dialogs().at(2).request.initialFolder, "/remembered");
    EXPECT_EQ(platform.dialogs().at(2).request.title, "Select a file with GROUP's extension...");
}

}  // namespace
}  // namespace pack_tests
