// Exit and the main window's close, with the question about unsaved script
// text, and the command line's preset files.

#include "ExitTest.h"

#include <QSignalSpy>
#include <QTest>
#include <filesystem>

#include "GuiFixture.h"
#include "LaunchArguments.h"
#include "LaunchPlatform.h"

namespace scrivel::app::testing {

void ExitTest::exitWithoutUnsavedTextAsksNothing()
{
    GuiFixture f;
    f.openRom();
    QSignalSpy closed(f.form.get(), &MainWindow::closed);
    GuiFixture::activate(f.form.get());
    QTest::keyClick(f.form.get(), Qt::Key_X, Qt::AltModifier);
    f.settle();
    QCOMPARE(closed.count(), 1);
    QVERIFY(f.platform.questions().empty());
    QVERIFY(!f.form->isVisible());
    QVERIFY(!f.form->textEditorWindow->isVisible());
    QVERIFY(!f.form->hexWindow->isVisible());
    QVERIFY(!f.form->state().romLoaded);
    QVERIFY(f.form->state().rendered.picture.pixels.empty());
}

void ExitTest::exitWithUnsavedText_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saves");
    QTest::newRow("yes") << int(platform::Answer::Yes) << true << true;
    QTest::newRow("no") << int(platform::Answer::No) << true << false;
    QTest::newRow("cancel") << int(platform::Answer::Cancel) << false << false;
}

void ExitTest::exitWithUnsavedText()
{
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(bool, saves);
    GuiFixture f;
    f.openRom();
    const std::string before = testing_support::readFile(f.scriptPath(0x1A8000));
    QTest::keyClicks(&f.memo(), "Edited");
    QSignalSpy closed(f.form.get(), &MainWindow::closed);
    f.platform.clearRecords();
    f.platform.queueAnswer(static_cast<platform::Answer>(answer));
    f.form->menu.exit->trigger();
    f.settle();

    QCOMPARE(f.platform.questions().size(), size_t{1});
    QCOMPARE(f.platform.questions()[0].text, std::string("Current data not saved. Do you wish to save it?"));
    QCOMPARE(f.platform.questions()[0].caption, std::string("File Modified..."));
    QVERIFY(f.platform.questions()[0].withCancel);
    QCOMPARE(closed.count(), closes ? 1 : 0);
    QCOMPARE(f.form->isVisible(), !closes);
    const std::string after = testing_support::readFile(f.scriptPath(0x1A8000));
    if (saves)
        QCOMPARE(after.size(), before.size() + 6);  // typed at the marker of string 0
    if (saves)
        QVERIFY(after.find("Edited.STRING 0\r\n") != std::string::npos);
    else
        QCOMPARE(after, before);
    if (!closes) {
        QVERIFY(f.memo().modified());
        QVERIFY(f.form->state().romLoaded);
    }
}

void ExitTest::failedSaveOnExitKeepsProgramOpen()
{
    GuiFixture f;
    f.openRom();
    QTest::keyClicks(&f.memo(), "Edited");
    std::filesystem::remove_all(f.dir / "Dumps");
    QSignalSpy closed(f.form.get(), &MainWindow::closed);
    f.platform.clearRecords();
    f.platform.queueAnswer(platform::Answer::Yes);
    f.form->close();
    f.settle();
    QCOMPARE(closed.count(), 0);
    QVERIFY(f.form->isVisible());
    QCOMPARE(f.platform.messages().size(), size_t{1});
    QVERIFY(f.memo().modified());
}

void ExitTest::launchArguments()
{
    auto parse = [](QStringList args) { return parseLaunchArguments(args); };
    QVERIFY(!parse({}).rom && !parse({}).usageError);
    const LaunchArguments two = parse({"a.sfc", "b.txt"});
    QCOMPARE(two.rom.value_or(""), std::string("a.sfc"));
    QCOMPARE(two.data.value_or(""), std::string("b.txt"));
    QVERIFY(parse({"a", "b", "c"}).usageError);
    QVERIFY(parse({"--bogus"}).usageError);
    QVERIFY(parse({"--help"}).help);
    QVERIFY(parse({"-h"}).help);
    QVERIFY(parse({"--version"}).version && !parse({"--version"}).rom);
    QVERIFY(parse({"-v"}).version);
    QVERIFY(parse({"a.sfc", "--version"}).version);
    // The usage line names the program, not the path it was started by.
    QVERIFY(launchHelp().startsWith(QStringLiteral("Usage: scrivel [options] [ROM [DATA]]\n")));
}

// A platform whose real dialogs must never open in a test.
class NoDialogPlatform : public LaunchPlatform {
public:
    using LaunchPlatform::LaunchPlatform;
    int dialogsShown = 0;
    std::optional<std::string> ask(const platform::FileDialogRequest& request) { return openFile(request); }

protected:
    std::optional<std::string> runOpenDialog(const platform::FileDialogRequest& request) override
    {
        if (hasPreset(request.title)) return LaunchPlatform::runOpenDialog(request);
        ++dialogsShown;
        return std::nullopt;
    }
};

void ExitTest::launchPresetsAnswerTheirDialogsOnce()
{
    testing_support::TempDir dir;
    dir.enter();
    NoDialogPlatform platform(QStringLiteral("t"));
    platform.presetOpenChoice("Open ROM File", "rom.sfc");
    platform.presetOpenChoice("Open Text Block Data File", "blocks.txt");
    platform::FileDialogRequest data{"Open Text Block Data File", "", "", ""};
    platform::FileDialogRequest rom{"Open ROM File", "", "", ""};
    QCOMPARE(platform.ask(data).value_or(""), (dir / "blocks.txt").string());
    QCOMPARE(platform.ask(rom).value_or(""), (dir / "rom.sfc").string());
    QCOMPARE(platform.dialogsShown, 0);
    QVERIFY(!platform.ask(rom));
    QCOMPARE(platform.dialogsShown, 1);
}

}  // namespace scrivel::app::testing
