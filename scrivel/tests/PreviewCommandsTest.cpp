#include "EditorFixture.h"
#include "script/ScriptFile.h"

using namespace scrivel::rom;
using namespace scrivel::render;
using namespace scrivel::script;
using namespace scrivel::editor;
using scrivel::testing_rom::EditorFixture;
using testing_support::writeFile;

namespace {

using Preview = EditorFixture;

const char* const Translation =
    "// header\r\n"
    ".STRING 0\r\nHi\r\n[KEY]You\r\n.ENDS\r\n"
    ".STRING 1\r\n\r\n.ENDS\r\n"
    ".STRING 10\r\nTen\r\n.ENDS\r\n";

class PreviewWithTranslation : public EditorFixture {
protected:
    PreviewWithTranslation()
    {
        std::filesystem::create_directory(dir / "Dumps");
        writeFile(dumps("001A8000.txt"), std::string(Translation));
        openRom();
    }
};

TEST_F(PreviewWithTranslation, DisplayTranslatedTextCompilesTheSection)
{
    commands.toggleTranslatedText();
    EXPECT_TRUE(state.checks.showTranslation);
    const std::vector<uint8_t> expected = {'H', 'i', 0xFE, 0xF6, 'Y', 'o', 'u', 0xFF};
    EXPECT_EQ(hexBytes(), expected);
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), state.previewBytes.begin()));
    EXPECT_EQ(state.previewBytes[expected.size()], 0);
    EXPECT_EQ(view.status[0], "Offset: 1A9C34 | PTR: 9C34 -> 1A8000");

    // Back to the ROM's own string.
    commands.toggleTranslatedText();
    EXPECT_EQ(hexBytes(), (std::vector<uint8_t>{0x0A, 0x0B, 0x0C, 0xFF}));
}

TEST_F(PreviewWithTranslation, MissingSectionFallsToAnotherMarkerOrDrawsNothing)
{
    commands.toggleTranslatedText();
    // String 1's marker text also occurs in ".STRING 10": the first one wins.
    selectString(1);
    EXPECT_EQ(hexBytes(), (std::vector<uint8_t>{0xFF}));

    // String 3 has no section: nothing is drawn; the status line moves on
    // with the pointer of the string drawn before.
    int presents = view.video.presentCount();
    selectString(3);
    EXPECT_EQ(state.foundLine, -1);
    EXPECT_EQ(view.video.presentCount(), presents);
    EXPECT_EQ(hexBytes(), (std::vector<uint8_t>{0xFF}));
    EXPECT_EQ(view.status[0], "Offset: 1A9C38 | PTR: 9C38 -> 1A8006");
}

TEST_F(PreviewWithTranslation, SearchFindsTheLaterMarkerWhenTheEarlierSectionIsGone)
{
    view.editor.setText("// header\n.STRING 2\nTwo\n.ENDS\n.STRING 10\nTen\n.ENDS");
    commands.toggleTranslatedText();
    selectString(1);
    EXPECT_EQ(state.foundLine, 4);
    EXPECT_EQ(hexBytes(), (std::vector<uint8_t>{'T', 'e', 'n', 0xFF}));
}

TEST_F(PreviewWithTranslation, TypingRefreshesThePreviewAndKeepsTheCaret)
{
    commands.toggleTranslatedText();
    int presents = view.video.presentCount();
    // Type "!" just after "Hi" on line 2.
    view.editor.setCaret(static_cast<int>(std::string("// header\n.STRING 0\nHi").size()), 0);
    view.editor.type("!");
    EXPECT_GT(view.video.presentCount(), presents);
    EXPECT_EQ(hexBytes(), (std::vector<uint8_t>{'H', 'i', '!', 0xFE, 0xF6, 'Y', 'o', 'u', 0xFF}));
    EXPECT_EQ(view.editor.caretPosition(), static_cast<int>(std::string("// header\n.STRING 0\nHi!").size()));
    EXPECT_EQ(view.editor.selectionLength(), 0);

    // With the preview off typing draws nothing.
    commands.toggleTranslatedText();
    presents = view.video.presentCount();
    view.editor.type("?");
    EXPECT_EQ(view.video.presentCount(), presents);
}

TEST_F(Preview, BlockSelectionWithThePreviewOnShowsTheNewBlocksSection)
{
    openRom();
    commands.toggleTranslatedText();
    selectBlock(1);
    // The template's three empty lines.
    EXPECT_EQ(hexBytes(), (std::vector<uint8_t>{0xFE, 0xFE, 0xFF}));
    EXPECT_EQ(view.status[0], "Offset: 1B9000 | PTR: 9000 -> 1B8000");
    EXPECT_EQ(state.foundLine, 5);
}

TEST_F(Preview, ViewOptionsRewritePanelOne)
{
    // Before any ROM: the check marks and the panel change, nothing is drawn.
    commands.toggleHideCodes();
    EXPECT_EQ(view.status[1], "Control Codes: Hidden | VWF: Inactive");
    commands.toggleVariableWidth();
    EXPECT_EQ(view.status[1], "Control Codes: Hidden | VWF: Active");
    commands.toggleHideCodes();
    EXPECT_EQ(view.status[1], "Control Codes: Visible | VWF: Active");
    commands.toggleVariableWidth();
    EXPECT_EQ(view.status[1], "Control Codes: Visible | VWF: Inactive");
    EXPECT_EQ(view.video.presentCount(), 0);

    openRom();
    selectString(2);  // [$F8] label, then two glyphs
    auto first = view.video.pixels();
    commands.toggleHideCodes();
    EXPECT_NE(view.video.pixels(), first);
    commands.toggleHideCodes();
    EXPECT_EQ(view.video.pixels(), first);
}

TEST_F(Preview, SearchStartsAfterTheSelectionAndScrollsTheMarkerToTheTop)
{
    openRom();
    view.editor.setVisibleLines(10);
    selectString(2);
    EXPECT_EQ(state.foundLine, 21);
    EXPECT_EQ(view.editor.firstVisibleLine(), 21);
    EXPECT_EQ(view.editor.caretPosition(), view.editor.find(".STRING 2", 0));

    // A selection below string 1's marker: the search does not look above it.
    int below = view.editor.find(".STRING 3", 0);
    view.editor.setCaret(below, 3);
    commands.searchText = ".STRING 1";
    commands.findSearchText();
    EXPECT_EQ(state.foundLine, -1);
    EXPECT_EQ(view.editor.caretPosition(), below);

    // Near the end the text cannot scroll the marker all the way up.
    view.editor.setCaret(0, 0);
    selectString(3);
    EXPECT_EQ(state.foundLine, 29);
    EXPECT_EQ(view.editor.firstVisibleLine(), view.editor.lineCount() - 10);
}

}  // namespace
