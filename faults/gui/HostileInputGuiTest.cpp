#include "HostileInputGuiTest.h"

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <memory>
#include <string>

#include "MainWindow.h"
#include "platform/ScriptedPlatform.h"
#include "testing/TempDir.h"

namespace faults::gui {

namespace {

const std::string Title = "VARKEL -OSTI-";

// Just the first 32 KiB, carrying the title (a length with bit 9 set would
// be read as a copier header).
std::string titleOnlyRom()
{
    std::string rom(0x8000, '\xFF');
    rom.replace(0x7FC0, Title.size(), Title);
    return rom;
}

// 1 MiB of one byte value with the title; no string ends before the image.
std::string endlessRom(char fill)
{
    std::string rom(1 << 20, fill);
    rom.replace(0x7FC0, Title.size(), Title);
    return rom;
}

class Window {
public:
    Window()
    {
        dir.enter();
        form = std::make_unique<scrivel::app::MainWindow>(platform);
        form->showAll();
        settle();
    }
    ~Window()
    {
        form.reset();
        settle();
    }
    static void settle()
    {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }

    void openRom(const std::string& rom, const std::string& blocks)
    {
        testing_support::writeFile(dir / "rom.sfc", rom);
        testing_support::writeFile(dir / "blocks.txt", blocks);
        platform.queueChoice((dir / "rom.sfc").string());
        platform.queueChoice((dir / "blocks.txt").string());
        form->menu.openRom->trigger();
        settle();
    }

    // Selects strings as the user does, in each combination of the view
    // options, walking the hex window's cursor past its end after each round.
    void selectStringsEveryWay(int limit = 8)
    {
        QAction* toggles[] = {form->menu.hideCodes, form->menu.variableWidth, form->menu.showTranslation};
        for (int mask = 0; mask < 8; ++mask) {
            for (int bit = 0; bit < 3; ++bit)
                if (toggles[bit]->isChecked() != bool(mask & (1 << bit))) toggles[bit]->trigger();
            settle();
            const int count = std::min(form->stringListBox->count(), limit);
            for (int n = 0; n < count; ++n) {
                form->stringListBox->setCurrentRow(n);
                settle();
            }
            walkHexCursor();
        }
    }

    void walkHexCursor()
    {
        QWidget* hex = form->hexWindow.get();
        for (int i = 0; i < 40; ++i) QTest::keyClick(hex, Qt::Key_Right);
        for (int i = 0; i < 300; ++i) QTest::keyClick(hex, Qt::Key_Down);
        QTest::keyClick(hex, Qt::Key_Up);
        QTest::keyClick(hex, Qt::Key_Left);
        settle();
        QVERIFY(hex->windowTitle().startsWith("Hex Data - $"));
    }

    testing_support::TempDir dir;
    platform::ScriptedPlatform platform;
    std::unique_ptr<scrivel::app::MainWindow> form;
};

}  // namespace

void HostileInputGuiTest::romOfJustTheTitleWithTablesOutsideIt()
{
    Window w;
    w.openRom(titleOnlyRom(), ".FORMAT 18 16 16 1 16 0 1 2 3\n.BLOCK 1D8000 1A0000 5\n.BLOCK FFFFFF FFFFFF 400\n"
                              ".BLOCK 0 0 1\n");
    QCOMPARE(w.platform.messages().front(), std::string("ROM loaded successfully!"));
    QCOMPARE(w.form->blockListBox->count(), 3);
    w.selectStringsEveryWay();
    for (int b = 0; b < 3; ++b) {
        w.form->blockListBox->setCurrentRow(b);
        w.settle();
        w.selectStringsEveryWay(3);
    }
    QVERIFY(!w.form->closeRequested());
}

void HostileInputGuiTest::stringsWithoutEndRunToTheEndOfTheImage()
{
    // Plain glyphs, two-byte glyphs, operand codes and key prompts, each
    // filling the whole image: every string runs to its end.
    for (char fill : {'\x41', '\xF0', '\xFC', '\xFE', '\xFD', '\xF9'}) {
        Window w;
        w.openRom(endlessRom(fill), ".FORMAT 18 16 16 1 16 0 1 2 3\n.BLOCK 1A8000 1A0000 4\n.BLOCK 1F8000 1D0000 2\n");
        QCOMPARE(w.form->stringListBox->count(), 4);
        w.selectStringsEveryWay(2);
        QVERIFY(w.form->hexModel().count <= scrivel::editor::HexModel::Capacity);
    }
}

void HostileInputGuiTest::dataFileOfJunkLongLinesAndTooManyBlocks()
{
    std::string blocks = ".FORMAT 18 16 16 1 16 0 1 2 3\r\n";
    for (int c = 0; c < 512; ++c) blocks += static_cast<char>(c * 37);  // junk with NULs and line breaks
    blocks += "\n.BLOCK" + std::string(400, ' ') + "1A8000 1A0000 3\n";  // split at 255 characters
    char line[64];
    for (int i = 0; i < 300; ++i) {
        std::snprintf(line, sizeof line, ".block 0x%X -1 %X\r\n", 0x1A8000 + 2 * i, i);
        blocks += line;
    }
    Window w;
    w.openRom(endlessRom('\x00'), blocks);
    QCOMPARE(w.form->blockListBox->count(), 256);
    QCOMPARE(w.platform.messages().back(), std::string("Only the first 256 blocks were loaded."));
    w.form->blockListBox->setCurrentRow(255);
    w.settle();
    w.selectStringsEveryWay(4);

    // Loading it again over the open ROM, and a data file that cannot be read.
    w.platform.queueChoice((w.dir / "blocks.txt").string());
    w.form->menu.loadDataFile->trigger();
    w.settle();
    QCOMPARE(w.form->blockListBox->count(), 256);
    w.platform.queueChoice((w.dir / "missing.txt").string());
    w.form->menu.loadDataFile->trigger();
    w.settle();
    QCOMPARE(w.platform.messages().back(), std::string("Fatal Error: Could not open FONT file!"));
}

void HostileInputGuiTest::extremeFormatNumbers()
{
    const char* formats[] = {".FORMAT 0 0 0 0 0 0 0 0 0", ".FORMAT 1 255 255 255 255", ".FORMAT 8191 1 1 0 255",
                             ".FORMAT -5 -1 300 x", ".FORMAT 99999999999999999999 16 16 1 16"};
    for (const char* format : formats) {
        Window w;
        w.openRom(endlessRom('\x41'), std::string(format) + "\n.BLOCK 1A8000 1A0000 2\n");
        w.selectStringsEveryWay(2);
        QVERIFY2(!w.form->closeRequested(), format);
    }
}

}  // namespace faults::gui

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    faults::gui::HostileInputGuiTest test;
    return QTest::qExec(&test, argc, argv);
}
