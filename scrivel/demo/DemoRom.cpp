#include "DemoRom.h"

#include "GameText.h"

#include <cstdio>
#include <stdexcept>

namespace scrivel::demo {
namespace {

// Kanji of the stand-in font by two-byte index.
constexpr uint16_t Ai = 0x75, An = 0x91, Ichi = 0xBB, Ou = 0x131, Oto = 0x146, Ame = 0xD8;

// LoROM: the upper half of each bank, bank after bank.
size_t fileOffset(uint32_t address)
{
    return (address & 0xFFFF) - 0x8000 + ((address & 0x7F0000) >> 1);
}

DemoBlock openingScene()
{
    DemoBlock b{"Opening scene: text bank 1A. Pointers below A800 read from bank 1A,\n"
                "; pointers from A800 on from bank 1D (strings 3 and 4 sit on either side).",
                0x1A8000, 0x1A0000, {}, {}};
    b.strings.push_back({0x9000, GameText()
                                     .text("Welcome, traveller!")
                                     .lineBreak()
                                     .text("This is the demo")
                                     .lineBreak()
                                     .text("of the editor.")
                                     .keyPrompt()
                                     .text("Turn the page...")
                                     .end()});
    b.strings.push_back({0x9100, GameText()
                                     .text("Codes")
                                     .code(0xF7)
                                     .text("on")
                                     .code(0xF8)
                                     .code(0xF9)
                                     .lineBreak()
                                     .code(0xFA)
                                     .code(0xFB)
                                     .codeWith(0x03, 0x12)
                                     .text("end")
                                     .end()});
    b.strings.push_back({0x9200, GameText()
                                     .text("Kana: ")
                                     .kana({U'\uFF76', U'\uFF80', U'\uFF76', U'\uFF85'})
                                     .lineBreak()
                                     .text("Kanji: ")
                                     .wide(Ai)
                                     .wide(An)
                                     .wide(Ichi)
                                     .wide(Ou)
                                     .wide(Oto)
                                     .wide(Ame)
                                     .lineBreak()
                                     .text("0123456789")
                                     .lineBreak()
                                     .text("#$%*<=>@[](&)/~")
                                     .end()});
    b.strings.push_back({0xA7F0, GameText().text("Bank 1A").end()});
    b.strings.push_back({0xA800, GameText().text("Pointer A800:").lineBreak().text("read from bank 1D").end()});
    b.decoys.push_back({0x1AA800, GameText().text("Wrong bank 1A!").end()});

    GameText tale;
    for (int line = 1; line <= 30; ++line) {
        char text[32];
        std::snprintf(text, sizeof text, "Line %02d of 30", line);
        tale.text(text);
        if (line < 30) tale.lineBreak();
    }
    b.strings.push_back({0x9300, tale.end()});
    b.strings.push_back({0x9500, GameText()
                                     .text("A single sentence much too long for one line of the "
                                           "window wraps by itself, line after line.")
                                     .end()});
    b.strings.push_back({0x9600, GameText().end()});
    b.strings.push_back({0x9700, GameText()
                                     .text("iiii llll !!!!")
                                     .lineBreak()
                                     .text("WWWW MMMM mmmm")
                                     .lineBreak()
                                     .text("fixed or VWF?")
                                     .end()});
    return b;
}

DemoBlock town()
{
    DemoBlock b{"Town: text bank 1D.", 0x1D8000, 0x1D0000, {}, {}};
    b.strings.push_back({0xC000, GameText()
                                     .text("Innkeeper:")
                                     .lineBreak()
                                     .text("A room is 50 gold.")
                                     .keyPrompt()
                                     .text("Will you stay?")
                                     .lineBreak()
                                     .code(0xF7)
                                     .text("Yes ")
                                     .code(0xF7)
                                     .text("No")
                                     .end()});
    b.strings.push_back({0xC100, GameText()
                                     .text("You got ")
                                     .codeWith(0x01, 0x05)
                                     .text("!")
                                     .lineBreak()
                                     .text("Items: ")
                                     .codeWith(0x02, 0x00)
                                     .end()});
    b.strings.push_back({0xC200, GameText()
                                     .text("Wide:")
                                     .wide(0x070)
                                     .wide(0x100)
                                     .wide(0x200)
                                     .wide(0x321)
                                     .wide(0x4F1)
                                     .lineBreak()
                                     .text("Past the font:")
                                     .wide(0x500)
                                     .wide(0x610)
                                     .text(".")
                                     .end()});
    b.strings.push_back({0xC300, GameText()
                                     .text("Pause")
                                     .code(0xF8)
                                     .text("wait")
                                     .code(0xF9)
                                     .lineBreak()
                                     .text("shake")
                                     .code(0xFA)
                                     .text("fade")
                                     .code(0xFB)
                                     .end()});
    return b;
}

DemoBlock otherBank()
{
    DemoBlock b{"Another text bank (1B): every string is read from bank 1D.", 0x1B8000, 0x1B0000, {}, {}};
    b.strings.push_back({0x9800, GameText().text("Text bank 1B:").lineBreak().text("read from 1D.").end()});
    b.decoys.push_back({0x1B9800, GameText().text("Wrong bank 1B!").end()});
    b.strings.push_back({0xB800, GameText().text("Also from 1D.").end()});
    return b;
}

void place(std::vector<uint8_t>& rom, std::vector<bool>& used, uint32_t address, const std::vector<uint8_t>& bytes)
{
    if ((address & 0xFFFF) < 0x8000 || (address & 0xFFFF) + bytes.size() > 0x10000)
        throw std::logic_error("data leaves the upper half of its bank");
    const size_t at = fileOffset(address);
    if (at + bytes.size() > rom.size()) throw std::logic_error("data past the image");
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (used[at + i]) throw std::logic_error("overlapping data in the demo ROM");
        used[at + i] = true;
        rom[at + i] = bytes[i];
    }
}

}  // namespace

std::vector<DemoBlock> demoBlocks()
{
    return {openingScene(), town(), otherBank()};
}

uint32_t stringAddress(const DemoBlock& block, uint16_t pointer)
{
    const uint32_t bank = block.textBank == 0x1A0000 && pointer < 0xA800 ? 0x1A0000 : 0x1D0000;
    return bank | pointer;
}

std::vector<uint8_t> buildDemoRom(const std::vector<DemoBlock>& blocks)
{
    std::vector<uint8_t> rom(DemoRomSize, 0);
    std::vector<bool> used(DemoRomSize, false);

    // Internal header: title padded to 21 bytes, LoROM, 1 MiB, no RAM.
    std::vector<uint8_t> header(32, 0);
    const std::string title = "VARKEL -OSTI-        ";
    std::copy(title.begin(), title.end(), header.begin());
    header[0x15] = 0x20;  // LoROM
    header[0x17] = 0x0A;  // 1 MiB
    header[0x1C] = 0xFF;  // checksum complement and checksum, filled in below
    header[0x1D] = 0xFF;
    place(rom, used, 0x00FFC0, header);
    // Reset vector to 8000, where the program waits forever.
    place(rom, used, 0x00FFFC, {0x00, 0x80});
    place(rom, used, 0x008000, {0x80, 0xFE});  // BRA to itself

    for (const DemoBlock& block : blocks) {
        std::vector<uint8_t> table;
        for (const DemoString& s : block.strings) {
            table.push_back(static_cast<uint8_t>(s.pointer & 0xFF));
            table.push_back(static_cast<uint8_t>(s.pointer >> 8));
        }
        place(rom, used, block.tableAddress, table);
        for (const DemoString& s : block.strings) place(rom, used, stringAddress(block, s.pointer), s.bytes);
        for (const DemoDecoy& d : block.decoys) place(rom, used, d.address, d.bytes);
    }

    unsigned sum = 0;
    for (uint8_t v : rom) sum += v;
    const auto checksum = static_cast<uint16_t>(sum);
    const auto complement = static_cast<uint16_t>(~checksum);
    rom[0x7FDC] = complement & 0xFF;
    rom[0x7FDD] = complement >> 8;
    rom[0x7FDE] = checksum & 0xFF;
    rom[0x7FDF] = checksum >> 8;
    return rom;
}

std::string demoBlocksFile(const std::vector<DemoBlock>& blocks)
{
    std::string out =
        "; Text block data file of the demo ROM (demo.sfc).\n"
        ";\n"
        "; .FORMAT: window width in 8-pixel tiles, glyph cell height and width,\n"
        "; one number the editor keeps but does not use, the advance after a\n"
        "; two-byte glyph, and four further numbers it keeps but does not use.\n"
        ".FORMAT 18 16 16 1 16 0 1 2 3\n"
        ";\n"
        "; .TABLE: the table file that reads the game's bytes as text, beside\n"
        "; this file; new script files then show each string's original text.\n"
        ".TABLE demo.tbl\n"
        ";\n"
        "; .BLOCK: pointer table address, text bank, number of strings, all in\n"
        "; hexadecimal.\n";
    for (const DemoBlock& block : blocks) {
        char line[80];
        std::snprintf(line, sizeof line, ".BLOCK %X %X %X\n", static_cast<unsigned>(block.tableAddress),
                      static_cast<unsigned>(block.textBank), static_cast<unsigned>(block.strings.size()));
        out += ";\n; " + block.comment + "\n" + line;
    }
    return out;
}

}  // namespace scrivel::demo
