#include <filesystem>

#include "EditorFixture.h"
#include "script/ScriptFile.h"

using namespace scrivel::rom;
using namespace scrivel::render;
using namespace scrivel::script;
using namespace scrivel::editor;
using platform::Answer;
using scrivel::testing_rom::EditorFixture;
using testing_support::readFile;
using testing_support::writeFile;

namespace {

using ScriptFiles = EditorFixture;

TEST_F(ScriptFiles, ExistingFileIsLoadedUnchanged)
{
    std::filesystem::create_directory(dir / "Dumps");
    writeFile(dumps("001A8000.txt"), std::string("mine\r\n.STRING 0\r\n\xE9t\xE9\r\n.ENDS\r\n"));
    openRom();
    EXPECT_EQ(view.editor.lineCount(), 4);
    EXPECT_EQ(view.editor.line(2), "\xC3\xA9t\xC3\xA9");  // a Latin-1 file's text, in UTF-8 as the editor holds it
    EXPECT_EQ(state.foundLine, 1);
}

TEST_F(ScriptFiles, UnsavedTextIsOfferedForSavingWhenTheBlockChanges)
{
    openRom();
    std::string fileA = state.scriptFilePath;
    view.editor.setCaret(0, 0);
    view.editor.type("edited ");
    platform.queueAnswer(Answer::Yes);
    selectBlock(1);
    ASSERT_EQ(platform.questions().size(), 1u);
    EXPECT_EQ(platform.questions()[0].text, "Current data not saved. Do you wish to save it?");
    EXPECT_EQ(platform.questions()[0].caption, "File Modified...");
    EXPECT_FALSE(platform.questions()[0].withCancel);
    EXPECT_EQ(readFile(fileA), "edited " + scriptTemplate(4));
    EXPECT_EQ(platform.messages().back(), "Text file was saved!");
    EXPECT_EQ(state.scriptFilePath, dumps("001B8000.txt"));
    EXPECT_EQ(view.editor.line(5), ".STRING 0");
    EXPECT_FALSE(view.editor.modified());

    // Answering No leaves the file as it was.
    view.editor.type("dropped ");
    platform.queueAnswer(Answer::No);
    selectBlock(0);
    EXPECT_EQ(readFile(dumps("001B8000.txt")), scriptTemplate(2));
    EXPECT_EQ(view.editor.line(0), "edited // Do not erase these: ");

    // An unmodified editor asks nothing.
    platform.clearRecords();
    selectBlock(1);
    EXPECT_TRUE(platform.questions().empty());
}

TEST_F(ScriptFiles, SaveWritesCrLfLinesAndClearsTheFlag)
{
    openRom();
    view.editor.setText(".STRING 0\nHello\n.ENDS");
    view.editor.setCaret(0, 0);
    view.editor.type("!");
    ASSERT_TRUE(view.editor.modified());
    platform.clearRecords();
    commands.saveTextFile();
    EXPECT_EQ(platform.messages(), std::vector<std::string>{"Text file was saved!"});
    EXPECT_EQ(readFile(state.scriptFilePath), "!.STRING 0\r\nHello\r\n.ENDS\r\n");
    EXPECT_FALSE(view.editor.modified());
}

TEST_F(ScriptFiles, FailedSaveKeepsTheFileAndTheFlag)
{
    openRom();
    view.editor.type("x");
    std::filesystem::remove_all(dir / "Dumps");
    platform.clearRecords();
    commands.saveTextFile();
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_NE(platform.messages()[0], "Text file was saved!");
    EXPECT_NE(platform.messages()[0].find("001A8000.txt"), std::string::npos);
    EXPECT_TRUE(view.editor.modified());
}

TEST_F(ScriptFiles, SaveBeforeAnyBlockReportsAnError)
{
    commands.saveTextFile();
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].rfind("Error", 0), 0u);
}

TEST_F(ScriptFiles, FileThatCannotBeCreatedLeavesTheEditorEmptyWithNoPath)
{
    openRom();
    view.editor.type("text of block A");
    platform.clearRecords();
    platform.queueAnswer(Answer::No);
    std::filesystem::remove_all(dir / "Dumps");
    writeFile(dir / "Dumps", std::string("a file where the folder should be"));
    selectBlock(1);
    EXPECT_EQ(platform.messages(),
              std::vector<std::string>{"Error: Could not create script file!\n" + dumps("001B8000.txt")});
    EXPECT_EQ(view.editor.lineCount(), 0);
    EXPECT_FALSE(view.editor.modified());
    EXPECT_EQ(state.scriptFilePath, "");
    // The lists moved on to the new block all the same.
    EXPECT_EQ(view.status[0], "Offset: 1B9000 | PTR: 9000 -> 1B8000");

    // A save now writes nowhere.
    view.editor.type("more");
    platform.clearRecords();
    commands.saveTextFile();
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_NE(platform.messages()[0], "Text file was saved!");
    EXPECT_TRUE(view.editor.modified());
}

}  // namespace
