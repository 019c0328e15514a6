// The fit check in a session: the preview that ends with the compiled
// bytes, status panel 2, the check over the loaded blocks' script files
// (the editor's own text standing for its file) and the current section's
// rewrap.

#include "EditorFixture.h"
#include "editor/ScriptFit.h"

using namespace scrivel;
using namespace scrivel::editor;
using scrivel::testing_rom::EditorFixture;
using testing_support::writeFile;

namespace {

class FitSession : public EditorFixture {
protected:
    FitSession()
    {
        std::filesystem::create_directory(dir / "Dumps");
        writeFile(dumps("001A8000.txt"), std::string(".STRING 0\r\nHi there[KEY]\r\n.ENDS\r\n"
                                                     ".STRING 2\r\nAAAAAAAAAAAAAAAAAA\r\n.ENDS\r\n"));
        writeFile(dumps("001B8000.txt"), std::string(".STRING 1\r\nfine\r\ncaf\xC3\xA9\r\n.ENDS\r\n"));
        openRom();
    }
};

TEST_F(FitSession, ThePreviewEndsWhereTheCompiledBytesEnd)
{
    // "[KEY]" compiles to F6, which takes the closing FF as a glyph's second
    // byte; the preview then ends instead of drawing the zeros after it.
    commands.toggleTranslatedText();
    EXPECT_EQ(hexBytes(), (std::vector<uint8_t>{'H', 'i', ' ', 't', 'h', 'e', 'r', 'e', 0xF6, 0xFF}));
    EXPECT_EQ(state.previewCount, 10u);
    const render::Layout& layout = state.rendered.layout;
    EXPECT_EQ(layout.glyphs.size(), 9u);
    EXPECT_EQ(layout.lines.size(), 1u);
    EXPECT_EQ(layout.frameRows, 4);  // one line: the window of a one-line string
}

TEST_F(FitSession, StatusPanelTellsWhetherTheCurrentStringFits)
{
    EXPECT_EQ(view.status[2], "");
    commands.toggleTranslatedText();
    EXPECT_EQ(view.status[2], "Line 1: [KEY] at the end reads on past it");
    selectString(2);
    EXPECT_EQ(view.status[2], "Line 1: 16 px over");
    selectString(1);
    EXPECT_EQ(view.status[2], "");  // no section

    // Typing is measured at once, from the editor's text.
    view.editor.setText(".STRING 1\nShort\n.ENDS");
    EXPECT_EQ(view.status[2], "Fits");
    view.editor.setText(".STRING 1\nAAAAAAAAAAAAAAAAA\nBBBBBBBBBBBBBBBBBBBB\n.ENDS");
    EXPECT_EQ(view.status[2], "Line 1: 8 px over (+1 more)");

    commands.toggleTranslatedText();
    EXPECT_EQ(view.status[2], "");
}

TEST_F(FitSession, TheSectionIsTheOneThePreviewFoundWhenItsMarkerIsExact)
{
    view.editor.setText(".STRING 12\ntwelve\n.ENDS\n.STRING 1\none\nmore\n.ENDS\n.STRING 1\nagain\n.ENDS");
    using Lines = std::vector<std::string>;
    EXPECT_EQ(sectionText(view.editor, 1, 7), Lines{"again"});  // the marker the search found
    EXPECT_EQ(sectionText(view.editor, 1, 0), (Lines{"one", "more"}));  // ".STRING 12": the first exact one
    EXPECT_EQ(sectionText(view.editor, 1, -1), (Lines{"one", "more"}));
    EXPECT_EQ(sectionText(view.editor, 2, -1), std::nullopt);
}

TEST_F(FitSession, TheWholeCheckReadsTheEditorsTextForItsOwnFile)
{
    std::vector<std::string> texts;
    const ScriptCheck onDisk = checkWholeScript(state, state.dumpsFolder);
    for (const script::FitProblem& p : onDisk.problems) texts.push_back(script::problemText(p));
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "001A8000 0 1: ends in [KEY] (F6), which takes the byte after it: the game reads on past the line",
                         "001A8000 2 1: 144 px wide, 16 px over", "001B8000 1 2: no glyph for \"\xC3\xA9\""}));

    // Unsaved text of block 0's file replaces the file.
    const OpenScript open{state.scriptFilePath, editorLines(".STRING 3\nAAAAAAAAAAAAAAAAAAAA\n.ENDS")};
    texts.clear();
    for (const script::FitProblem& p : checkWholeScript(state, state.dumpsFolder, &open).problems)
        texts.push_back(script::problemText(p));
    EXPECT_EQ(texts, (std::vector<std::string>{"001A8000 3 1: 160 px wide, 32 px over",
                                               "001B8000 1 2: no glyph for \"\xC3\xA9\""}));

    // The progress hook can stop the check after the first block.
    const ScriptCheck stopped = checkWholeScript(state, state.dumpsFolder, nullptr, [](int, int) { return false; });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_EQ(stopped.problems.size(), 2u);
}

TEST_F(FitSession, RewrapOfTheCurrentSectionAndTheWayBackToAProblem)
{
    const std::vector<std::string> lines = editorLines(
        "// header\n.STRING 0\nThe quick brown fox jumps over\nfits\n.ENDS\n.STRING 1\nThe quick brown fox\n.ENDS");
    const std::optional<SectionRewrap> rewrap = rewrapCurrentSection(state, lines);
    ASSERT_TRUE(rewrap);
    EXPECT_EQ(rewrap->section.firstLine, 2u);
    EXPECT_EQ(rewrap->linesRewrapped, 1);
    EXPECT_EQ(rewrap->pieces, (std::vector<std::vector<std::string>>{{"The quick brown", "fox jumps over"}, {"fits"}}));

    // A problem's line follows its section when the text above it moved.
    script::FitProblem problem;
    problem.stringNumber = 1;
    problem.line = 1;
    problem.fileLine = 3;
    EXPECT_EQ(problemLine(lines, problem), 6u);
    problem.stringNumber = 7;  // no such section any more: the file's line
    EXPECT_EQ(problemLine(lines, problem), 3u);
}

}  // namespace
