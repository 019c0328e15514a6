#include "EditorFixture.h"

namespace scrivel::testing_rom {

RomBuilder editorRom()
{
    RomBuilder rom;
    rom.block(0x1A8000, 0x1A0000, 0x9C34,
              {{0x0A, 0x0B, 0x0C, 0xFF}, {0x01, 0xFD, 0x02, 0xFF}, {0xF8, 0x00, 0x01, 0xFF}, {0x03, 0x04, 0x05, 0xFF}});
    rom.block(0x1B8000, 0x1D0000, 0x9000, {{0x0D, 0x0E, 0xFF}, {0xF0, 0x70, 0xFF}});
    return rom;
}

const char* const EditorDataFile =
    "; test blocks\r\n"
    ".FORMAT 18 16 16 1 16 0 1 2 3\r\n"
    ".BLOCK 1A8000 1A0000 4\r\n"
    ".BLOCK 1B8000 1B0000 2\r\n";

EditorFixture::EditorFixture()
{
    dir.enter();
    testing_support::writeFile(dir / "rom.sfc", editorRom().bytes());
    testing_support::writeFile(dir / "blocks.txt", std::string(EditorDataFile));
    view.editor.setChangeHandler([this] { commands.textEditorChanged(); });
    commands.initialise();
}

void EditorFixture::openRom(const std::string& rom, const std::string& data)
{
    platform.queueChoice((dir / rom).string());
    platform.queueChoice((dir / data).string());
    commands.openRom();
}

void EditorFixture::selectBlock(int i)
{
    view.blocks.select(i);
    commands.selectBlock();
}

void EditorFixture::selectString(int n)
{
    view.strings.select(n);
    commands.selectString(true);
}

std::string EditorFixture::dumps(const std::string& name) const { return (dir / "Dumps" / name).string(); }

std::vector<uint8_t> EditorFixture::hexBytes() const
{
    return std::vector<uint8_t>(hex.bytes.begin(), hex.bytes.begin() + hex.count);
}

}  // namespace scrivel::testing_rom
