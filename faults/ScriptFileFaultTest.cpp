// The script editor's files when the disk misbehaves: a read-only working
// folder (no Dumps folder can be made), a read-only or full Dumps folder
// when the script file is saved, and a script file that is replaced or
// removed while the editor holds it. The user's text is never dropped
// without a word.

#include <filesystem>
#include <memory>

#include "EditorFixture.h"
#include "MountedFolder.h"
#include "script/ScriptFile.h"

namespace faults {
namespace {

using scrivel::testing_rom::EditorFixture;

const std::string TemplateOf4 = scrivel::script::scriptTemplate(4);

class ScriptFileFaultTest : public EditorFixture {
protected:
    // Mounts a small disk as the Dumps folder and opens the ROM, which
    // writes block 0's script file there.
    bool openWithDumpsOnDisk(size_t size)
    {
        disk = std::make_unique<MountedFolder>(dir / "Dumps", size);
        if (!disk->mounted()) return false;
        openRom();
        platform.clearRecords();
        return true;
    }
    std::string block0() const { return dumps("001A8000.txt"); }

    std::unique_ptr<MountedFolder> disk;
};

#define DUMPS_ON_DISK(size)                                                          \
    do {                                                                             \
        if (!openWithDumpsOnDisk(size)) GTEST_SKIP() << "cannot mount a tmpfs: " << disk->refusal(); \
    } while (0)

TEST_F(ScriptFileFaultTest, ReadOnlyWorkingFolderLeavesTheEditorEmptyAndSavesNothing)
{
    MountedFolder work(dir / "work", 2 * 1024 * 1024);
    FAULTS_REQUIRE_MOUNT(work);
    std::filesystem::copy_file(dir / "rom.sfc", dir / "work" / "rom.sfc");
    std::filesystem::copy_file(dir / "blocks.txt", dir / "work" / "blocks.txt");
    ASSERT_TRUE(work.makeReadOnly());

    openRom("work/rom.sfc", "work/blocks.txt");
    const std::string path = (dir / "work" / "Dumps" / "001A8000.txt").string();
    EXPECT_EQ(platform.messages().back(), "Error: Could not create script file!\n" + path);
    EXPECT_EQ(view.editor.lineCount(), 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "work" / "Dumps"));

    view.editor.type("typed after the failure");
    platform.clearRecords();
    commands.saveTextFile();
    EXPECT_EQ(platform.messages(), std::vector<std::string>{"Error: No script file is open; the text was not saved."});
    EXPECT_TRUE(view.editor.modified());
}

TEST_F(ScriptFileFaultTest, SaveIntoAReadOnlyDumpsFolderFailsAndKeepsBothTexts)
{
    DUMPS_ON_DISK(256 * 1024);
    view.editor.type("my translation");
    ASSERT_TRUE(disk->makeReadOnly());
    commands.saveTextFile();
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].rfind("Cannot create file \"" + block0() + "\".", 0), 0u);
    EXPECT_EQ(testing_support::readFile(block0()), TemplateOf4);
    EXPECT_TRUE(view.editor.modified());
    EXPECT_NE(view.editor.text().find("my translation"), std::string::npos);
}

TEST_F(ScriptFileFaultTest, SaveOntoAFullDiskFailsAndKeepsTheOldFile)
{
    DUMPS_ON_DISK(64 * 1024);
    disk->fill();
    view.editor.type(std::string(100 * 1024, 'x'));
    commands.saveTextFile();
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_NE(platform.messages()[0].find("No space left on device"), std::string::npos);
    EXPECT_EQ(testing_support::readFile(block0()), TemplateOf4);
    EXPECT_TRUE(view.editor.modified());
    // No temporary file is left beside it.
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir / "Dumps")) files += entry.is_regular_file();
    EXPECT_EQ(files, 2u);  // the script file and the filler
}

// Answering Yes to the question about unsaved text when that save fails:
// the editor keeps the text (still marked modified) and its file, instead
// of loading the next block's file over it.
TEST_F(ScriptFileFaultTest, FailedSaveOnBlockChangeKeepsTheUnsavedText)
{
    DUMPS_ON_DISK(64 * 1024);
    view.editor.type(std::string(20 * 1024, 'x') + "my translation");
    disk->fill();
    platform.queueAnswer(platform::Answer::Yes);
    selectBlock(1);
    ASSERT_EQ(platform.questions().size(), 1u);
    EXPECT_NE(platform.messages().at(0), "Text file was saved!");
    EXPECT_NE(view.editor.text().find("my translation"), std::string::npos);
    EXPECT_TRUE(view.editor.modified());
    EXPECT_EQ(state.scriptFilePath, block0());

    // Once there is room again the text goes where it belongs.
    std::filesystem::remove(dir / "Dumps" / "filler");
    platform.clearRecords();
    commands.saveTextFile();
    EXPECT_EQ(platform.messages(), std::vector<std::string>{"Text file was saved!"});
    EXPECT_NE(testing_support::readFile(block0()).find("my translation"), std::string::npos);
}

TEST_F(ScriptFileFaultTest, ScriptFileRemovedWhileOpenStillAsksAndSaves)
{
    openRom();
    view.editor.type("my translation");
    std::filesystem::remove(block0());
    platform.clearRecords();
    platform.queueAnswer(platform::Answer::Yes);
    selectBlock(1);
    EXPECT_EQ(platform.questions().size(), 1u);
    EXPECT_NE(testing_support::readFile(block0()).find("my translation"), std::string::npos);
    EXPECT_EQ(state.scriptFilePath, dumps("001B8000.txt"));
}

TEST_F(ScriptFileFaultTest, ScriptFileReplacedByAnotherFileIsSavedOverWhole)
{
    openRom();
    view.editor.type("my translation");
    const std::string other = (dir / "other.txt").string();
    testing_support::writeFile(other, std::string(5000, 'o'));
    std::filesystem::rename(other, block0());
    platform.clearRecords();
    commands.saveTextFile();
    EXPECT_EQ(platform.messages(), std::vector<std::string>{"Text file was saved!"});
    const std::string saved = testing_support::readFile(block0());
    EXPECT_NE(saved.find("my translation"), std::string::npos);
    EXPECT_EQ(saved.find("oo"), std::string::npos);
}

TEST_F(ScriptFileFaultTest, ScriptFileReplacedByAFolderCannotBeSavedAndTheTextStays)
{
    openRom();
    view.editor.type("my translation");
    std::filesystem::remove(block0());
    std::filesystem::create_directory(block0());
    platform.clearRecords();
    commands.saveTextFile();
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].rfind("Cannot create file", 0), 0u);
    EXPECT_TRUE(view.editor.modified());

    platform.clearRecords();
    platform.queueAnswer(platform::Answer::Yes);
    selectBlock(1);
    EXPECT_NE(view.editor.text().find("my translation"), std::string::npos);
    EXPECT_TRUE(view.editor.modified());
}

}  // namespace
}  // namespace faults
