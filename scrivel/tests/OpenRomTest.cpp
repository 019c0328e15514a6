#include <filesystem>

#include "EditorFixture.h"
#include "script/ScriptFile.h"
#include "script/TextFiles.h"

using namespace scrivel::rom;
using namespace scrivel::render;
using namespace scrivel::script;
using namespace scrivel::editor;
using scrivel::testing_rom::EditorFixture;
using testing_support::readFile;
using testing_support::writeFile;

namespace {

using OpenRom = EditorFixture;

TEST_F(OpenRom, FromTheDialogsToTheFirstPicture)
{
    std::string startFolder = commands.startFolder;
    openRom();

    EXPECT_EQ(platform.messages(), std::vector<std::string>{"ROM loaded successfully!"});
    ASSERT_EQ(platform.dialogs().size(), 2u);
    const auto& romDialog = platform.dialogs()[0].request;
    EXPECT_EQ(romDialog.title, "Open ROM File");
    EXPECT_EQ(romDialog.filter, "SNES ROM | *.s*c; *.fig;");
    EXPECT_EQ(romDialog.initialFolder, startFolder);
    const auto& dataDialog = platform.dialogs()[1].request;
    EXPECT_EQ(dataDialog.title, "Open Text Block Data File");
    EXPECT_EQ(dataDialog.filter, "Font Format File | *.txt");
    EXPECT_EQ(dataDialog.fileName, "");
    EXPECT_EQ(dataDialog.initialFolder, startFolder);

    EXPECT_TRUE(state.romLoaded);
    EXPECT_EQ(state.romImage.size(), 0x100000u);
    EXPECT_TRUE(view.loadDataFileEnabled);
    EXPECT_EQ(view.caption, "Script Editor: Varkel Osti - [ blocks.txt ]");
    EXPECT_EQ(state.format.lineWidth, 144);

    ASSERT_EQ(view.blocks.count(), 2);
    EXPECT_EQ(view.blocks.entry(0), "Block 1A8000");
    EXPECT_EQ(view.blocks.entry(1), "Block 1B8000");
    EXPECT_EQ(view.blocks.hint(), "2 item(s)");
    EXPECT_EQ(view.blocks.selected(), 0);
    ASSERT_EQ(view.strings.count(), 4);
    EXPECT_EQ(view.strings.entry(0), "String# 0    ");
    EXPECT_EQ(view.strings.hint(), "4 item(s)");
    EXPECT_EQ(view.strings.selected(), 0);

    EXPECT_EQ(view.status[0], "Offset: 1A9C34 | PTR: 9C34 -> 1A8000");
    EXPECT_EQ(hexBytes(), (std::vector<uint8_t>{0x0A, 0x0B, 0x0C, 0xFF}));
    EXPECT_GT(view.video.presentCount(), 0);
    EXPECT_EQ(view.video.pixels().size(), 320u * 369u);

    // The block's script file was made from the template and loaded, and the
    // editor scrolled to string 0's marker.
    EXPECT_EQ(state.dumpsFolder, dir.str() + "/Dumps");
    EXPECT_EQ(state.scriptFilePath, dumps("001A8000.txt"));
    EXPECT_EQ(readFile(state.scriptFilePath), scriptTemplate(4));
    EXPECT_EQ(view.editor.lineCount(), 5 + 4 * 8);
    EXPECT_FALSE(view.editor.modified());
    EXPECT_EQ(state.foundLine, 5);
    EXPECT_EQ(view.editor.firstVisibleLine(), 5);
}

TEST_F(OpenRom, CancelledDialogChangesNothing)
{
    platform.queueCancel();
    commands.openRom();
    EXPECT_FALSE(state.romLoaded);
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_TRUE(state.romPath.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "Dumps"));
}

TEST_F(OpenRom, RefusedFilesLeaveNoRomLoaded)
{
    auto wrongCase = scrivel::testing_rom::editorRom().bytes();
    wrongCase[0x7FC0 + 1] = 'a';
    writeFile(dir / "case.sfc", wrongCase);
    auto shortRom = scrivel::testing_rom::editorRom().bytes();
    shortRom.resize(0x7FC0 + 12);
    writeFile(dir / "short.sfc", shortRom);

    for (const char* name : {"case.sfc", "short.sfc"}) {
        openRom();
        ASSERT_TRUE(state.romLoaded);
        platform.clearRecords();
        platform.queueChoice((dir / name).string());
        commands.openRom();
        EXPECT_EQ(platform.messages(),
                  std::vector<std::string>{"Error: This is not the ROM used.\nPlease load the correct ROM."})
            << name;
        EXPECT_FALSE(state.romLoaded);
        EXPECT_EQ(platform.dialogs().size(), 1u);  // no data file dialog

        // Selections do nothing now.
        std::string status = view.status[0];
        view.blocks.select(1);
        commands.selectBlock();
        EXPECT_EQ(view.strings.count(), 4) << name;
        view.strings.select(2);
        commands.selectString(true);
        EXPECT_EQ(view.status[0], status);
        EXPECT_EQ(hexBytes(), (std::vector<uint8_t>{0x0A, 0x0B, 0x0C, 0xFF}));
    }
}

TEST_F(OpenRom, FileThatCannotBeOpenedKeepsTheLoadedRom)
{
    openRom();
    std::filesystem::create_directory(dir / "folder.sfc");
    for (const char* name : {"missing.sfc", "folder.sfc"}) {
        platform.clearRecords();
        platform.queueChoice((dir / name).string());
        commands.openRom();
        EXPECT_EQ(platform.messages(), std::vector<std::string>{"Fatal Error: Could not open file!"}) << name;
        EXPECT_TRUE(state.romLoaded);
        EXPECT_EQ(state.romPath, (dir / name).string());
    }
}

TEST_F(OpenRom, SecondOpenWithTheDataDialogCancelledKeepsTheBlocks)
{
    openRom();
    selectBlock(1);
    platform.clearRecords();
    platform.queueChoice((dir / "rom.sfc").string());
    platform.queueCancel();
    commands.openRom();
    ASSERT_EQ(platform.dialogs().size(), 2u);
    // The open dialog still holds the data file's name from the last choice.
    EXPECT_EQ(platform.dialogs()[0].request.fileName, (dir / "blocks.txt").string());
    EXPECT_EQ(view.blocks.count(), 2);
    EXPECT_EQ(view.blocks.selected(), 0);
    EXPECT_EQ(state.currentBlock, 0);
    EXPECT_EQ(view.status[0], "Offset: 1A9C34 | PTR: 9C34 -> 1A8000");
}

TEST_F(OpenRom, WithoutAFormatLineTheFirstRenderStoresTheDefaults)
{
    writeFile(dir / "noformat.txt", std::string(".BLOCK 1A8000 1A0000 4\n"));
    openRom("rom.sfc", "noformat.txt");
    EXPECT_EQ(state.format.lineWidth, 144);
    EXPECT_EQ(state.format.cellHeight, 16);
    EXPECT_EQ(state.format.wideAdvance, 16);
}

using LoadDataFile = EditorFixture;

TEST_F(LoadDataFile, AnUnreadableFileChangesNothingAndOnly256BlocksAreKept)
{
    openRom();
    platform.clearRecords();
    platform.queueChoice((dir / "nothing.txt").string());
    commands.loadDataFile();
    EXPECT_EQ(platform.messages(), std::vector<std::string>{"Fatal Error: Could not open FONT file!"});
    EXPECT_EQ(view.blocks.count(), 2);
    EXPECT_EQ(view.caption, "Script Editor: Varkel Osti - [ blocks.txt ]");

    std::string many;
    for (int i = 0; i < 260; ++i) many += ".BLOCK 1A8000 1A0000 1\n";
    writeFile(dir / "many.txt", many);
    platform.clearRecords();
    platform.queueChoice((dir / "many.txt").string());
    commands.loadDataFile();
    EXPECT_EQ(platform.messages(), std::vector<std::string>{"Only the first 256 blocks were loaded."});
    EXPECT_EQ(view.blocks.count(), 256);
    EXPECT_EQ(view.blocks.hint(), "256 item(s)");
    EXPECT_EQ(view.caption, "Script Editor: Varkel Osti - [ many.txt ]");
}

TEST_F(LoadDataFile, SecondFileReplacesTheBlocksAndKeepsTheFormat)
{
    openRom();
    writeFile(dir / "second.txt", std::string(".BLOCK 1B8000 1B0000 2\n"));
    platform.queueChoice((dir / "second.txt").string());
    commands.loadDataFile();
    ASSERT_EQ(view.blocks.count(), 1);
    EXPECT_EQ(view.blocks.entry(0), "Block 1B8000");
    EXPECT_EQ(state.format.lineWidth, 144);
    EXPECT_EQ(view.status[0], "Offset: 1B9000 | PTR: 9000 -> 1B8000");

    writeFile(dir / "empty.txt", std::string("; nothing\n"));
    platform.queueChoice((dir / "empty.txt").string());
    commands.loadDataFile();
    EXPECT_EQ(view.blocks.count(), 0);
    EXPECT_EQ(view.blocks.hint(), "0 item(s)");
}

using Navigation = EditorFixture;

TEST_F(Navigation, StatusLineFollowsThePointerAndTheBankRule)
{
    openRom();
    selectString(3);
    EXPECT_EQ(view.status[0], "Offset: 1A9C40 | PTR: 9C40 -> 1A8006");
    EXPECT_EQ(hexBytes(), (std::vector<uint8_t>{0x03, 0x04, 0x05, 0xFF}));
    EXPECT_EQ(state.foundLine, 5 + 3 * 8);

    // Text bank 1B0000: the strings are read from bank 1D.
    selectBlock(1);
    EXPECT_EQ(view.strings.count(), 2);
    EXPECT_EQ(view.status[0], "Offset: 1B9000 | PTR: 9000 -> 1B8000");
    EXPECT_EQ(hexBytes(), (std::vector<uint8_t>{0x0D, 0x0E, 0xFF}));
    selectString(1);
    EXPECT_EQ(view.status[0], "Offset: 1B9003 | PTR: 9003 -> 1B8002");
    EXPECT_EQ(hexBytes(), (std::vector<uint8_t>{0xF0, 0x70, 0xFF}));
}

TEST_F(Navigation, SelectingTheSelectedBlockRunsItAllAgain)
{
    openRom();
    selectString(2);
    view.editor.type("x");
    selectBlock(0);
    EXPECT_EQ(view.strings.selected(), 0);
    EXPECT_EQ(view.status[0], "Offset: 1A9C34 | PTR: 9C34 -> 1A8000");
    EXPECT_EQ(platform.questions().size(), 1u);  // the unsaved text was offered for saving
    EXPECT_FALSE(view.editor.modified());
}

TEST_F(Navigation, BlockWithoutStringsDrawsNothing)
{
    writeFile(dir / "zero.txt", std::string(".FORMAT 18 16 16 1 16\n.BLOCK 1A8000 1A0000 4\n.BLOCK 1C8000 1C0000 0\n"));
    openRom("rom.sfc", "zero.txt");
    std::string status = view.status[0];
    int presents = view.video.presentCount();
    selectBlock(1);
    EXPECT_EQ(view.strings.count(), 0);
    EXPECT_EQ(view.strings.hint(), "0 item(s)");
    EXPECT_EQ(view.status[0], status);
    EXPECT_EQ(view.video.presentCount(), presents);
    EXPECT_EQ(readFile(dumps("001C8000.txt")), scriptTemplate(0));
}

}  // namespace
