// The three windows as the program starts: captions, places, sizes, panels
// and the menu's items with their states.

#include <QStatusBar>
#include <QTest>

#include "GuiFixture.h"
#include "StartStateTest.h"

namespace scrivel::app::testing {

void StartStateTest::windowsCaptionsAndPlaces()
{
    GuiFixture f;
    MainWindow& vo = *f.form;
    QCOMPARE(vo.windowTitle(), QStringLiteral("Script Editor: Varkel Osti"));
    QCOMPARE(vo.pos(), QPoint(5, 56));
    QCOMPARE(vo.screenWidget->size(), QSize(320, 369));
    QCOMPARE(vo.screenWidget->bitmap().size(), QSize(320, 369));
    QCOMPARE(vo.screenWidget->bitmap().format(), QImage::Format_RGB16);
    QCOMPARE(vo.listPanel->width(), 120);
    QCOMPARE(vo.statusLine->height(), 19);
    QCOMPARE(vo.blockListBox->width(), 114);
    QCOMPARE(vo.blockListBox->height(), 181);  // (369 - 6) / 2 after the first resize
    QCOMPARE(vo.stringListBox->height(), 181);
    QCOMPARE(vo.stringListBox->geometry().bottom() + vo.listPanel->frameWidth() + 2, vo.listPanel->height() - 1);
    QCOMPARE(vo.blockListBox->font().pixelSize(), 11);
    QVERIFY(vo.blockListBox->font().fixedPitch());
    QCOMPARE(vo.statusText(0), QStringLiteral("Offset: 000000 | PTR: 0000"));
    QCOMPARE(vo.statusText(1), QStringLiteral("Control Codes: Visible | VWF: Inactive"));
    QCOMPARE(vo.defaultSize().width(), vo.width());
    QCOMPARE(vo.defaultSize().height(), vo.height());

    QWidget& txt = *vo.textEditorWindow;
    QVERIFY(txt.isVisible());
    QCOMPARE(txt.windowTitle(), QStringLiteral("Text Editor"));
    QCOMPARE(txt.frameGeometry(), QRect(454, 56, 294, 266));
    QVERIFY(!(txt.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(f.memo().font().pixelSize(), 12);
    QVERIFY(f.memo().tabChangesFocus());
    QVERIFY(!f.memo().modified());
    QCOMPARE(f.memo().lineCount(), 0);

    QWidget& hex = *vo.hexWindow;
    QVERIFY(hex.isVisible());
    QCOMPARE(hex.windowTitle(), QStringLiteral("Hex Data"));
    QCOMPARE(hex.frameGeometry().topLeft(), QPoint(454, 323));
    QCOMPARE(hex.size(), QSize(389, 141));
    QCOMPARE(hex.minimumSize(), hex.maximumSize());
    QWidget* splitter = hex.findChild<QWidget*>(QStringLiteral("Splitter1"));
    QVERIFY(splitter);
    QCOMPARE(splitter->geometry(), QRect(256, -3, 2, 146));

    // Nothing is drawn before a ROM is loaded: the screen stays black.
    const QImage picture = f.videoPicture();
    QCOMPARE(picture.pixelColor(160, 180), QColor(Qt::black));
}

void StartStateTest::menuItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checkable");
    QTest::newRow("open") << "OpenBinaryTextData1" << "&Open ROM File" << "Ctrl+O" << true << false;
    QTest::newRow("data") << "LoadDataFile" << "Load Text Block Data File" << "Ctrl+F" << false << false;
    QTest::newRow("save") << "SaveTextFile1" << "&Save Text File" << "Ctrl+S" << true << false;
    QTest::newRow("all files") << "CreateAllScriptFiles" << "Create All Script Files" << "" << true << false;
    QTest::newRow("build") << "BuildTranslatedRom" << "Build Translated ROM..." << "Ctrl+B" << true << false;
    QTest::newRow("exit") << "Exit1" << "E&xit" << "Alt+X" << true << false;
    QTest::newRow("editor") << "DisplayTextEditor1" << "Display &Text Editor" << "Ctrl+T" << true << false;
    QTest::newRow("dtt") << "DTT" << "&Display Translated Text" << "Ctrl+D" << true << true;
    QTest::newRow("hex") << "ViewHexData1" << "Display He&x Data" << "Ctrl+X" << true << false;
    QTest::newRow("codes") << "HideCodes" << "&Hide Control Codes" << "Ctrl+H" << true << true;
    QTest::newRow("vwf") << "UseVWFRoutine1" << "&Use VWF Routine" << "Ctrl+U" << true << true;
    QTest::newRow("size") << "DefaultWindowSize1" << "Default Window Size" << "Ctrl+W" << true << false;
    QTest::newRow("rewrap") << "RewrapSection1" << "Rewrap Section" << "Ctrl+R" << true << false;
    QTest::newRow("checkfit") << "CheckFit1" << "Check Fit..." << "" << true << false;
}

void StartStateTest::menuItems()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QFETCH(bool, enabled);
    QFETCH(bool, checkable);
    GuiFixture f;
    auto* action = f.form->findChild<QAction*>(name);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut().toString(), shortcut);
    QCOMPARE(action->shortcutContext(), Qt::WindowShortcut);
    QCOMPARE(action->isEnabled(), enabled);
    QCOMPARE(action->isCheckable(), checkable);
    QVERIFY(!action->isChecked());
}

void StartStateTest::menuOrder()
{
    GuiFixture f;
    auto names = [](QMenu* menu) {
        QStringList list;
        for (QAction* a : menu->actions()) list << a->objectName();
        return list.join(' ');
    };
    QCOMPARE(f.form->menu.menuBar->objectName(), QStringLiteral("MainMenu1"));
    QCOMPARE(f.form->menu.fileMenu->title(), QStringLiteral("&File"));
    QCOMPARE(f.form->menu.viewMenu->title(), QStringLiteral("&View"));
    QCOMPARE(names(f.form->menu.fileMenu),
             QStringLiteral("OpenBinaryTextData1 LoadDataFile N2 SaveTextFile1 CreateAllScriptFiles BuildTranslatedRom N1 Exit1"));
    QCOMPARE(names(f.form->menu.viewMenu),
             QStringLiteral("DisplayTextEditor1 DTT ViewHexData1 N3 HideCodes N4 UseVWFRoutine1 DefaultWindowSize1 N5 "
                            "CheckFit1"));
    QCOMPARE(f.form->menu.editMenu->title(), QStringLiteral("&Edit"));
    QCOMPARE(names(f.form->menu.editMenu), QStringLiteral("RewrapSection1"));
}

}  // namespace scrivel::app::testing
