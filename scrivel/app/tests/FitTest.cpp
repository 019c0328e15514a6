// View > Check Fit... with its list, Edit > Rewrap Section, and status panel
// 2 telling whether the current string fits.

#include "FitTest.h"

#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTextBlock>
#include <filesystem>

#include "GuiFixture.h"

namespace scrivel::app::testing {

namespace {

void writeScripts(GuiFixture& f, const std::string& block0, const std::string& block1)
{
    std::filesystem::create_directory(f.dir / "Dumps");
    testing_support::writeFile(f.scriptPath(0x1A8000), block0);
    testing_support::writeFile(f.scriptPath(0x1A8100), block1);
}

void clickRow(QListWidget* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

}  // namespace

void FitTest::checkFitListGoesToTheProblem()
{
    GuiFixture f;
    writeScripts(f, ".STRING 0\r\nfits\r\n.ENDS\r\n.STRING 2\r\nAAAAAAAAAAAAAAAAAA\r\n.ENDS\r\n",
                 "// header\r\n.STRING 4\r\n\r\n.ENDS\r\n.STRING 5\r\nok\r\nHi[KEY]\r\n.ENDS\r\n");
    f.openRom();
    f.form->menu.checkFit->trigger();
    f.settle();

    FitListWindow* window = f.form->fitListWindow.get();
    QVERIFY(window->isVisible());
    QListWidget* list = window->findChild<QListWidget*>(QStringLiteral("FitList"));
    QVERIFY(list);
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QStringLiteral("001A8000 2 1: 144 px wide, 16 px over"));
    QCOMPARE(list->item(1)->text(),
             QStringLiteral("001A8100 5 2: ends in [KEY] (F6), which takes the byte after it: the game reads on "
                            "past the line"));
    QCOMPARE(window->summary->text(), QStringLiteral("2 problems."));

    // Choosing an entry selects its block and string and puts the caret on its line.
    clickRow(list, 1);
    f.settle();
    QCOMPARE(f.form->blockListBox->selected(), 1);
    QCOMPARE(f.form->stringListBox->selected(), 5);
    QCOMPARE(f.form->state().currentString, 5);
    QCOMPARE(f.memo().textCursor().blockNumber(), 6);
    QCOMPARE(f.memo().textCursor().block().text(), QStringLiteral("Hi[KEY]"));

    clickRow(list, 0);
    f.settle();
    QCOMPARE(f.form->blockListBox->selected(), 0);
    QCOMPARE(f.form->stringListBox->selected(), 2);
    QCOMPARE(f.memo().textCursor().block().text(), QStringLiteral("AAAAAAAAAAAAAAAAAA"));
}

void FitTest::rewrapSectionIsOneUndoableEdit()
{
    GuiFixture f;
    writeScripts(f, ".STRING 0\r\nThe quick brown fox jumps over\r\nfits\r\n.ENDS\r\n", "");
    f.openRom();
    QLabel* panel = f.form->findChild<QLabel*>(QStringLiteral("StatusPanel2"));
    QVERIFY(panel);
    QCOMPARE(panel->text(), QString());

    f.form->menu.showTranslation->trigger();
    f.settle();
    QCOMPARE(f.form->statusText(2), QStringLiteral("Line 1: 112 px over"));
    // The two panels the window always had keep their texts.
    QCOMPARE(f.form->statusText(1), QStringLiteral("Control Codes: Visible | VWF: Inactive"));

    const QString before = f.memo().toPlainText();
    GuiFixture::activate(f.form.get());
    QTest::keyClick(f.form.get(), Qt::Key_R, Qt::ControlModifier);
    f.settle();
    const QString rewrapped = QStringLiteral(".STRING 0\nThe quick brown\nfox jumps over\nfits\n.ENDS");
    QCOMPARE(f.memo().toPlainText(), rewrapped);
    QVERIFY(f.memo().modified());
    QCOMPARE(f.form->statusText(2), QStringLiteral("Fits"));

    f.memo().undo();
    f.settle();
    QCOMPARE(f.memo().toPlainText(), before);
    QCOMPARE(f.form->statusText(2), QStringLiteral("Line 1: 112 px over"));

    // The shortcut also acts while the text editor is the active window.
    GuiFixture::activate(f.form->textEditorWindow.get());
    QTest::keyClick(&f.memo(), Qt::Key_R, Qt::ControlModifier);
    f.settle();
    QCOMPARE(f.memo().toPlainText(), rewrapped);

    // Without the preview the panel is empty.
    f.form->menu.showTranslation->trigger();
    f.settle();
    QCOMPARE(f.form->statusText(2), QString());
}

}  // namespace scrivel::app::testing
