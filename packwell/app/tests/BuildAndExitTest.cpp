// The GAME Pack build with its progress window, and leaving the program:
// Exit saves the memo, the close box does not, and neither interrupts a
// build.

#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QtTest>

#include "GuiFixture.h"
#include "TestPrinting.h"

namespace fs = std::filesystem;
using testing_support::readFile;
using testing_support::writeFile;
using Lines = std::vector<std::string>;

namespace {

// What the window looked like at the build's first pause for events.
struct DuringBuild {
    bool seen = false;
    bool progressVisible = false;
    QString caption;
    bool anyItemEnabled = false;
    bool memoReadOnly = false;
    QList<int> positions;
};

void watchBuild(GuiFixture& f, DuringBuild& during)
{
    f.platform.setEventHook([&f, &during] {
        during.positions.append(f.progressWindow.bar()->value());
        if (during.seen) return;
        during.seen = true;
        during.progressVisible = f.progressWindow.isVisible();
        during.caption = f.progressWindow.windowTitle();
        for (const char* name : kMenuItems) during.anyItemEnabled = during.anyItemEnabled || f.item(name)->isEnabled();
        for (QAction* m : f.mergerWindow.menuBar()->actions()) during.anyItemEnabled = during.anyItemEnabled || m->isEnabled();
        during.memoReadOnly = f.mergerWindow.memo()->isReadOnly();
    });
}

void checkIdleAfterBuild(GuiFixture& f)
{
    QVERIFY(!f.progressWindow.isVisible());
    QVERIFY(!f.mergerWindow.buildRunning());
    QVERIFY(!f.mergerWindow.memo()->isReadOnly());
    for (const char* name : kMenuItems) QVERIFY2(f.item(name)->isEnabled(), name);
    for (QAction* m : f.mergerWindow.menuBar()->actions()) QVERIFY(m->isEnabled());
}

}  // namespace

class BuildAndExitTest : public QObject {
    Q_OBJECT
private slots:
    void buildShowsProgressAndHidesIt();
    void failedBuildHidesProgress_data();
    void failedBuildHidesProgress();
    void closeRequestWaitsForBuild();
    void exitSavesMemoInWorkingFolder();
    void exitByShortcut();
    void exitAfterEraseWritesEmptyFile();
    void exitKeepsWindowWhenSaveFails();
    void closeBoxSavesNothing();
};

void BuildAndExitTest::buildShowsProgressAndHidesIt()
{
    GuiFixture f;
    const fs::path data = makeFolder(f, "data");
    writeFile(data / "INTRO.BIN", std::string(300, 'i'));
    writeFile(data / "TITLE.BIN", std::string(100, 't'));
    f.setMemoLines({".GAMEPACK_STRING->intro", ".GAMEPACK_FILE->bin " + (data / "INTRO.BIN").string(),
                    ".GAMEPACK_FILE->bin " + (data / "TITLE.BIN").string(), ".GAMEPACK_STRING.OFFSET->end"});
    DuringBuild during;
    watchBuild(f, during);

    f.trigger("CreateRPGPack1");

    QVERIFY(during.seen);
    QVERIFY(during.progressVisible);
    QCOMPARE(during.caption, QStringLiteral("Creating Game Pack"));
    QVERIFY(!during.anyItemEnabled);
    QVERIFY(during.memoReadOnly);
    // Events pass before each line's position is set: line i of 4 sets i * 25.
    QCOMPARE(during.positions, (QList<int>{0, 0, 25, 50}));
    QCOMPARE(f.progressWindow.bar()->value(), 75);
    QCOMPARE(f.platform.messages(), Lines{"GamePack created!"});
    checkIdleAfterBuild(f);
    QCOMPARE(fs::file_size(f.dir / "GPACK.dbp"), uintmax_t(410));
    QCOMPARE(readFile(f.dir / "GPACK.h"), crlfText({"GPACK_INTRO                = $00000000",
                                                    "GPACK_TITLE                = $00000132",
                                                    "GPACK_STRING->END = $00000196"}));
    QCOMPARE(f.progressWindow.windowTitle(), QStringLiteral("Creating Game Pack"));
}

void BuildAndExitTest::failedBuildHidesProgress_data()
{
    QTest::addColumn<std::vector<std::string>>("source");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("progressShown");
    QTest::newRow("empty memo") << Lines{} << QStringLiteral("Please create OR load a GAME Pack source file!") << false;
    QTest::newRow("missing file") << Lines{".GAMEPACK_STRING->a", ".GAMEPACK_FILE->bin /no/such/FILE.BIN"}
                                  << QStringLiteral("Fatal Error: Could not open \"/NO/SUCH/FILE.BIN\"") << true;
}

void BuildAndExitTest::failedBuildHidesProgress()
{
    QFETCH(std::vector<std::string>, source);
    QFETCH(QString, message);
    QFETCH(bool, progressShown);
    GuiFixture f;
    f.setMemoLines(source);
    DuringBuild during;
    watchBuild(f, during);

    f.trigger("CreateRPGPack1");

    QCOMPARE(during.seen, progressShown);
    QCOMPARE(f.platform.messages().size(), size_t(1));
    // The path in the message is the one tried; its letter case is the engine's business.
    QCOMPARE(QString::fromStdString(f.platform.messages()[0]).toUpper(), message.toUpper());
    checkIdleAfterBuild(f);
    QCOMPARE(f.memoLines(), source);
}

void BuildAndExitTest::closeRequestWaitsForBuild()
{
    GuiFixture f;
    writeFile(f.dir / "A.BIN", "a");
    f.setMemoLines({".GAMEPACK_FILE->bin " + (f.dir / "A.BIN").string(), "; other", "; lines"});
    int pauses = 0;
    bool closedEarly = false;
    f.platform.setEventHook([&] {
        if (++pauses == 1) {
            f.mergerWindow.close();
            closedEarly = !f.mergerWindow.isVisible();
        }
    });

    f.trigger("CreateRPGPack1");

    QCOMPARE(pauses, 3);
    QVERIFY(!closedEarly);
    QCOMPARE(f.platform.messages(), Lines{"GamePack created!"});
    QCOMPARE(fs::file_size(f.dir / "GPACK.dbp"), uintmax_t(1));
    QVERIFY(!f.mergerWindow.isVisible());
    QVERIFY(!f.progressWindow.isVisible());
    QVERIFY(!fs::exists(f.dir / "Merge.txt"));
}

void BuildAndExitTest::exitSavesMemoInWorkingFolder()
{
    GuiFixture f;
    const fs::path other = makeFolder(f, "other");
    writeFile(other / "a.bin", "abc");
    f.platform.queueChoice((other / "a.bin").string());
    f.trigger("MergeaGroupoffiles1");
    f.mergerWindow.report().appendLine("typed afterwards");
    const Lines lines = f.memoLines();

    f.trigger("Exit1");

    QVERIFY(!f.mergerWindow.isVisible());
    QVERIFY(!fs::exists(f.dir / "Merge.txt"));
    QCOMPARE(readFile(other / "Merge.txt"), crlfText(lines));
    QVERIFY(f.platform.messages().empty());
}

void BuildAndExitTest::exitByShortcut()
{
    GuiFixture f;
    f.setMemoLines({"by shortcut"});
    f.mergerWindow.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.mergerWindow));
    QTest::keyClick(f.mergerWindow.memo(), Qt::Key_X, Qt::AltModifier);
    QCOMPARE(readFile(f.dir / "Merge.txt"), std::string("by shortcut\r\n"));
    QVERIFY(!f.mergerWindow.isVisible());
    QCOMPARE(f.memoLines(), Lines{"by shortcut"});  // the x was not typed into the memo
}

void BuildAndExitTest::exitAfterEraseWritesEmptyFile()
{
    GuiFixture f;
    writeFile(f.dir / "Merge.txt", "old report\r\n");
    f.setMemoLines({"report"});
    f.trigger("FlushTextDataonForm1");
    f.trigger("Exit1");
    QCOMPARE(readFile(f.dir / "Merge.txt"), std::string());
    QVERIFY(!f.mergerWindow.isVisible());
}

void BuildAndExitTest::exitKeepsWindowWhenSaveFails()
{
    GuiFixture f;
    fs::create_directory(f.dir / "Merge.txt");  // nothing can replace a folder by a file
    f.setMemoLines({"keep me"});
    f.trigger("Exit1");
    QCOMPARE(f.platform.messages().size(), size_t(1));
    QVERIFY(f.platform.messages()[0].rfind("Error", 0) == 0);
    QVERIFY(f.mergerWindow.isVisible());
    QCOMPARE(f.memoLines(), Lines{"keep me"});
    QVERIFY(fs::is_directory(f.dir / "Merge.txt"));
}

void BuildAndExitTest::closeBoxSavesNothing()
{
    GuiFixture f;
    f.setMemoLines({"not saved"});
    QVERIFY(f.mergerWindow.close());
    QVERIFY(!fs::exists(f.dir / "Merge.txt"));
    QVERIFY(f.platform.messages().empty());
}

QObject* makeBuildAndExitTest()
{
    return new BuildAndExitTest;
}

#include "BuildAndExitTest.moc"
