// Open ROM to the first picture, block and string selection, the script
// files of the text editor, and the translated preview.

#include "NavigationTest.h"

#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <filesystem>

#include "GuiFixture.h"
#include "script/ScriptFile.h"

namespace scrivel::app::testing {

namespace {

// The text of the editor's top visible row, as the widget itself places it.
QString topVisibleText(ScriptTextEdit& memo)
{
    QTextCursor cursor = memo.cursorForPosition(QPoint(4, 4));
    cursor.movePosition(QTextCursor::StartOfLine);
    cursor.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

// Puts the caret at the start of the line after the marker of string n.
void caretIntoSection(ScriptTextEdit& memo, int n)
{
    const int marker = memo.find(".STRING " + std::to_string(n), 0);
    QVERIFY(marker >= 0);
    QTextCursor cursor = memo.textCursor();
    cursor.setPosition(marker);
    cursor.movePosition(QTextCursor::NextBlock);
    memo.setTextCursor(cursor);
}

}  // namespace

void NavigationTest::openRomToFirstPicture()
{
    GuiFixture f;
    MainWindow& vo = *f.form;
    f.openRom();

    QCOMPARE(f.platform.messages(), std::vector<std::string>{"ROM loaded successfully!"});
    QCOMPARE(f.platform.dialogs().size(), size_t{2});
    QCOMPARE(f.platform.dialogs()[1].request.title, std::string("Open Text Block Data File"));
    QVERIFY(vo.menu.loadDataFile->isEnabled());
    QCOMPARE(vo.windowTitle(), QStringLiteral("Script Editor: Varkel Osti - [ blocks.txt ]"));
    QCOMPARE(vo.blockListBox->count(), 2);
    QCOMPARE(vo.blockListBox->entry(0), std::string("Block 1A8000"));
    QCOMPARE(vo.blockListBox->toolTip(), QStringLiteral("2 item(s)"));
    QCOMPARE(vo.blockListBox->selected(), 0);
    QCOMPARE(vo.stringListBox->count(), 3);
    QCOMPARE(vo.stringListBox->entry(1), std::string("String# 1    "));
    QCOMPARE(vo.stringListBox->selected(), 0);
    QCOMPARE(vo.stringListBox->toolTip(), QStringLiteral("3 item(s)"));
    QCOMPARE(vo.statusText(0), QStringLiteral("Offset: 1A9000 | PTR: 9000 -> 1A8000"));
    QVERIFY(!f.memo().modified());
    QVERIFY(f.memo().text().rfind("// Do not erase these: ", 0) == 0);

    // The hex window holds the string and names the cursor byte's address.
    QCOMPARE(vo.hexModel().count, uint16_t(fixtureString(0).size()));
    QCOMPARE(vo.hexWindow->windowTitle(), QStringLiteral("Hex Data - $001A9000"));

    // The picture on screen is the bitmap, pixel for pixel, and shows the
    // framed window with its blue inside.
    const QImage shown = f.videoPicture();
    const QImage bitmap = vo.screenWidget->bitmap().convertToFormat(QImage::Format_RGB888);
    QCOMPARE(shown.size(), QSize(320, 369));
    QCOMPARE(shown, bitmap);
    QCOMPARE(shown.pixelColor(8 + 10, 8 + 30).blue() > 0, true);
    QCOMPARE(shown.pixelColor(300, 300), QColor(Qt::black));
}

void NavigationTest::stringSelectionByArrowKeys()
{
    GuiFixture f;
    f.openRom();
    const QImage first = f.videoPicture();
    GuiFixture::activate(f.form.get());
    f.form->stringListBox->setFocus();
    QTest::keyClick(f.form->stringListBox, Qt::Key_Down);
    f.settle();
    QCOMPARE(f.form->state().currentString, 1);
    QCOMPARE(f.form->statusText(0), QStringLiteral("Offset: 1A9040 | PTR: 9040 -> 1A8002"));
    QVERIFY(f.videoPicture() != first);
    // The marker of the string is the editor's top line and holds the caret.
    QCOMPARE(f.memo().textCursor().block().text(), QStringLiteral(".STRING 1"));

    // A click on the entry already selected runs string selection again.
    f.form->state().currentPointer = 0;
    const QRect entry = f.form->stringListBox->visualItemRect(f.form->stringListBox->item(1));
    QTest::mouseClick(f.form->stringListBox->viewport(), Qt::LeftButton, {}, entry.center());
    f.settle();
    QCOMPARE(f.form->state().currentPointer, uint16_t(0x9040));
}

void NavigationTest::newBlockGetsTemplateFile()
{
    GuiFixture f;
    f.openRom();
    const std::string expected = testing_support::readFile(f.scriptPath(0x1A8000));
    QCOMPARE(expected, script::scriptTemplate(3));
    QCOMPARE(expected.size(), size_t{143});
    QVERIFY(expected.find("\r\n.STRING 2\r\n\r\n\r\n\r\n.ENDS\r\n") != std::string::npos);
    // The editor shows it line for line.
    QCOMPARE(f.memo().line(0), std::string("// Do not erase these: "));
    QCOMPARE(f.memo().lineCount(), 5 + 3 * 8);
}

void NavigationTest::blockSwitchAsksAboutUnsavedText_data()
{
    QTest::addColumn<bool>("save");
    QTest::newRow("yes saves the old block's file") << true;
    QTest::newRow("no leaves it as it was") << false;
}

void NavigationTest::blockSwitchAsksAboutUnsavedText()
{
    QFETCH(bool, save);
    GuiFixture f;
    f.openRom();
    const std::string before = testing_support::readFile(f.scriptPath(0x1A8000));
    caretIntoSection(f.memo(), 0);
    QTest::keyClicks(&f.memo(), "Hello");
    QVERIFY(f.memo().modified());

    f.platform.clearRecords();
    f.platform.queueAnswer(save ? platform::Answer::Yes : platform::Answer::No);
    GuiFixture::activate(f.form.get());
    f.form->blockListBox->setFocus();
    QTest::keyClick(f.form->blockListBox, Qt::Key_Down);
    f.settle();

    QCOMPARE(f.platform.questions().size(), size_t{1});
    QCOMPARE(f.platform.questions()[0].text, std::string("Current data not saved. Do you wish to save it?"));
    QCOMPARE(f.platform.questions()[0].caption, std::string("File Modified..."));
    const std::string after = testing_support::readFile(f.scriptPath(0x1A8000));
    if (save) {
        QVERIFY(after.find(".STRING 0\r\nHello\r\n") != std::string::npos);
        QCOMPARE(after.size(), before.size() + 5);
    } else {
        QCOMPARE(after, before);
    }
    // The editor now shows block 1's fresh file, unmodified.
    QCOMPARE(f.form->state().currentBlock, 1);
    QCOMPARE(f.form->stringListBox->count(), 20);
    QVERIFY(f.memo().text().find(".STRING 19") != std::string::npos);
    QVERIFY(!f.memo().modified());

    // Switching back with nothing changed asks nothing.
    f.platform.clearRecords();
    QTest::keyClick(f.form->blockListBox, Qt::Key_Up);
    f.settle();
    QVERIFY(f.platform.questions().empty());
    QCOMPARE(f.form->state().currentBlock, 0);
}

void NavigationTest::saveWritesCrLfAndClearsFlag()
{
    GuiFixture f;
    f.openRom();
    caretIntoSection(f.memo(), 1);
    // A line longer than the window is saved as one line.
    const QString longLine = QStringLiteral("A long line that the editor wraps over several rows "
                                            "but the file keeps whole, caf\u00e9 included.");
    f.memo().insertPlainText(longLine);
    QVERIFY(f.memo().modified());
    f.platform.clearRecords();
    f.form->menu.saveTextFile->trigger();
    QCOMPARE(f.platform.messages(), std::vector<std::string>{"Text file was saved!"});
    QVERIFY(!f.memo().modified());
    const std::string saved = testing_support::readFile(f.scriptPath(0x1A8000));
    const std::string latin1Line = longLine.toLatin1().toStdString();
    QVERIFY(saved.find(".STRING 1\r\n" + latin1Line + "\r\n\r\n") != std::string::npos);
    QCOMPARE(saved.size(), script::scriptTemplate(3).size() + latin1Line.size());
    QVERIFY(saved.find('\xE9') != std::string::npos);  // one byte per character

    // Reloading the saved file gives the same text back.
    const std::string text = f.memo().text();
    QVERIFY(f.memo().loadFromFile(f.scriptPath(0x1A8000)));
    QCOMPARE(f.memo().text(), text);
}

void NavigationTest::failedSaveKeepsFlag()
{
    GuiFixture f;
    f.openRom();
    const std::string path = f.scriptPath(0x1A8000);
    QTest::keyClicks(&f.memo(), "x");
    std::filesystem::remove_all(f.dir / "Dumps");
    f.platform.clearRecords();
    f.form->menu.saveTextFile->trigger();
    QCOMPARE(f.platform.messages().size(), size_t{1});
    QVERIFY(f.platform.messages()[0] != "Text file was saved!");
    QVERIFY(!f.platform.messages()[0].empty());
    QVERIFY(f.memo().modified());
    QVERIFY(!std::filesystem::exists(path));
}

void NavigationTest::uncreatableScriptFileLeavesEditorEmpty()
{
    GuiFixture f;
    f.openRom();
    caretIntoSection(f.memo(), 0);
    QTest::keyClicks(&f.memo(), "Block A text");
    f.form->menu.saveTextFile->trigger();
    const std::string blockA = testing_support::readFile(f.scriptPath(0x1A8000));
    // Block 1's file cannot be made: a folder stands where it would go.
    std::filesystem::create_directory(f.scriptPath(0x1A8100));
    QTest::keyClicks(&f.memo(), " more");
    f.platform.clearRecords();
    f.platform.queueAnswer(platform::Answer::No);
    f.form->blockListBox->setCurrentRow(1);
    f.settle();
    QCOMPARE(f.platform.messages(),
             std::vector<std::string>{"Error: Could not create script file!\n" + f.scriptPath(0x1A8100)});
    QCOMPARE(f.memo().lineCount(), 0);
    QVERIFY(!f.memo().modified());
    // Text typed now has no file to go to: saving it writes nothing anywhere.
    QTest::keyClicks(&f.memo(), "stray");
    f.platform.clearRecords();
    f.form->menu.saveTextFile->trigger();
    QCOMPARE(f.platform.messages().size(), size_t{1});
    QVERIFY(f.platform.messages()[0].rfind("Error", 0) == 0);
    QVERIFY(f.memo().modified());
    QCOMPARE(testing_support::readFile(f.scriptPath(0x1A8000)), blockA);
}

void NavigationTest::markerSearchScrollsMarkerToTop()
{
    GuiFixture f;
    f.openRom();
    GuiFixture::activate(f.form.get());
    f.form->blockListBox->setFocus();
    QTest::keyClick(f.form->blockListBox, Qt::Key_Down);  // block 1: 20 strings
    f.settle();
    for (int n : {12, 5, 13}) {
        f.form->stringListBox->setCurrentRow(n);  // a user's selection runs the click
        f.settle();
        QCOMPARE(f.form->state().currentString, n);
        const QString marker = QStringLiteral(".STRING %1").arg(n);
        QCOMPARE(topVisibleText(f.memo()), marker);
        QCOMPARE(f.form->state().foundLine, 5 + 8 * n);
        QCOMPARE(f.memo().firstVisibleLine(), 5 + 8 * n);
        QCOMPARE(f.memo().textCursor().position(), f.memo().find(marker.toStdString(), 0));
    }
    // Near the end the text cannot scroll the marker to the top.
    f.form->stringListBox->setCurrentRow(19);
    f.settle();
    QCOMPARE(f.memo().verticalScrollBar()->value(), f.memo().verticalScrollBar()->maximum());
    QCOMPARE(f.memo().textCursor().block().text(), QStringLiteral(".STRING 19"));
}

void NavigationTest::wrappedLinesCountAsDisplayed()
{
    GuiFixture f;
    f.openRom();
    // A header line wrapped over several rows pushes every marker down by
    // as many display lines.
    QTextCursor cursor(f.memo().document());
    cursor.insertText(QString(120, QLatin1Char('w')) + QLatin1Char('\n'));
    const int rows = f.memo().lineFromPosition(121);
    QVERIFY2(rows >= 3, "the long line wraps");
    QCOMPARE(f.memo().lineCount(), rows + 5 + 3 * 8);
    QCOMPARE(f.memo().line(rows), std::string("// Do not erase these: "));
    size_t wrapped = 0;
    for (int i = 0; i < rows; ++i) wrapped += f.memo().line(i).size();
    QCOMPARE(wrapped, size_t{120});

    f.form->stringListBox->setCurrentRow(1);
    f.settle();
    f.form->stringListBox->setCurrentRow(0);
    f.settle();
    QCOMPARE(f.form->state().foundLine, rows + 5);
    QCOMPARE(topVisibleText(f.memo()), QStringLiteral(".STRING 0"));

    // Narrowing the window wraps more: the same marker lies further down.
    f.form->textEditorWindow->resize(200, 266);
    f.settle();
    QVERIFY(f.memo().lineFromPosition(121) > rows);
}

void NavigationTest::previewFollowsTypingAndKeepsCaret()
{
    GuiFixture f;
    f.openRom();
    const QImage romPicture = f.videoPicture();
    f.form->menu.showTranslation->trigger();
    f.settle();
    QVERIFY(f.form->menu.showTranslation->isChecked());
    // The empty section of string 0 compiles to two line ends and the end:
    // an empty window three lines tall.
    QCOMPARE(f.form->hexModel().count, uint16_t(3));
    const QImage empty = f.videoPicture();
    QVERIFY(empty != romPicture);

    caretIntoSection(f.memo(), 0);
    const int caret = f.memo().textCursor().position();
    f.memo().setFocus();
    QTest::keyClicks(&f.memo(), "Hi");
    f.settle();
    QCOMPARE(f.memo().textCursor().position(), caret + 2);
    QVERIFY(!f.memo().textCursor().hasSelection());
    QCOMPARE(f.form->hexModel().bytes[0], uint8_t('H'));
    QCOMPARE(f.form->hexModel().bytes[1], uint8_t('i'));
    QVERIFY(f.videoPicture() != empty);
    QCOMPARE(f.videoPicture(), f.form->screenWidget->bitmap().convertToFormat(QImage::Format_RGB888));

    // Without the preview, typing draws nothing new.
    f.form->menu.showTranslation->trigger();
    f.settle();
    const QImage back = f.videoPicture();
    QCOMPARE(back, romPicture);
    QTest::keyClicks(&f.memo(), "!");
    f.settle();
    QCOMPARE(f.videoPicture(), back);
}

}  // namespace scrivel::app::testing
