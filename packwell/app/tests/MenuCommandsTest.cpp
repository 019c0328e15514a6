// Every menu command run from its menu item, end to end in a temporary
// folder, with the dialogs answered by the scripted platform.

#include <QPlainTextEdit>
#include <QtTest>
#include <algorithm>
#include <stdexcept>

#include "GuiFixture.h"
#include "TestPrinting.h"

namespace fs = std::filesystem;
using testing_support::readFile;
using testing_support::writeFile;
using Lines = std::vector<std::string>;

namespace {

const std::string kGroupTitle = "Select a file with GROUP's extension...";
const std::string kPackGroupTitle = "Select a file with GROUP's extension to Pack...";

// A platform whose file dialogs fail with an exception.
class FailingDialogs : public platform::ScriptedPlatform {
protected:
    std::optional<std::string> runOpenDialog(const platform::FileDialogRequest&) override
    {
        throw std::runtime_error("The dialog could not be shown.");
    }
};

Lines filesIn(const fs::path& folder)
{
    Lines names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

class MenuCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void mergeGroupPutsReportInMemo();
    void addFileAppendsDefineLine();
    void createSaveAndOpenSource();
    void compressGroup_data();
    void compressGroup();
    void eraseClearsMemoOnly();
    void cancelledDialogChangesNothing_data();
    void cancelledDialogChangesNothing();
    void dialogFolderRules();
    void failureEscapingCommandIsShown();
};

void MenuCommandsTest::mergeGroupPutsReportInMemo()
{
    GuiFixture f;
    const fs::path data = makeFolder(f, "data");
    writeFile(data / "a.bin", "abc");
    writeFile(data / "b.bin", "de");
    writeFile(data / "notes.txt", "not a member");
    f.setMemoLines({"old line"});
    f.platform.queueChoice((data / "a.bin").string());

    f.trigger("MergeaGroupoffiles1");

    QCOMPARE(f.platform.dialogs().size(), size_t(1));
    QCOMPARE(f.platform.dialogs()[0].request.title, kGroupTitle);
    QCOMPARE(f.platform.dialogs()[0].request.initialFolder, f.dir.str());
    QCOMPARE(f.cwd(), data.string());
    QVERIFY(f.platform.messages().empty());
    QCOMPARE(readFile(data / "Merged.dat"), std::string("abcde"));
    QVERIFY(fs::exists(data / "Merged.cpp"));

    const Lines lines = f.memoLines();
    QCOMPARE(lines.size(), size_t(31));
    QCOMPARE(lines[0], std::string("  #define A                  0"));
    QCOMPARE(lines[1], std::string("  #define B                  1"));
    QCOMPARE(lines[2], std::string(" "));
    QCOMPARE(lines[5], std::string("A                = 0"));
    QVERIFY(std::find(lines.begin(), lines.end(), "    0x00000003,  // B") != lines.end());
    QCOMPARE(lines.back(), std::string(".ENDS"));
    // The caret follows the report, as after lines are added to a memo.
    QVERIFY(f.mergerWindow.memo()->textCursor().atEnd());
}

void MenuCommandsTest::addFileAppendsDefineLine()
{
    GuiFixture f;
    writeFile(f.dir / "Merged.dat", std::string(300, 'm'));
    const fs::path logo = makeFolder(f, "art") / "logo.bin";
    writeFile(logo, std::string(16, 'L'));
    f.setMemoLines({"kept"});
    f.platform.queueChoice(logo.string());
    f.platform.queueChoice(logo.string());

    f.trigger("AddMFile");  // into the starting folder's Merged.dat
    f.trigger("AddMFile");  // the dialog moved the working folder: a new Merged.dat there

    QCOMPARE(f.platform.messages(), (Lines{logo.string() + " merged successfully!", logo.string() + " merged successfully!"}));
    QCOMPARE(f.memoLines(), (Lines{"kept", "#define LOGO                 0x0000012C", "#define LOGO                 0x00000000"}));
    QCOMPARE(fs::file_size(f.dir / "Merged.dat"), uintmax_t(316));
    QCOMPARE(readFile(logo.parent_path() / "Merged.dat"), std::string(16, 'L'));
}

void MenuCommandsTest::createSaveAndOpenSource()
{
    GuiFixture f;
    const fs::path data = makeFolder(f, "my data");
    writeFile(data / "intro.bin", "I");
    writeFile(data / "title screen.bin", "T");
    const std::string folder = f.dir.str() + "/my_data";
    f.platform.queueChoice((data / "intro.bin").string());
    f.platform.queueCancel();

    f.trigger("CreateRPGPackTemplate1");

    const Lines source{"; Group Name: \"bin\"", ".GAMEPACK_FILE->bin " + folder + "/intro.bin",
                       ".GAMEPACK_FILE->bin " + folder + "/title_screen.bin", "", ""};
    QCOMPARE(f.memoLines(), source);
    QCOMPARE(f.platform.dialogs().size(), size_t(2));
    QCOMPARE(f.platform.dialogs()[0].request.title, kPackGroupTitle);

    const fs::path saved = f.dir / "pack source.txt";
    f.platform.queueChoice(saved.string());
    f.trigger("SaveRPGPackTemplateSourceFile1");
    QCOMPARE(f.platform.dialogs().back().kind, platform::ScriptedPlatform::DialogKind::Save);
    QCOMPARE(f.platform.dialogs().back().request.title, std::string("Save source file."));
    QCOMPARE(readFile(saved), crlfText(source));

    // Loading replaces the memo's lines; CR LF, CR and LF all end a line.
    writeFile(f.dir / "mixed.txt", "one\r\ntwo\rthree\nfour");
    f.platform.queueChoice((f.dir / "mixed.txt").string());
    f.trigger("OpenGAMEPackSourceFile1");
    QCOMPARE(f.platform.dialogs().back().request.title, std::string("Open source."));
    QCOMPARE(f.memoLines(), (Lines{"one", "two", "three", "four"}));

    f.platform.queueChoice(saved.string());
    f.trigger("OpenGAMEPackSourceFile1");
    QCOMPARE(f.memoLines(), source);
    QVERIFY(f.platform.messages().empty());
}

void MenuCommandsTest::compressGroup_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("message");
    QTest::newRow("Huffman") << "CompressagroupofFiles1"
                             << ".huf" << QStringLiteral("Data Compressed using \"Huffam\"!");
    QTest::newRow("RLE") << "CompressagroupofFilesRLE1"
                         << ".rle" << QStringLiteral("Data Compressed using \"Run Length Endcoding\"!");
}

void MenuCommandsTest::compressGroup()
{
    QFETCH(QString, item);
    QFETCH(QString, extension);
    QFETCH(QString, message);
    GuiFixture f;
    const fs::path data = makeFolder(f, "data");
    writeFile(data / "INTRO.BIN", std::string(300, 'x'));
    writeFile(data / "TITLE.BIN", "title");
    writeFile(data / "NOTES.TXT", "no");
    f.setMemoLines({"untouched"});
    f.platform.queueChoice((data / "INTRO.BIN").string());

    f.trigger(item.toLatin1().constData());

    QCOMPARE(f.platform.dialogs().size(), size_t(1));
    QCOMPARE(f.platform.dialogs()[0].request.title, kGroupTitle);
    QCOMPARE(f.platform.messages(), Lines{message.toStdString()});
    const std::string ext = extension.toStdString();
    Lines expected{"INTRO" + ext, "INTRO.BIN", "NOTES.TXT", "TITLE" + ext, "TITLE.BIN"};
    std::sort(expected.begin(), expected.end());
    QCOMPARE(filesIn(data), expected);
    QVERIFY(fs::file_size(data / ("INTRO" + ext)) > 0);
    if (ext == ".rle") QCOMPARE(readFile(data / "INTRO.rle").substr(0, 4), std::string("\x2C\x01\x00\x00", 4));
    QCOMPARE(f.memoLines(), Lines{"untouched"});
}

void MenuCommandsTest::eraseClearsMemoOnly()
{
    GuiFixture f;
    f.setMemoLines({"a", "b"});
    const Lines before = filesIn(f.dir.path());
    f.trigger("FlushTextDataonForm1");
    QVERIFY(f.memoLines().empty());
    QVERIFY(f.mergerWindow.memo()->toPlainText().isEmpty());
    QCOMPARE(filesIn(f.dir.path()), before);
    QVERIFY(f.platform.dialogs().empty());
    QVERIFY(f.platform.messages().empty());
}

void MenuCommandsTest::cancelledDialogChangesNothing_data()
{
    QTest::addColumn<QString>("item");
    for (const char* name : {"OpenGAMEPackSourceFile1", "SaveRPGPackTemplateSourceFile1", "AddMFile",
                             "MergeaGroupoffiles1", "CreateRPGPackTemplate1", "CompressagroupofFiles1",
                             "CompressagroupofFilesRLE1"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void MenuCommandsTest::cancelledDialogChangesNothing()
{
    QFETCH(QString, item);
    GuiFixture f;
    writeFile(f.dir / "a.bin", "abc");
    writeFile(f.dir / "Merged.dat", "merged");
    const Lines memo{"line one", ".GAMEPACK_FILE->bin a.bin"};
    f.setMemoLines(memo);
    const std::string start = f.cwd();
    f.platform.queueCancel();

    f.trigger(item.toLatin1().constData());

    QCOMPARE(f.platform.dialogs().size(), size_t(1));
    QCOMPARE(f.memoLines(), memo);
    QCOMPARE(f.cwd(), start);
    QVERIFY(f.platform.messages().empty());
    QCOMPARE(readFile(f.dir / "Merged.dat"), std::string("merged"));
    // At most the merge's byte listing is rewritten from Merged.dat.
    Lines files = filesIn(f.dir.path());
    files.erase(std::remove(files.begin(), files.end(), "Merged.cpp"), files.end());
    QCOMPARE(files, (Lines{"Merged.dat", "a.bin"}));
}

void MenuCommandsTest::dialogFolderRules()
{
    GuiFixture f;
    const fs::path data = makeFolder(f, "my data");
    writeFile(data / "x.bin", "x");
    const std::string start = f.dir.str();
    const std::string underscored = start + "/my_data";
    struct Step {
        const char* item;
        std::string initialFolder;
        std::string title;
    };
    auto run = [&](const Step& step) {
        const size_t before = f.platform.dialogs().size();
        f.trigger(step.item);
        QVERIFY2(f.platform.dialogs().size() > before, step.item);
        const auto& request = f.platform.dialogs()[before].request;
        QVERIFY2(request.initialFolder == step.initialFolder, (std::string(step.item) + ": " + request.initialFolder).c_str());
        QVERIFY2(request.title == step.title, (std::string(step.item) + ": " + request.title).c_str());
    };

    // Nothing remembered yet: the platform's default folder.
    f.platform.queueCancel();
    run({"OpenGAMEPackSourceFile1", "", "Open source."});
    f.platform.queueCancel();
    run({"AddMFile", start, "Open source."});

    // Create GAME Pack Source File remembers the chosen folder with "_" for spaces.
    f.platform.queueChoice((data / "x.bin").string());
    f.platform.queueCancel();
    run({"CreateRPGPackTemplate1", start, kPackGroupTitle});
    QCOMPARE(f.platform.dialogs().back().request.initialFolder, underscored);
    QCOMPARE(f.cwd(), data.string());

    f.platform.queueCancel();
    run({"SaveRPGPackTemplateSourceFile1", underscored, "Save source file."});
    f.platform.queueCancel();
    run({"OpenGAMEPackSourceFile1", underscored, "Open source."});
    // Add keeps a remembered folder and the title the open dialog last had.
    f.platform.queueCancel();
    run({"AddMFile", underscored, "Open source."});

    // Merge and the compressions start from the working folder.
    f.platform.queueCancel();
    run({"MergeaGroupoffiles1", data.string(), kGroupTitle});
    f.platform.queueCancel();
    run({"AddMFile", data.string(), kGroupTitle});
    fs::current_path(f.dir.path());
    f.platform.queueCancel();
    run({"CompressagroupofFiles1", start, kGroupTitle});
    f.platform.queueCancel();
    run({"CompressagroupofFilesRLE1", start, kGroupTitle});
}

void MenuCommandsTest::failureEscapingCommandIsShown()
{
    testing_support::TempDir dir;
    dir.enter();
    FailingDialogs failing;
    packwell::app::MergerWindow form(failing);
    form.show();
    form.report().setLines({"kept"});
    QAction* merge = form.findChild<QAction*>(QStringLiteral("MergeaGroupoffiles1"));
    merge->trigger();
    merge->trigger();
    QCOMPARE(failing.messages(), (Lines{"The dialog could not be shown.", "The dialog could not be shown."}));
    QCOMPARE(form.report().lines(), Lines{"kept"});
    QVERIFY(form.isVisible());
    QVERIFY(merge->isEnabled());
}

QObject* makeMenuCommandsTest()
{
    return new MenuCommandsTest;
}

#include "MenuCommandsTest.moc"
