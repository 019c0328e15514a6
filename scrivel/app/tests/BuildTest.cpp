// File > Build Translated ROM...: the question about unsaved script text,
// the save dialog, the three outputs and the report window.

#include "BuildTest.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>
#include <filesystem>

#include "GuiFixture.h"
#include "rom/BpsPatch.h"
#include "rom/IpsPatch.h"

namespace scrivel::app::testing {

namespace {

using testing_support::readFile;
using testing_support::writeFile;

std::vector<uint8_t> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

// Block 0's script: string 1 translated; the editor then gets string 2 typed
// in at the end, unsaved.
void prepareScript(GuiFixture& f, const std::string& text)
{
    std::filesystem::create_directory(f.dir / "Dumps");
    writeFile(f.scriptPath(0x1A8000), text);
    f.openRom();
}

}  // namespace

void BuildTest::buildAsksAboutUnsavedTextThenWritesAndReports_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("blockLine");
    QTest::newRow("save") << int(platform::Answer::Yes) << "Block 1A8000: 2 of 3 strings translated, 6 bytes";
    QTest::newRow("do not save") << int(platform::Answer::No) << "Block 1A8000: 1 of 3 strings translated, 3 bytes";
}

void BuildTest::buildAsksAboutUnsavedTextThenWritesAndReports()
{
    QFETCH(int, answer);
    QFETCH(QString, blockLine);
    GuiFixture f;
    prepareScript(f, ".STRING 1\r\nHi\r\n.ENDS\r\n");
    QTextCursor cursor = f.memo().textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("\n.STRING 2\nYo\n.ENDS\n"));
    QVERIFY(f.memo().modified());

    f.platform.clearRecords();
    f.platform.queueAnswer(static_cast<platform::Answer>(answer));
    f.platform.queueChoice(f.path("out.sfc"));
    GuiFixture::activate(f.form.get());
    QTest::keyClick(f.form.get(), Qt::Key_B, Qt::ControlModifier);
    f.settle();

    QCOMPARE(f.platform.questions().size(), size_t{1});
    QCOMPARE(f.platform.questions()[0].text, std::string("Current data not saved. Do you wish to save it?"));
    QCOMPARE(f.platform.questions()[0].caption, std::string("File Modified..."));
    QVERIFY(!f.platform.questions()[0].withCancel);
    QCOMPARE(f.memo().modified(), answer != int(platform::Answer::Yes));
    QCOMPARE(f.platform.dialogs().size(), size_t{1});
    QCOMPARE(f.platform.dialogs()[0].kind, platform::ScriptedPlatform::DialogKind::Save);
    QCOMPARE(f.platform.dialogs()[0].request.title, std::string("Build Translated ROM"));
    QCOMPARE(f.platform.dialogs()[0].request.fileName, std::string("rom-translated.sfc"));

    // Nothing went wrong, so no message box; the report is in its window.
    for (const std::string& m : f.platform.messages()) QVERIFY2(m == "Text file was saved!", m.c_str());
    ReportWindow* report = f.form->reportWindow;
    QVERIFY(report && report->isVisible());
    QVERIFY(report->textView->isReadOnly());
    const QString text = report->text();
    QVERIFY2(text.startsWith(blockLine + "\n"), qPrintable(text));
    QVERIFY2(text.contains("Block 1A8100: 0 of 20 strings translated (no script file)\n"), qPrintable(text));
    QVERIFY2(text.contains("Bank 1A: "), qPrintable(text));
    QVERIFY2(text.endsWith("Wrote " + QString::fromStdString(f.path("out.bps")) + " (" +
                           QString::number(std::filesystem::file_size(f.dir / "out.bps")) + " bytes)\n"),
             qPrintable(text));

    // The input is untouched; both patches turn it into the output.
    const std::vector<uint8_t> input = bytesOf(readFile(f.dir / "rom.sfc"));
    QCOMPARE(input, bytesOf(fixtureRom()));
    const std::vector<uint8_t> output = bytesOf(readFile(f.dir / "out.sfc"));
    QVERIFY(output != input);
    QCOMPARE(rom::applyIpsPatch(input, bytesOf(readFile(f.dir / "out.ips"))).bytes, output);
    QCOMPARE(rom::applyBpsPatch(input, bytesOf(readFile(f.dir / "out.bps"))).bytes, output);
}

void BuildTest::aFailureShowsItsMessageAndWritesNothing()
{
    GuiFixture f;
    prepareScript(f, ".STRING 1\r\nHi\r\n");
    f.platform.clearRecords();
    f.platform.queueChoice(f.path("out.sfc"));
    f.form->menu.buildTranslatedRom->trigger();
    f.settle();
    QVERIFY(f.platform.questions().empty());
    QCOMPARE(f.platform.messages().size(), size_t{1});
    QCOMPARE(f.platform.messages()[0],
             "Error: " + f.scriptPath(0x1A8000) + ": the section .STRING 1 has no closing .ENDS line.\n");
    QVERIFY(!f.form->reportWindow);
    QVERIFY(!std::filesystem::exists(f.dir / "out.sfc"));
    QVERIFY(!std::filesystem::exists(f.dir / "out.ips"));
    QVERIFY(!std::filesystem::exists(f.dir / "out.bps"));

    // Choosing the ROM itself as the output is refused the same way.
    f.platform.clearRecords();
    f.platform.queueChoice(f.path("rom.sfc"));
    writeFile(f.scriptPath(0x1A8000), std::string(".STRING 1\r\nHi\r\n.ENDS\r\n"));
    f.form->menu.buildTranslatedRom->trigger();
    f.settle();
    QCOMPARE(f.platform.messages().size(), size_t{1});
    QVERIFY2(f.platform.messages()[0].find("names the input file") != std::string::npos,
             f.platform.messages()[0].c_str());
    QCOMPARE(bytesOf(readFile(f.dir / "rom.sfc")), bytesOf(fixtureRom()));
    QVERIFY(!std::filesystem::exists(f.dir / "rom.ips"));
}

void BuildTest::cancellingTheSaveDialogWritesNothing()
{
    GuiFixture f;
    // Before a ROM is open there is nothing to build.
    f.form->menu.buildTranslatedRom->trigger();
    f.settle();
    QCOMPARE(f.platform.messages().size(), size_t{1});
    QVERIFY(f.platform.dialogs().empty());

    prepareScript(f, ".STRING 1\r\nHi\r\n.ENDS\r\n");
    f.platform.clearRecords();
    f.platform.queueCancel();
    f.form->menu.buildTranslatedRom->trigger();
    f.settle();
    QCOMPARE(f.platform.dialogs().size(), size_t{1});
    QVERIFY(f.platform.messages().empty());
    QVERIFY(!f.form->reportWindow);
    QCOMPARE(std::distance(std::filesystem::directory_iterator(f.dir.path()), std::filesystem::directory_iterator()),
             3);  // rom.sfc, blocks.txt, Dumps
}

}  // namespace scrivel::app::testing
