// The original text in script files: the template with the originals, the
// session's table, the script files of every block at once, the token under
// the hex window's cursor, and script text as characters (UTF-8 inside,
// UTF-8 or Latin-1 on disk).

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>

#include "EditorFixture.h"
#include "editor/HexToken.h"
#include "editor/NewScriptFiles.h"
#include "script/PreviewCompiler.h"
#include "script/ScriptFile.h"
#include "script/TextFiles.h"

using namespace scrivel::script;
using namespace scrivel::editor;
using scrivel::testing_rom::EditorFixture;
using testing_support::readFile;
using testing_support::writeFile;

namespace {

const std::string Header = "// Do not erase these: \r\n// .STRING #\r\n// .ENDS\r\n\r\n\r\n";
const std::string Kanji = "\xE6\xBC\xA2";  // U+6F22

TEST(ScriptTemplate, CarriesEachStringsOriginalAsCommentsAfterItsEnds)
{
    struct Case {
        const char* what;
        std::vector<std::string> original;
        std::string section;
    };
    const std::vector<Case> cases = {
        {"only FF: no comment line", {}, ".STRING 0\r\n\r\n\r\n\r\n.ENDS\r\n\r\n\r\n\r\n"},
        {"one line", {"Hello"}, ".STRING 0\r\n\r\n\r\n\r\n.ENDS\r\n// Hello\r\n\r\n\r\n\r\n"},
        {"ends with a line end", {"Hello", ""}, ".STRING 0\r\n\r\n\r\n\r\n.ENDS\r\n// Hello\r\n// \r\n\r\n\r\n\r\n"},
        {"several lines, UTF-8",
         {"[$F012]", Kanji + "!", "[KEY]"},
         ".STRING 0\r\n\r\n\r\n\r\n.ENDS\r\n// [$F012]\r\n// " + Kanji + "!\r\n// [KEY]\r\n\r\n\r\n\r\n"},
        {"a carriage return inside a line", {"a\rb"}, ".STRING 0\r\n\r\n\r\n\r\n.ENDS\r\n// a\r\n// b\r\n\r\n\r\n\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(scriptTemplateWithOriginals({c.original}), Header + c.section) << c.what;

    // Strings without text give the template without a table, byte for byte.
    EXPECT_EQ(scriptTemplateWithOriginals(std::vector<std::vector<std::string>>(3)), scriptTemplate(3));
    EXPECT_EQ(scriptTemplateWithOriginals({}), scriptTemplate(0));
    // The comments sit outside the sections: the compiler sees the template's text.
    const std::vector<std::string> lines = splitTextLines(scriptTemplateWithOriginals({{"Hello", "World"}, {"X"}}));
    std::array<uint8_t, PreviewSize> bytes{};
    EXPECT_EQ(compileSection(lines, 5, bytes), 3u);
    EXPECT_EQ(lines[15], ".STRING 1");
}

TEST(PreviewCompiler, CompilesCharactersNotBytes)
{
    struct Case {
        std::string line;
        std::vector<uint8_t> bytes;
    };
    const std::string e = "\xC3\xA9";  // U+00E9 in UTF-8
    const std::vector<Case> cases = {
        {Kanji, {'?'}},
        {"A" + Kanji + "[KEY]" + Kanji, {'A', '?', 0xF6, '?'}},
        {e + "t" + e, {0xE9, 't', 0xE9}},
        {"\xC3\xBF\xC4\x80", {0xFF, '?'}},      // U+00FF is the last 8-bit code, U+0100 the first above
        {"\xF0\x9F\x98\x80", {'?'}},            // four bytes, one character
        {"\xE9t\xE9", {0xE9, 't', 0xE9}},       // bytes of a Latin-1 text stay as they are
    };
    for (const Case& c : cases) {
        std::array<uint8_t, PreviewSize> buffer{};
        PreviewOutput out(buffer);
        compileLine(c.line, out);
        EXPECT_EQ(std::vector<uint8_t>(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(out.count())),
                  c.bytes)
            << c.line;
    }
    // The 255-character limit counts characters, not bytes.
    std::string kanjiLine;
    for (int i = 0; i < 300; ++i) kanjiLine += Kanji;
    std::array<uint8_t, PreviewSize> buffer{};
    PreviewOutput out(buffer);
    compileLine(kanjiLine, out);
    EXPECT_EQ(out.count(), 255u);
}

// The editor fixture's ROM with a data file that names a table.
class TableSession : public EditorFixture {
protected:
    TableSession()
    {
        std::filesystem::create_directory(dir / "my tables");
        writeTable("0A=A\n0B=B\n0C=C\n01=x\n02=y\nF800=W\n");
        writeFile(dir / "blocks.txt", std::string(scrivel::testing_rom::EditorDataFile) + ".TABLE  my tables/game.tbl \r\n");
    }
    void writeTable(const std::string& text) { writeFile(dir / "my tables" / "game.tbl", text); }
    std::string tablePath() const { return (dir / "my tables" / "game.tbl").string(); }

    // Block 0's strings: 0A 0B 0C FF | 01 FD 02 FF | F8 00 01 FF | 03 04 05 FF.
    const std::vector<std::vector<std::string>> block0 = {{"ABC"}, {"x", "y"}, {"Wx"}, {"[$03][$04][$05]"}};
};

TEST_F(TableSession, NewScriptFileOfABlockCarriesItsOriginals)
{
    openRom();
    ASSERT_TRUE(state.table);
    EXPECT_EQ(commands.worstSeverity(), Severity::Info);
    const std::string expected = scriptTemplateWithOriginals(block0);
    EXPECT_EQ(readFile(dumps("001A8000.txt")), expected);
    EXPECT_EQ(view.editor.line(10), "// ABC");
    EXPECT_EQ(newScriptFileText(state, 0), expected);
    // Block 1 lies in bank 1D by the bank rule: 0D 0E FF | F0 70 FF.
    selectBlock(1);
    EXPECT_EQ(readFile(dumps("001B8000.txt")), scriptTemplateWithOriginals({{"[$0D][$0E]"}, {"[$F070]"}}));

    // A data file without a table line drops the table: new files are as before.
    writeFile(dir / "plain.txt", std::string(scrivel::testing_rom::EditorDataFile));
    std::filesystem::remove(dumps("001B8000.txt"));
    platform.queueChoice((dir / "plain.txt").string());
    commands.loadDataFile();
    EXPECT_FALSE(state.table);
    selectBlock(1);
    EXPECT_EQ(readFile(dumps("001B8000.txt")), scriptTemplate(2));
}

TEST_F(TableSession, RefusedTableIsAnErrorAndNoTableIsUsed)
{
    struct Case {
        const char* what;
        std::optional<std::string> table;  // nothing: no file
        std::string message;
    };
    const std::vector<Case> cases = {
        {"not an entry", "0A=A\nnonsense\n", "Error: " + tablePath() + ":2: not a table entry: nonsense"},
        {"missing", std::nullopt, "Error: " + tablePath() + ": cannot read the table"},
        {"not UTF-8", "0A=\xE9\n", "Error: " + tablePath() + ":1: not valid UTF-8 text"},
    };
    for (const Case& c : cases) {
        platform.clearRecords();
        std::filesystem::remove_all(dir / "Dumps");
        std::filesystem::remove(tablePath());
        if (c.table) writeTable(*c.table);
        openRom();
        EXPECT_FALSE(state.table) << c.what;
        EXPECT_NE(std::find(platform.messages().begin(), platform.messages().end(), c.message), platform.messages().end())
            << c.what;
        EXPECT_EQ(commands.worstSeverity(), Severity::Error);
        EXPECT_EQ(readFile(dumps("001A8000.txt")), scriptTemplate(4)) << c.what;
    }
}

TEST_F(TableSession, RepeatedKeysAreOneWarningAndTheFirstEntryStands)
{
    writeTable("0A=A\n0B=B\n0C=C\n0A=Z\n0B=Y\n");
    openRom();
    ASSERT_TRUE(state.table);
    EXPECT_EQ(commands.worstSeverity(), Severity::Warning);
    EXPECT_NE(std::find(platform.messages().begin(), platform.messages().end(),
                        "Warning: " + tablePath() + ":4: the bytes 0A are given again; line 1 stands\n"
                        "Warning: " + tablePath() + ":5: the bytes 0B are given again; line 2 stands"),
              platform.messages().end());
    EXPECT_EQ(view.editor.line(10), "// ABC");
}

TEST_F(TableSession, AllScriptFilesAreWrittenAndExistingOnesKept)
{
    openRom();  // makes block 0's file
    writeFile(dumps("001A8000.txt"), std::string("mine"));
    std::vector<std::string> told;
    ScriptFilesReport report = commands.createAllScriptFiles({}, [&](const ScriptFileLine& line, size_t done, size_t total) {
        told.push_back(reportLine(line) + " " + std::to_string(done) + "/" + std::to_string(total));
        return true;
    });
    EXPECT_TRUE(report.error.empty());
    EXPECT_EQ(told, (std::vector<std::string>{"001A8000.txt kept (exists) 1/2", "001B8000.txt created 2/2"}));
    EXPECT_EQ(readFile(dumps("001A8000.txt")), "mine");
    EXPECT_EQ(readFile(dumps("001B8000.txt")), newScriptFileText(state, 1));

    // Into a folder that is not there yet, parents included.
    report = commands.createAllScriptFiles((dir / "new" / "folder").string());
    EXPECT_EQ(report.created(), 2u);
    EXPECT_EQ(readFile(dir / "new" / "folder" / "001A8000.txt"), scriptTemplateWithOriginals(block0));

    // A folder that cannot be made: an error, and nothing written.
    writeFile(dir / "taken", std::string("x"));
    platform.clearRecords();
    report = commands.createAllScriptFiles((dir / "taken" / "sub").string());
    EXPECT_TRUE(report.files.empty());
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].rfind("Error: Could not create the folder", 0), 0u) << platform.messages()[0];
}

TEST_F(TableSession, AllScriptFilesNeedARomAndADataFile)
{
    const ScriptFilesReport report = commands.createAllScriptFiles((dir / "out").string());
    EXPECT_EQ(report.error, "Error: Open a ROM and its text block data file first.");
    EXPECT_FALSE(std::filesystem::exists(dir / "out"));
}

TEST_F(TableSession, HexCaptionNamesTheTokenUnderTheCursor)
{
    openRom();
    selectString(2);  // F8 00 01 FF at 1A9C3C; F8 00 is one entry
    hex.layout(135, 15);
    EXPECT_EQ(hexCaption(state, hex), "Hex Data - $001A9C3C | F8 00 = W");
    hex.right();
    EXPECT_EQ(hexCaption(state, hex), "Hex Data - $001A9C3D | F8 00 = W");
    hex.right();
    EXPECT_EQ(hexCaption(state, hex), "Hex Data - $001A9C3E | 01 = x");
    hex.right();
    EXPECT_EQ(hexCaption(state, hex), "Hex Data - $001A9C3F | FF = (end)");
    hex.down();  // past the string: its last byte
    EXPECT_EQ(hexCaption(state, hex), "Hex Data - $001A9C3F | FF = (end)");
    selectString(1);  // 01 FD 02 FF: FD has no entry and ends the line
    hex.cursorRow = 0;
    hex.cursorColumn = 1;
    EXPECT_EQ(hexCaption(state, hex), "Hex Data - $001A9C39 | FD = \\n");

    // Without a table the caption is what it always was.
    state.table.reset();
    EXPECT_EQ(hexCaption(state, hex), hex.caption(state));
}

// An old Latin-1 script file compiles as it did and is written back byte
// for byte; a character Latin-1 cannot hold makes it UTF-8.
TEST_F(EditorFixture, Latin1ScriptFileCompilesAsBeforeAndIsWrittenBackByteForByte)
{
    const std::string latin1 = "// \xE9t\xE9\r\n.STRING 0\r\n\xC0 bient\xF4t\r\n.ENDS\r\n";
    std::filesystem::create_directory(dir / "Dumps");
    writeFile(dumps("001A8000.txt"), latin1);
    openRom();
    EXPECT_EQ(view.editor.encoding(), TextEncoding::Latin1);
    std::array<uint8_t, PreviewSize> bytes{};
    const size_t count = compileSection(view.editor.lineCount(), [&](int i) { return view.editor.line(i); }, 1, bytes);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(count)),
              (std::vector<uint8_t>{0xC0, ' ', 'b', 'i', 'e', 'n', 't', 0xF4, 't', 0xFF}));
    ASSERT_TRUE(commands.saveTextFile());
    EXPECT_EQ(readFile(dumps("001A8000.txt")), latin1);

    view.editor.setCaret(0, 0);
    view.editor.type(Kanji);
    ASSERT_TRUE(commands.saveTextFile());
    EXPECT_EQ(readFile(dumps("001A8000.txt")), Kanji + "// \xC3\xA9t\xC3\xA9\r\n.STRING 0\r\n\xC3\x80 bient\xC3\xB4t\r\n.ENDS\r\n");
    EXPECT_EQ(view.editor.encoding(), TextEncoding::Utf8);
}

// A plain ASCII file (a template made without a table) reads alike in both
// encodings; it stays the 8-bit file it always was until it needs more.
TEST_F(EditorFixture, AsciiScriptFileStaysEightBitUntilACharacterAboveU00FF)
{
    openRom();
    EXPECT_EQ(readFile(dumps("001A8000.txt")), scriptTemplate(4));
    view.editor.setCaret(0, 0);
    view.editor.type("caf\xC3\xA9 ");
    ASSERT_TRUE(commands.saveTextFile());
    EXPECT_EQ(readFile(dumps("001A8000.txt")), "caf\xE9 " + scriptTemplate(4));
    view.editor.type(Kanji);
    ASSERT_TRUE(commands.saveTextFile());
    EXPECT_EQ(readFile(dumps("001A8000.txt")), "caf\xC3\xA9 " + Kanji + scriptTemplate(4));
}

}  // namespace
