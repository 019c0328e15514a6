// The question before the program ends: unsaved script text is offered for
// saving, and the answer decides whether the program may close.

#include "EditorFixture.h"
#include "script/ScriptFile.h"

#include <filesystem>

using namespace scrivel::editor;
using platform::Answer;
using scrivel::testing_rom::EditorFixture;
using testing_support::readFile;

namespace {

class ExitCommand : public EditorFixture {
protected:
    ExitCommand()
    {
        openRom();
        path = state.scriptFilePath;
        platform.clearRecords();
    }
    void typeUnsavedText()
    {
        view.editor.setCaret(0, 0);
        view.editor.type("unsaved ");
    }
    std::string path;
};

TEST_F(ExitCommand, NothingUnsavedClosesWithoutAQuestion)
{
    EXPECT_TRUE(commands.confirmExit());
    EXPECT_TRUE(platform.questions().empty());
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(ExitCommand, TheQuestionOffersCancel)
{
    typeUnsavedText();
    platform.queueAnswer(Answer::Cancel);
    EXPECT_FALSE(commands.confirmExit());
    ASSERT_EQ(platform.questions().size(), 1u);
    EXPECT_EQ(platform.questions()[0].text, "Current data not saved. Do you wish to save it?");
    EXPECT_EQ(platform.questions()[0].caption, "File Modified...");
    EXPECT_TRUE(platform.questions()[0].withCancel);
    EXPECT_TRUE(view.editor.modified());
    EXPECT_EQ(readFile(path), scrivel::script::scriptTemplate(4));
}

TEST_F(ExitCommand, NoClosesAndLeavesTheFileAsItWas)
{
    typeUnsavedText();
    platform.queueAnswer(Answer::No);
    EXPECT_TRUE(commands.confirmExit());
    EXPECT_EQ(readFile(path), scrivel::script::scriptTemplate(4));
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(ExitCommand, YesSavesAndCloses)
{
    typeUnsavedText();
    platform.queueAnswer(Answer::Yes);
    EXPECT_TRUE(commands.confirmExit());
    EXPECT_EQ(readFile(path), "unsaved " + scrivel::script::scriptTemplate(4));
    EXPECT_EQ(platform.messages(), std::vector<std::string>{"Text file was saved!"});
    EXPECT_FALSE(view.editor.modified());
}

TEST_F(ExitCommand, AFailedSaveKeepsTheProgramOpenAndTheTextUnsaved)
{
    typeUnsavedText();
    std::filesystem::remove_all(dir / "Dumps");
    platform.queueAnswer(Answer::Yes);
    EXPECT_FALSE(commands.confirmExit());
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_NE(platform.messages()[0], "Text file was saved!");
    EXPECT_EQ(commands.worstSeverity(), Severity::Error);
    EXPECT_TRUE(view.editor.modified());
}

TEST_F(ExitCommand, EndingTheSessionLetsGoOfTheRomAndThePicture)
{
    commands.endSession();
    EXPECT_FALSE(state.romLoaded);
    EXPECT_TRUE(state.romImage.empty());
    EXPECT_TRUE(state.rendered.picture.pixels.empty());
}

}  // namespace
