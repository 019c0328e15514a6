#include "DemoTest.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>
#include <QTextBlock>
#include <filesystem>

#include "GuiFixture.h"
#include "ScriptFilesWindow.h"

namespace scrivel::app::testing {

namespace {

const std::filesystem::path DemoDir = SCRIVEL_DEMO_DIR;

// A fixture with the demo ROM, its data file, its table and its translation
// script copied into the test's folder.
struct DemoFixture : GuiFixture {
    DemoFixture()
    {
        std::filesystem::copy_file(DemoDir / "demo.sfc", dir / "demo.sfc");
        std::filesystem::copy_file(DemoDir / "demo-blocks.txt", dir / "demo-blocks.txt");
        std::filesystem::copy_file(DemoDir / "demo.tbl", dir / "demo.tbl");
        std::filesystem::create_directory(dir / "Dumps");
        std::filesystem::copy_file(DemoDir / "Dumps" / "001A8000.txt", dir / "Dumps" / "001A8000.txt");
    }
    void openDemo()
    {
        platform.queueChoice(path("demo.sfc"));
        platform.queueChoice(path("demo-blocks.txt"));
        form->menu.openRom->trigger();
        settle();
    }
    void selectString(int block, int string)
    {
        if (form->blockListBox->selected() != block) {
            form->blockListBox->setCurrentRow(block);
            settle();
        }
        if (form->stringListBox->selected() != string) {
            form->stringListBox->setCurrentRow(string);
            settle();
        }
    }
};

struct TwinRender {
    QStringList lines;
    QByteArray raw;
};

// The twin's dump of the demo copy in folder into folder/out.
QString runTwinDump(const std::filesystem::path& folder)
{
    QProcess twin;
    twin.setWorkingDirectory(QString::fromStdString(folder.string()));
    twin.start(QStringLiteral(SCRIVEL_CLI), {"dump", "demo.sfc", "demo-blocks.txt", "--into", "out"});
    if (!twin.waitForFinished(30000) || twin.exitCode() != 0) return {};
    return QString::fromUtf8(twin.readAllStandardOutput());
}

TwinRender runTwin(const QStringList& args)
{
    QProcess twin;
    twin.start(QStringLiteral(SCRIVEL_CLI), args);
    TwinRender result;
    if (!twin.waitForFinished(30000) || twin.exitCode() != 0) return result;
    result.lines = QString::fromLatin1(twin.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    return result;
}

QString hexBytes(const editor::HexModel& hex)
{
    QStringList bytes;
    for (int i = 0; i < hex.count; ++i)
        bytes << QStringLiteral("%1").arg(hex.bytes[static_cast<size_t>(i)], 2, 16, QLatin1Char('0')).toUpper();
    return bytes.join(' ');
}

}  // namespace

void DemoTest::init()
{
    if (!std::filesystem::exists(DemoDir / "demo.sfc")) QSKIP("the demo ROM has not been built");
}

void DemoTest::pictureEqualsTwinRender_data()
{
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("string");
    QTest::addColumn<bool>("hideCodes");
    QTest::addColumn<bool>("vwf");
    QTest::addColumn<bool>("translated");
    QTest::newRow("first string") << 0 << 0 << false << false << false;
    QTest::newRow("codes visible") << 0 << 1 << false << false << false;
    QTest::newRow("codes hidden") << 0 << 1 << true << false << false;
    QTest::newRow("vwf") << 0 << 2 << false << true << false;
    QTest::newRow("hidden and vwf") << 0 << 5 << true << true << false;
    QTest::newRow("bank 1A above A800") << 0 << 4 << false << false << false;
    QTest::newRow("other block") << 1 << 2 << false << false << false;
    QTest::newRow("other bank") << 2 << 1 << false << true << false;
    QTest::newRow("translated") << 0 << 0 << false << false << true;
    QTest::newRow("translated codes") << 0 << 1 << false << true << true;
}

void DemoTest::pictureEqualsTwinRender()
{
    QFETCH(int, block);
    QFETCH(int, string);
    QFETCH(bool, hideCodes);
    QFETCH(bool, vwf);
    QFETCH(bool, translated);
    DemoFixture f;
    if (hideCodes) f.form->menu.hideCodes->trigger();
    if (vwf) f.form->menu.variableWidth->trigger();
    if (translated) f.form->menu.showTranslation->trigger();
    f.openDemo();
    f.selectString(block, string);
    QCOMPARE(f.form->state().currentString, string);

    const QString raw = QString::fromStdString(f.path("twin.raw"));
    QStringList args{"render", QString::fromStdString(f.path("demo.sfc")), QString::fromStdString(f.path("demo-blocks.txt")),
                     QString::number(block), QString::number(string), "--raw", raw};
    if (hideCodes) args << "--hide-codes";
    if (vwf) args << "--vwf";
    if (translated) args << "--script" << QString::fromStdString(f.scriptPath(0x1A8000));
    const TwinRender twin = runTwin(args);
    QCOMPARE(twin.lines.size(), 3);
    QCOMPARE(f.form->statusText(0), twin.lines[0]);
    QCOMPARE(hexBytes(f.form->hexModel()), twin.lines[1]);
    QCOMPARE(f.form->statusText(1), twin.lines[2]);

    // What screenWidget shows, pixel for pixel, is the twin's screen with each
    // RGB565 value widened to 24 bits.
    const QByteArray bytes = QByteArray::fromStdString(testing_support::readFile(raw.toStdString()));
    QCOMPARE(bytes.size(), qsizetype(320 * 369 * 2));
    QImage expected(320, 369, QImage::Format_RGB16);
    for (int y = 0; y < 369; ++y) {
        auto* row = reinterpret_cast<uint16_t*>(expected.scanLine(y));
        for (int x = 0; x < 320; ++x) {
            const qsizetype i = (qsizetype(y) * 320 + x) * 2;
            row[x] = uint16_t(uint8_t(bytes[i]) | (uint8_t(bytes[i + 1]) << 8));
        }
    }
    const QImage shown = f.videoPicture();
    QCOMPARE(shown.size(), QSize(320, 369));
    QCOMPARE(shown, expected.convertToFormat(QImage::Format_RGB888));
}

// Open the demo, walk blocks and strings, translate a string with the
// preview on, save it and look at its bytes in the hex window.
void DemoTest::typedTranslationIsPreviewedAndSaved()
{
    DemoFixture f;
    f.openDemo();
    QCOMPARE(f.form->blockListBox->count(), 3);
    f.selectString(1, 3);
    f.selectString(0, 2);
    QCOMPARE(f.memo().textCursor().block().text(), QStringLiteral(".STRING 2"));
    f.form->menu.showTranslation->trigger();
    f.settle();

    QTextCursor cursor = f.memo().textCursor();
    cursor.movePosition(QTextCursor::NextBlock);
    cursor.movePosition(QTextCursor::EndOfBlock);
    f.memo().setTextCursor(cursor);
    f.memo().setFocus();
    const QImage before = f.videoPicture();
    QTest::keyClicks(&f.memo(), " Yes!");
    f.settle();
    QVERIFY(f.videoPicture() != before);
    const QString bytes = hexBytes(f.form->hexModel());
    QVERIFY2(bytes.startsWith(QStringLiteral("4B 61 6E 61")), qPrintable(bytes));  // "Kana"
    QVERIFY(bytes.contains(QStringLiteral("20 59 65 73 21 FE")));                  // " Yes!" and the line end

    f.form->menu.saveTextFile->trigger();
    QVERIFY(!f.memo().modified());
    QVERIFY(testing_support::readFile(f.scriptPath(0x1A8000)).find("Kana and kanji become Yes!\r\n") !=
            std::string::npos);
    QVERIFY(f.form->hexWindow->windowTitle().startsWith(QStringLiteral("Hex Data - $00")));
}

// A block without a script file: the editor makes it with the original text
// of each string under its section, the same bytes as the twin's dump.
void DemoTest::newBlockFileShowsTheOriginalsAsTheTwinDumpsThem()
{
    DemoFixture f;
    f.openDemo();
    QVERIFY(f.form->state().table);
    QVERIFY(!std::filesystem::exists(f.scriptPath(0x1D8000)));
    f.selectString(1, 0);
    const QString text = f.memo().toPlainText();
    QVERIFY2(text.startsWith(QStringLiteral("// Do not erase these: \n")), qPrintable(text.left(80)));
    const QStringList lines = text.split('\n');
    const qsizetype ends = lines.indexOf(QStringLiteral(".ENDS"));
    QVERIFY(ends > 0);
    QVERIFY2(lines[ends + 1].startsWith(QStringLiteral("// ")) && lines[ends + 1].size() > 3, qPrintable(lines[ends + 1]));

    QVERIFY(!runTwinDump(f.dir.path()).isEmpty());
    const std::string made = testing_support::readFile(f.scriptPath(0x1D8000));
    QCOMPARE(testing_support::readFile(f.path("out/001D8000.txt")), made);
    // The hex window names the token under its cursor as the table reads it.
    QVERIFY2(f.form->hexWindow->windowTitle().contains(QStringLiteral(" | ")),
             qPrintable(f.form->hexWindow->windowTitle()));
}

// A kanji typed into the editor is saved as UTF-8 and read back as it was;
// the preview compiles it to "?".
void DemoTest::kanjiTypedIsSavedAndReadBackWithoutLoss()
{
    DemoFixture f;
    f.openDemo();
    f.selectString(0, 0);
    f.form->menu.showTranslation->trigger();
    f.settle();
    QTextCursor cursor = f.memo().textCursor();
    cursor.movePosition(QTextCursor::NextBlock);
    cursor.movePosition(QTextCursor::EndOfBlock);
    f.memo().setTextCursor(cursor);
    f.memo().setFocus();
    const QString kanji = QString::fromUtf8("\xE6\xBC\xA2\xE5\xAD\x97");  // two kanji
    // Kanji come through the input method, as a Japanese keyboard types them.
    QInputMethodEvent typed;
    typed.setCommitString(kanji);
    QApplication::sendEvent(&f.memo(), &typed);
    f.settle();
    QVERIFY(hexBytes(f.form->hexModel()).contains(QStringLiteral("21 3F 3F FE")));  // "!" then the two as "?"

    f.form->menu.saveTextFile->trigger();
    QVERIFY(!f.memo().modified());
    const std::string saved = testing_support::readFile(f.scriptPath(0x1A8000));
    QVERIFY(saved.find("Welcome, traveller!\xE6\xBC\xA2\xE5\xAD\x97\r\n") != std::string::npos);

    const QString before = f.memo().toPlainText();
    f.selectString(1, 0);
    f.selectString(0, 0);
    QCOMPARE(f.memo().toPlainText(), before);
    QVERIFY(f.memo().toPlainText().contains(QStringLiteral("Welcome, traveller!") + kanji));
    // Saving again writes the same bytes.
    f.form->menu.saveTextFile->trigger();
    QCOMPARE(testing_support::readFile(f.scriptPath(0x1A8000)), saved);
}

void DemoTest::createAllScriptFilesReportsEveryBlock()
{
    DemoFixture f;
    f.openDemo();
    f.form->menu.createAllScriptFiles->trigger();
    f.settle();
    auto* report = f.form->findChild<ScriptFilesWindow*>(QStringLiteral("ScriptFilesReport"));
    QVERIFY(report);
    QCOMPARE(report->lines->toPlainText(),
             QStringLiteral("001A8000.txt kept (exists)\n001D8000.txt created\n001B8000.txt created"));
    QVERIFY2(report->summary->text().startsWith(QStringLiteral("2 script files created, 1 kept (exists) in ")),
             qPrintable(report->summary->text()));
    QVERIFY(std::filesystem::exists(f.scriptPath(0x1B8000)));
    report->close();
    f.settle();
}

}  // namespace scrivel::app::testing
