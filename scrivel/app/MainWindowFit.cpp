// The main window's fit commands: View > Check Fit..., going to a problem
// of its list, and Edit > Rewrap Section.

#include <QProgressDialog>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

#include "MainWindow.h"
#include "editor/ScriptFit.h"

namespace scrivel::app {

namespace {

// text (a line of the editor) with a line break in place of each blank at
// which the rewrap broke it. The rewrap works on the editor's 8-bit line,
// whose blanks are the QString's blanks in the same order, so the breaks are
// found by counting blanks and every other character stays as it is.
QString withBreaks(const QString& text, const std::string& line, const std::vector<std::string>& pieces)
{
    std::vector<long> breaks;  // the breaking blanks, counted from 0 among the line's blanks
    size_t at = 0;
    for (size_t k = 0; k + 1 < pieces.size(); ++k) {
        at += pieces[k].size();
        breaks.push_back(std::count(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(at), ' '));
        ++at;
    }
    QString result = text;
    long blank = 0;
    for (qsizetype i = 0; i < result.size(); ++i) {
        if (result[i] != QLatin1Char(' ')) continue;
        if (std::find(breaks.begin(), breaks.end(), blank) != breaks.end()) result[i] = QLatin1Char('\n');
        ++blank;
    }
    return result;
}

}  // namespace

void MainWindow::showCheckFit()
{
    std::vector<std::string> notes;
    editor::ScriptCheck check;
    if (!state_.romLoaded || state_.dataFile.blocks.empty()) {
        notes.push_back("Load a ROM and its text block data file first.");
    } else {
        // The editor's text stands for its file, saved or not.
        editor::OpenScript open{state_.scriptFilePath, editor::editorLines(textEditor().text())};
        const int blocks = static_cast<int>(std::min<size_t>(state_.dataFile.blocks.size(), rom::MaxBlocks));
        QProgressDialog progress(QStringLiteral("Checking the script..."), QStringLiteral("Cancel"), 0, blocks, this);
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(500);
        check = editor::checkWholeScript(state_, state_.dumpsFolder, state_.scriptFilePath.empty() ? nullptr : &open,
                                         [&progress](int done, int) {
                                             progress.setValue(done);
                                             return !progress.wasCanceled();
                                         });
        for (const std::string& path : check.unreadable) notes.push_back("Could not open script file: " + path);
        if (check.cancelled) notes.push_back("The check was cancelled before its end.");
    }
    fitListWindow->showProblems(std::move(check.problems), notes);
    fitListWindow->show();
    fitListWindow->raise();
    fitListWindow->activateWindow();
}

void MainWindow::goToFitProblem(const script::FitProblem& problem)
{
    run([&] {
        int block = -1;
        const size_t blocks = std::min<size_t>(state_.dataFile.blocks.size(), rom::MaxBlocks);
        for (size_t i = 0; i < blocks && block < 0; ++i)
            if (state_.blockAddress[i] == problem.blockAddress) block = static_cast<int>(i);
        if (block < 0 || !state_.romLoaded) return;
        if (block != state_.currentBlock || blockListBox->selected() != block) {
            blockListBox->select(block);
            commands_.selectBlock();
        }
        if (problem.stringNumber >= stringListBox->count()) return;
        stringListBox->select(problem.stringNumber);
        commands_.selectString(true);

        ScriptTextEdit& memo = *textEditorWindow->scriptEdit;
        const std::optional<size_t> line = editor::problemLine(editor::editorLines(memo.text()), problem);
        if (!line) return;
        QTextCursor cursor(memo.document()->findBlockByNumber(static_cast<int>(*line)));
        memo.setTextCursor(cursor);
        memo.ensureCursorVisible();
        showTextEditor();
        memo.setFocus();
    });
}

void MainWindow::rewrapSection()
{
    if (!state_.romLoaded || state_.scriptFilePath.empty()) return;
    ScriptTextEdit& memo = *textEditorWindow->scriptEdit;
    const std::vector<std::string> lines = editor::editorLines(memo.text());
    const std::optional<editor::SectionRewrap> rewrap = editor::rewrapCurrentSection(state_, lines);
    if (!rewrap || rewrap->linesRewrapped == 0) return;

    QTextDocument* document = memo.document();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    // From the last line up, so that the lines still to do keep their numbers.
    for (size_t k = rewrap->pieces.size(); k-- > 0;) {
        const std::vector<std::string>& pieces = rewrap->pieces[k];
        if (pieces.size() < 2) continue;
        const size_t index = rewrap->section.firstLine + k;
        const QTextBlock block = document->findBlockByNumber(static_cast<int>(index));
        cursor.setPosition(block.position());
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        cursor.insertText(withBreaks(block.text(), lines[index], pieces));
    }
    cursor.endEditBlock();
}

}  // namespace scrivel::app
