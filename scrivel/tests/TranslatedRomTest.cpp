// Building the translated ROM from the script files, and writing it with its
// patches: small ROMs made in memory, script files in a temporary folder.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "EditorFixture.h"
#include "RomFixture.h"
#include "editor/TranslatedRom.h"
#include "rom/BpsPatch.h"
#include "rom/IpsPatch.h"
#include "rom/Pointers.h"
#include "rom/StringExtent.h"
#include "testing/TempDir.h"

using namespace scrivel;
using editor::ReportLine;
using editor::TranslatedRom;
using testing_rom::RomBuilder;
using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

namespace {

using Bytes = std::vector<uint8_t>;

// Block 0: table 1A8000, text bank 1A0000, three 4-byte strings from 1A9000.
// Block 1: table 1D8000, text bank 1D0000, two 4-byte strings from 1D9000.
RomBuilder twoBlockRom()
{
    RomBuilder rom;
    rom.block(0x1A8000, 0x1A0000, 0x9000, {{1, 2, 3, 0xFF}, {4, 5, 6, 0xFF}, {7, 8, 9, 0xFF}});
    rom.block(0x1D8000, 0x1D0000, 0x9000, {{0x11, 0x12, 0x13, 0xFF}, {0x14, 0x15, 0x16, 0xFF}});
    return rom;
}
const std::string TwoBlocks = ".BLOCK 1A8000 1A0000 3\n.BLOCK 1D8000 1D0000 2\n";

std::string section(int n, const std::string& text) { return ".STRING " + std::to_string(n) + "\r\n" + text + "\r\n.ENDS\r\n"; }

class Insertion : public ::testing::Test {
protected:
    Insertion() { std::filesystem::create_directory(dir / "Dumps"); }

    void script(uint32_t block, const std::string& text)
    {
        char name[16];
        std::snprintf(name, sizeof name, "%08X.txt", static_cast<unsigned>(block));
        writeFile(dir / "Dumps" / name, text);
    }
    TranslatedRom build(const Bytes& file, const std::string& dataFile, size_t header = 0)
    {
        rom::FontFormat format;
        return editor::buildTranslatedRom(file, header, rom::parseDataFile(dataFile, format), (dir / "Dumps").string());
    }
    std::string scriptPath(const char* name) const { return (dir / "Dumps" / name).string(); }

    TempDir dir;
};

// The string the game reads for entry n of a table, and the pointer to it.
Bytes gameString(const TranslatedRom& r, uint32_t table, uint32_t textBank, int n, uint16_t* pointer = nullptr,
                 size_t header = 0)
{
    const std::span<const uint8_t> image = std::span<const uint8_t>(r.romFile).subspan(header);
    const uint16_t p = rom::readPointer(image, table, n);
    if (pointer) *pointer = p;
    const size_t at = static_cast<size_t>(rom::snesToFileOffset(rom::stringAddress(textBank, p)));
    const rom::StringExtent extent = rom::stringExtent(image.data(), image.size(), at);
    return Bytes(image.begin() + static_cast<long>(at), image.begin() + static_cast<long>(at + extent.length));
}

Bytes ascii(const std::string& text)
{
    Bytes bytes(text.begin(), text.end());
    bytes.push_back(0xFF);
    return bytes;
}

std::string allText(const TranslatedRom& r) { return editor::reportText(r.report); }

// Both patches, applied by the project's own appliers, turn the input file
// into the output file.
void expectPatchesRoundTrip(const Bytes& input, const TranslatedRom& r)
{
    ASSERT_TRUE(r.ok()) << allText(r);
    const rom::PatchResult ips = rom::applyIpsPatch(input, r.ipsPatch);
    ASSERT_TRUE(ips.ok()) << ips.error;
    EXPECT_EQ(ips.bytes, r.romFile);
    const rom::PatchResult bps = rom::applyBpsPatch(input, r.bpsPatch);
    ASSERT_TRUE(bps.ok()) << bps.error;
    EXPECT_EQ(bps.bytes, r.romFile);
}

TEST_F(Insertion, StringsGoWhereTheBankRuleFindsThemAndIdenticalOnesShareBytes)
{
    const Bytes input = twoBlockRom().bytes();
    script(0x1A8000, section(0, "Hello") + section(1, "Hi") + section(2, "Hullo there"));
    script(0x1D8000, section(0, "Town") + section(1, "Town"));
    // Block 0's own 12 freed bytes take only its longest string; the rest
    // must go to 1DA800 and up, the part of bank 1D that 1A0000 blocks reach.
    const TranslatedRom r = build(input, TwoBlocks + ".FREE 1DB000 1DB0FF\n");
    expectPatchesRoundTrip(input, r);

    bool inBank1A = false, inBank1D = false;
    const char* texts[] = {"Hello", "Hi", "Hullo there"};
    for (int n = 0; n < 3; ++n) {
        uint16_t pointer = 0;
        EXPECT_EQ(gameString(r, 0x1A8000, 0x1A0000, n, &pointer), ascii(texts[n])) << n;
        ASSERT_GE(pointer, 0x8000);
        (pointer < 0xA800 ? inBank1A : inBank1D) = true;
    }
    EXPECT_TRUE(inBank1A && inBank1D);

    uint16_t first = 0, second = 0;
    EXPECT_EQ(gameString(r, 0x1D8000, 0x1D0000, 0, &first), ascii("Town"));
    EXPECT_EQ(gameString(r, 0x1D8000, 0x1D0000, 1, &second), ascii("Town"));
    EXPECT_GE(first, 0x8000);
    EXPECT_EQ(first, second);

    const std::string report = allText(r);
    EXPECT_NE(report.find("Block 1A8000: 3 of 3 strings translated, 21 bytes\n"), std::string::npos) << report;
    EXPECT_NE(report.find("Block 1D8000: 2 of 2 strings translated, 10 bytes\n"), std::string::npos) << report;
    EXPECT_NE(report.find("31 bytes (26 written"), std::string::npos) << report;
    EXPECT_NE(report.find("Bank 1A: "), std::string::npos);
    EXPECT_NE(report.find("Bank 1D: "), std::string::npos);
}

// The bytes inserted are the preview's: a Latin-1 file's "é" and a UTF-8
// file's "é" are both E9, a character Latin-1 cannot hold is "?", and a
// Latin-1 file whose bytes only look like UTF-8 ("Ã©") keeps both.
TEST_F(Insertion, TheScriptsCharactersCompileAsThePreviewCompilesThem)
{
    const Bytes input = twoBlockRom().bytes();
    script(0x1A8000, section(0, "caf\xE9") + section(1, "\xC3\xA9!") + "\xFF");  // not UTF-8: Latin-1
    script(0x1D8000, section(0, "caf\xC3\xA9") + section(1, "\xE6\xBC\xA2!"));  // UTF-8
    const TranslatedRom r = build(input, TwoBlocks + ".FREE 1DB000 1DB0FF\n");
    expectPatchesRoundTrip(input, r);
    EXPECT_EQ(gameString(r, 0x1A8000, 0x1A0000, 0), (Bytes{'c', 'a', 'f', 0xE9, 0xFF}));
    EXPECT_EQ(gameString(r, 0x1A8000, 0x1A0000, 1), (Bytes{0xC3, 0xA9, '!', 0xFF}));
    EXPECT_EQ(gameString(r, 0x1D8000, 0x1D0000, 0), (Bytes{'c', 'a', 'f', 0xE9, 0xFF}));
    EXPECT_EQ(gameString(r, 0x1D8000, 0x1D0000, 1), ascii("?!"));
}

// String 1 points into the middle of string 0. Only string 0 is translated:
// its bytes before string 1 are free, string 1's stay as they are.
TEST_F(Insertion, BytesOfAStringThatKeepsItsOriginalAreNeverReused)
{
    RomBuilder builder;
    builder.put(0x1A8000, {0x00, 0x90, 0x04, 0x90});
    builder.put(0x1A9000, {1, 2, 3, 4, 5, 6, 7, 0xFF});
    const Bytes input = builder.bytes();
    const std::string data = ".BLOCK 1A8000 1A0000 2\n";

    struct Case {
        const char* translation;
        bool fits;  // four bytes are free
    };
    for (const Case c : {Case{"ABC", true}, Case{"ABCD", false}}) {
        script(0x1A8000, section(0, c.translation));
        const TranslatedRom r = build(input, data);
        ASSERT_EQ(r.ok(), c.fits) << allText(r);
        if (!c.fits) {
            EXPECT_TRUE(r.romFile.empty());
            const std::string report = allText(r);
            EXPECT_NE(report.find("Bank 1A: 5 bytes needed, 4 free."), std::string::npos) << report;
            EXPECT_NE(report.find("Not placed: block 1A8000 string 0 (5 bytes)"), std::string::npos) << report;
            continue;
        }
        expectPatchesRoundTrip(input, r);
        EXPECT_EQ(gameString(r, 0x1A8000, 0x1A0000, 0), ascii(c.translation));
        uint16_t pointer = 0;
        EXPECT_EQ(gameString(r, 0x1A8000, 0x1A0000, 1, &pointer), (Bytes{5, 6, 7, 0xFF}));
        EXPECT_EQ(pointer, 0x9004);
    }
}

TEST_F(Insertion, FreeLinesAddSpaceAndABadOneIsAnErrorNamingItsLine)
{
    const Bytes input = twoBlockRom().bytes();
    script(0x1D8000, section(0, "A longer town name"));
    const TranslatedRom r = build(input, TwoBlocks + ".FREE 1DC000 1DC0FF\n");
    expectPatchesRoundTrip(input, r);
    uint16_t pointer = 0;
    EXPECT_EQ(gameString(r, 0x1D8000, 0x1D0000, 0, &pointer), ascii("A longer town name"));
    EXPECT_EQ(pointer, 0xC000);

    struct Case {
        const char* line;
        const char* why;
    };
    for (const Case c : {
             Case{".FREE 1DC0FF 1DC000", "the end comes before the start"},
             Case{".FREE 1D7000 1D80FF", "upper half (8000-FFFF) of one bank"},
             Case{".FREE 1DFF00 1E80FF", "upper half (8000-FFFF) of one bank"},
             Case{".free 3F8000 3F80FF", "outside the ROM image (1048576 bytes)"},
             Case{".FREE 1DC000", "needs a start and an end"},
             Case{".FREE 1DC000 1DC0FF 1DC1FF", "needs a start and an end"},
             Case{".FREE 1DC00G 1DC0FF", "needs a start and an end"},
             Case{".FREE 1000000 1000010", "needs a start and an end"},
         }) {
        const TranslatedRom bad = build(input, TwoBlocks + "; free space\n" + c.line + "\n");
        ASSERT_FALSE(bad.ok()) << c.line;
        EXPECT_TRUE(bad.romFile.empty());
        const std::string text = allText(bad);
        EXPECT_EQ(text.rfind("Error: data file line 4: ", 0), 0u) << text;
        EXPECT_NE(text.find(c.why), std::string::npos) << text;
    }
}

TEST_F(Insertion, ASectionWithoutEndsIsAnErrorNamingFileAndString)
{
    script(0x1A8000, section(0, "Hi") + ".STRING 2\r\nstill open\r\n");
    const TranslatedRom r = build(twoBlockRom().bytes(), TwoBlocks);
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.romFile.empty());
    EXPECT_EQ(allText(r), "Error: " + scriptPath("001A8000.txt") + ": the section .STRING 2 has no closing .ENDS line.\n");
}

TEST_F(Insertion, NoTranslatedStringLeavesTheFileAsItWas)
{
    const Bytes input = twoBlockRom().bytes();
    script(0x1A8000, section(0, "") + section(1, "  \t") + section(2, "\r\n"));  // block 1 has no script file
    const TranslatedRom r = build(input, TwoBlocks + ".FREE 1DC000 1DC0FF\n");
    expectPatchesRoundTrip(input, r);
    EXPECT_EQ(r.romFile, input);
    EXPECT_EQ(r.ipsPatch, (Bytes{'P', 'A', 'T', 'C', 'H', 'E', 'O', 'F'}));
    EXPECT_NE(allText(r).find("Block 1A8000: 0 of 3 strings translated, 0 bytes\n"
                              "Block 1D8000: 0 of 2 strings translated (no script file)\n"),
              std::string::npos)
        << allText(r);
}

TEST_F(Insertion, ACopierHeaderIsKeptAndThePatchesFitTheHeaderedFile)
{
    Bytes input(512);
    for (size_t i = 0; i < input.size(); ++i) input[i] = static_cast<uint8_t>(i * 7);
    const Bytes image = twoBlockRom().bytes();
    input.insert(input.end(), image.begin(), image.end());
    script(0x1A8000, section(1, "Hey"));
    const TranslatedRom r = build(input, TwoBlocks, 512);
    expectPatchesRoundTrip(input, r);
    ASSERT_EQ(r.romFile.size(), input.size());
    EXPECT_TRUE(std::equal(input.begin(), input.begin() + 512, r.romFile.begin()));
    EXPECT_EQ(gameString(r, 0x1A8000, 0x1A0000, 1, nullptr, 512), ascii("Hey"));
    EXPECT_EQ(gameString(r, 0x1A8000, 0x1A0000, 0, nullptr, 512), (Bytes{1, 2, 3, 0xFF}));
}

TEST_F(Insertion, ASectionMayCompileToAtMostThePreviewsSize)
{
    const std::string line(255, 'A');
    struct Case {
        int lines;
        size_t bytes;  // each line's 255 bytes and its 254, the last one's FF
    };
    for (const Case c : {Case{16, 4096}, Case{17, 4352}}) {
        std::string text = line;
        for (int i = 1; i < c.lines; ++i) text += "\r\n" + line;
        script(0x1D8000, section(0, text));
        const TranslatedRom r = build(twoBlockRom().bytes(), TwoBlocks + ".FREE 1DC000 1DDFFF\n");
        if (c.bytes <= 4096) {
            ASSERT_TRUE(r.ok()) << allText(r);
            EXPECT_EQ(gameString(r, 0x1D8000, 0x1D0000, 0).size(), c.bytes);
        } else {
            EXPECT_EQ(allText(r), "Error: " + scriptPath("001D8000.txt") +
                                      ": the section .STRING 0 compiles to 4352 bytes, more than the 4096 bytes a "
                                      "string may take.\n");
        }
    }
}

TEST_F(Insertion, ALastCodeThatTakesTheEndByteIsInsertedWithAWarning)
{
    struct Case {
        const char* text;
        Bytes compiled;
        const char* code;  // nullptr: no warning
    };
    const Case cases[] = {
        {"AB[KEY]", {0x41, 0x42, 0xF6, 0xFF}, "F6"},
        {"AB[NAME]", {0x41, 0x42, 0xF4, 0xFF}, "F4"},
        {"[CLRSCR]", {0xF5, 0xFF}, "F5"},
        {"AB[$FC03]", {0x41, 0x42, 0xFC, 0x03, 0xFF}, "FC"},
        {"AB[KEY]C", {0x41, 0x42, 0xF6, 0x43, 0xFF}, nullptr},
        {"AB[$FC0312]", {0x41, 0x42, 0xFC, 0x03, 0x12, 0xFF}, nullptr},
    };
    for (const Case& c : cases) {
        script(0x1A8000, section(2, c.text));
        const TranslatedRom r = build(twoBlockRom().bytes(), TwoBlocks + ".FREE 1DC000 1DC0FF\n");
        ASSERT_TRUE(r.ok()) << allText(r);
        // Inserted as compiled, whatever the game then reads past it.
        const uint16_t pointer = rom::readPointer(r.romFile, 0x1A8000, 2);
        const size_t at = static_cast<size_t>(rom::snesToFileOffset(rom::stringAddress(0x1A0000, pointer)));
        EXPECT_EQ(Bytes(r.romFile.begin() + long(at), r.romFile.begin() + long(at + c.compiled.size())), c.compiled)
            << c.text;
        const std::string warning = "Warning: block 1A8000 string 2 ends in code ";
        const std::string text = allText(r);
        if (!c.code) {
            EXPECT_EQ(r.worst, editor::Severity::Info) << c.text;
            EXPECT_EQ(text.find(warning), std::string::npos) << c.text;
            continue;
        }
        EXPECT_EQ(r.worst, editor::Severity::Warning) << c.text;
        EXPECT_NE(text.find(warning + c.code + ", which takes the end byte as its operand: the game reads on past it.\n"),
                  std::string::npos)
            << text;
    }
}

// Paths that name the same file however they are spelled.
TEST(TranslatedRomOutputs, TheSameFileIsRecognisedByAnySpelling)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "sub");
    writeFile(dir / "rom.sfc", std::string("rom"));
    writeFile(dir / "other.sfc", std::string("other"));
    std::filesystem::create_symlink(dir / "rom.sfc", dir / "link.sfc");
    std::filesystem::create_hard_link(dir / "rom.sfc", dir / "hard.sfc");
    const std::string rom = (dir / "rom.sfc").string();
    struct Case {
        std::string path;
        bool same;
    };
    for (const Case& c : {Case{rom, true}, Case{(dir / "link.sfc").string(), true},
                          Case{(dir / "sub" / ".." / "rom.sfc").string(), true},
                          Case{dir.str() + "//./rom.sfc", true}, Case{(dir / "hard.sfc").string(), true},
                          Case{(dir / "other.sfc").string(), false}, Case{(dir / "new.sfc").string(), false}})
        EXPECT_EQ(editor::namesSameFile(c.path, rom), c.same) << c.path;
    // Neither exists yet: compared by what the spelling resolves to.
    EXPECT_TRUE(editor::namesSameFile((dir / "sub" / ".." / "x.ips").string(), (dir / "x.ips").string()));
    EXPECT_FALSE(editor::namesSameFile((dir / "x.ips").string(), (dir / "x.bps").string()));

    EXPECT_EQ(editor::patchPathBeside("/a/out.sfc", ".ips"), "/a/out.ips");
    EXPECT_EQ(editor::patchPathBeside("/a.b/out", ".bps"), "/a.b/out.bps");
    EXPECT_EQ(editor::patchPathBeside("/a/.rom", ".ips"), "/a/.rom.ips");
}

class Writing : public Insertion {
protected:
    Writing()
    {
        input = twoBlockRom().bytes();
        writeFile(dir / "rom.sfc", input);
        script(0x1A8000, section(0, "Hey"));
        built = build(input, TwoBlocks);
    }
    std::string at(const std::string& name) const { return (dir / name).string(); }
    Bytes input;
    TranslatedRom built;
};

TEST_F(Writing, WritesTheRomAndBothPatches)
{
    ASSERT_TRUE(built.ok()) << allText(built);
    const auto lines = editor::writeTranslatedRom(built, {at("out.sfc"), at("out.ips"), at("out.bps")}, {at("rom.sfc")});
    EXPECT_EQ(editor::reportText(lines), "Wrote " + at("out.sfc") + " (1048576 bytes)\nWrote " + at("out.ips") + " (" +
                                             std::to_string(built.ipsPatch.size()) + " bytes)\nWrote " + at("out.bps") +
                                             " (" + std::to_string(built.bpsPatch.size()) + " bytes)\n");
    EXPECT_EQ(readFile(dir / "out.sfc"), std::string(built.romFile.begin(), built.romFile.end()));
    EXPECT_EQ(readFile(dir / "out.ips"), std::string(built.ipsPatch.begin(), built.ipsPatch.end()));
    EXPECT_EQ(readFile(dir / "out.bps"), std::string(built.bpsPatch.begin(), built.bpsPatch.end()));
    EXPECT_EQ(readFile(dir / "rom.sfc"), std::string(input.begin(), input.end()));
}

TEST_F(Writing, AnOutputThatNamesTheInputWritesNothing)
{
    std::filesystem::create_directory(dir / "sub");
    std::filesystem::create_symlink(dir / "rom.sfc", dir / "link.sfc");
    const editor::OutputPaths cases[] = {
        {at("rom.sfc"), at("out.ips"), at("out.bps")},
        {at("out.sfc"), at("sub/../rom.sfc"), at("out.bps")},
        {at("out.sfc"), at("out.ips"), at("link.sfc")},
        {at("out.sfc"), at("out.sfc"), at("out.bps")},
        {at("out.sfc"), at("out.ips"), at("sub/../out.ips")},
    };
    for (const editor::OutputPaths& paths : cases) {
        const auto lines = editor::writeTranslatedRom(built, paths, {at("rom.sfc")});
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].severity, editor::Severity::Error);
        EXPECT_NE(lines[0].text.find("nothing was written"), std::string::npos) << lines[0].text;
        EXPECT_FALSE(std::filesystem::exists(dir / "out.sfc"));
        EXPECT_FALSE(std::filesystem::exists(dir / "out.ips"));
        EXPECT_FALSE(std::filesystem::exists(dir / "out.bps"));
        EXPECT_EQ(readFile(dir / "rom.sfc"), std::string(input.begin(), input.end()));
    }
}

// The third write fails: the first two are undone, an earlier file gets its
// contents back and a new one is removed.
TEST_F(Writing, AFailedWriteUndoesTheOnesBeforeIt)
{
    writeFile(dir / "out.sfc", std::string("an earlier build"));
    const auto lines =
        editor::writeTranslatedRom(built, {at("out.sfc"), at("out.ips"), at("no/such/folder/out.bps")}, {at("rom.sfc")});
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].text.rfind("Error: Could not write " + at("no/such/folder/out.bps") + ": ", 0), 0u);
    EXPECT_EQ(lines.back().text, "Nothing was written.");
    EXPECT_EQ(readFile(dir / "out.sfc"), "an earlier build");
    EXPECT_FALSE(std::filesystem::exists(dir / "out.ips"));

    TranslatedRom failed = build(input, TwoBlocks + ".FREE 1DC000\n");
    EXPECT_EQ(editor::writeTranslatedRom(failed, {at("new.sfc"), at("new.ips"), at("new.bps")}, {})[0].severity,
              editor::Severity::Error);
    EXPECT_FALSE(std::filesystem::exists(dir / "new.sfc"));
}

}  // namespace

namespace {

using BuildCommand = testing_rom::EditorFixture;

// The session builds from the file it opened: a ROM file changed on disk
// since then would give patches for other bytes than the user saw, and a
// save that fails leaves the unsaved text out of the build.
TEST_F(BuildCommand, RefusesWhenTheRomChangedOrTheUnsavedTextCouldNotBeSaved)
{
    openRom();
    writeFile(dir / "Dumps" / "001A8000.txt", std::string(".STRING 1\r\nHi\r\n.ENDS\r\n"));
    Bytes changed = testing_rom::editorRom().bytes();
    changed[0x100] ^= 1;
    writeFile(dir / "rom.sfc", changed);
    platform.clearRecords();
    platform.queueChoice((dir / "out.sfc").string());
    commands.buildTranslatedRom();
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].rfind("Error: The ROM file has changed since it was opened", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(dir / "out.sfc"));

    writeFile(dir / "rom.sfc", testing_rom::editorRom().bytes());
    view.editor.setCaret(0, 0);
    view.editor.type("edited ");
    std::filesystem::remove_all(dir / "Dumps");  // the save fails
    platform.clearRecords();
    platform.queueAnswer(platform::Answer::Yes);
    platform.queueChoice((dir / "out.sfc").string());
    commands.buildTranslatedRom();
    EXPECT_EQ(platform.questions().size(), 1u);
    EXPECT_TRUE(platform.dialogs().empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "out.sfc"));
    EXPECT_EQ(view.report, "");
}

}  // namespace
