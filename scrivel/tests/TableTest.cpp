#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "GameText.h"
#include "text/Utf8.h"
#include "rom/StringExtent.h"
#include "rom/StringText.h"
#include "rom/TableFile.h"
#include "testing/TempDir.h"

using namespace scrivel::rom;
using Bytes = std::vector<uint8_t>;
using Lines = std::vector<std::string>;

namespace {

Table parsed(const std::string& text)
{
    TableLoad load = parseTable(text, "t.tbl");
    EXPECT_EQ(load.error, "");
    EXPECT_TRUE(load.table.has_value());
    return load.table ? *load.table : Table{};
}

const TableEntry& entryOf(const Table& table, const Bytes& key)
{
    const TableEntry* entry = table.find(key);
    if (!entry) throw std::runtime_error("no entry for " + hexDigits(key));
    return *entry;
}

// ---- Parsing -------------------------------------------------------------

TEST(TableParse, EachKindOfEntry)
{
    const Table table = parsed(
        "41=A\n"
        "f070=Kanji\n"        // lower-case digits, two-byte key
        "42=\n"               // empty text
        "43=a=b\n"            // text may hold "="
        "44=one\\ntwo\n"      // \n ends a line inside the text
        "/FF\n"
        "/FE=<end>\n"
        "*FD\n"
        "*FC=[br]\n"
        "$F7=[col],2\n"
        "$F8=a,b,0\n"         // the count follows the last comma
        "$F9=,8\n");
    struct Case {
        Bytes key;
        EntryKind kind;
        std::string text;
        unsigned parameters;
        size_t line;
    };
    const std::vector<Case> cases = {
        {{0x41}, EntryKind::Text, "A", 0, 1},
        {{0xF0, 0x70}, EntryKind::Text, "Kanji", 0, 2},
        {{0x42}, EntryKind::Text, "", 0, 3},
        {{0x43}, EntryKind::Text, "a=b", 0, 4},
        {{0x44}, EntryKind::Text, "one\ntwo", 0, 5},
        {{0xFF}, EntryKind::End, "", 0, 6},
        {{0xFE}, EntryKind::End, "<end>", 0, 7},
        {{0xFD}, EntryKind::LineBreak, "", 0, 8},
        {{0xFC}, EntryKind::LineBreak, "[br]", 0, 9},
        {{0xF7}, EntryKind::Control, "[col]", 2, 10},
        {{0xF8}, EntryKind::Control, "a,b", 0, 11},
        {{0xF9}, EntryKind::Control, "", 8, 12},
    };
    EXPECT_EQ(table.entries().size(), cases.size());
    for (const Case& c : cases) {
        SCOPED_TRACE(hexDigits(c.key));
        const TableEntry& e = entryOf(table, c.key);
        EXPECT_EQ(e.kind, c.kind);
        EXPECT_EQ(e.text, c.text);
        EXPECT_EQ(e.parameterCount, c.parameters);
        EXPECT_EQ(e.line, c.line);
    }
}

TEST(TableParse, CommentsIgnoredLinesBomAndCrLf)
{
    const TableLoad load = parseTable(
        "\xEF\xBB\xBF"
        "# comment\r\n"
        "; comment\r\n"
        "// comment\r\n"
        "@Main table\r\n"
        "!7F=Other,0\r\n"
        " \t \r\n"
        "\r\n"
        "10= \r\n"  // the text keeps its blank; only the CR goes
        "11=x",     // last line without a line end
        "t.tbl");
    ASSERT_TRUE(load.table);
    EXPECT_TRUE(load.warnings.empty());
    EXPECT_EQ(load.table->entries().size(), 2u);
    EXPECT_EQ(entryOf(*load.table, {0x10}).text, " ");
    EXPECT_EQ(entryOf(*load.table, {0x10}).line, 8u);
    EXPECT_EQ(entryOf(*load.table, {0x11}).text, "x");
}

TEST(TableParse, RefusesAnyOtherLine)
{
    // Each bad line, put on line 2 after a good one, refuses the whole table.
    const std::vector<std::string> bad = {
        "41",          // no text
        "4=A",         // odd digit count
        "414=A",
        "=A",          // no key
        "4G=A",        // not hexadecimal
        " 41=A",       // does not start in the first column
        "41 =A",
        "0x41=A",
        "$F7=x",       // no parameter count
        "$F7=x,",
        "$F7=x,9",     // more than 8
        "$F7=x,a",
        "$F7=x,-1",
        "$F7",
        "/4",
        "*",
        "/=x",
        " # not a comment",
        "/ comment",
    };
    for (const std::string& line : bad) {
        SCOPED_TRACE(line);
        const TableLoad load = parseTable("41=A\n" + line + "\r\n42=B\n", "game.tbl");
        EXPECT_FALSE(load.table.has_value());
        EXPECT_EQ(load.error, "Error: game.tbl:2: not a table entry: " + line);
    }
}

TEST(TableParse, DuplicateBytesKeepTheFirstEntryWithAWarning)
{
    const TableLoad load = parseTable("41=A\n42=B\n/41=end\n\n$42=c,1\n", "t.tbl");
    ASSERT_TRUE(load.table);
    EXPECT_EQ(load.warnings, (Lines{"Warning: t.tbl:3: the bytes 41 are given again; line 1 stands",
                                    "Warning: t.tbl:5: the bytes 42 are given again; line 2 stands"}));
    EXPECT_EQ(load.table->entries().size(), 2u);
    EXPECT_EQ(entryOf(*load.table, {0x41}).kind, EntryKind::Text);
    EXPECT_EQ(entryOf(*load.table, {0x42}).text, "B");
}

TEST(TableParse, RefusesInvalidUtf8)
{
    const std::vector<std::pair<std::string, int>> cases = {
        {"41=\x80\n", 1},                 // stray continuation byte
        {"41=A\n42=\xC0\x80\n", 2},       // overlong
        {"41=A\n\n43=\xED\xA0\x80\n", 3}, // surrogate
        {"41=\xF4\x90\x80\x80\n", 1},     // past U+10FFFF
        {"41=\xE3\x81", 1},               // cut off at the end
        {"# \xFF comment\n", 1},          // comments are text too
    };
    for (const auto& [text, line] : cases) {
        SCOPED_TRACE(line);
        const TableLoad load = parseTable(text, "t.tbl");
        EXPECT_FALSE(load.table.has_value());
        EXPECT_EQ(load.error, "Error: t.tbl:" + std::to_string(line) + ": not valid UTF-8 text");
    }
    EXPECT_TRUE(parseTable("41=\xE3\x81\x82\xF0\x9F\x98\x80\n", "t.tbl").table);
}

TEST(TableLoadFile, ReadsAFileAndRefusesWhatCannotBeRead)
{
    testing_support::TempDir dir;
    const std::string path = (dir / "game.tbl").string();
    testing_support::writeFile(path, std::string("41=A\r\n41=B\r\n"));
    const TableLoad load = loadTable(path);
    ASSERT_TRUE(load.table);
    EXPECT_EQ(load.warnings, Lines{"Warning: " + path + ":2: the bytes 41 are given again; line 1 stands"});

    for (const std::string& unreadable : {(dir / "missing.tbl").string(), dir.str()}) {
        const TableLoad failed = loadTable(unreadable);
        EXPECT_FALSE(failed.table.has_value());
        EXPECT_EQ(failed.error, "Error: " + unreadable + ": cannot read the table");
    }
}

// ---- The game's extent of a string ------------------------------------------

TEST(StringExtent, FollowsTheGamesReading)
{
    struct Case {
        const char* name;
        Bytes image;
        size_t start;
        size_t length;
        bool endedOnFF;
    };
    const std::vector<Case> cases = {
        {"ends on FF", {0x41, 0xFF, 0x42, 0xFF}, 0, 2, true},
        {"from the middle", {0x41, 0xFF, 0x42, 0xFF}, 2, 2, true},
        {"only FF", {0xFF}, 0, 1, true},
        {"two-byte glyph with FF", {0xF0, 0xFF, 0x41, 0xFF}, 0, 4, true},
        {"F6 is two-byte too", {0xF6, 0xFF, 0xFF}, 0, 3, true},
        {"F7 takes no operand", {0xF7, 0xFF, 0x41}, 0, 2, true},
        {"FC operands with FF", {0xFC, 0xFF, 0xFF, 0xFF}, 0, 4, true},
        {"FD and FE do not end it", {0xFD, 0xFE, 0xFF}, 0, 3, true},
        {"runs to the image end", {0x41, 0x42}, 0, 2, false},
        {"operands cut off", {0x41, 0xFC, 0x01}, 0, 3, false},
        {"lone F0 at the end", {0x41, 0xF0}, 0, 2, false},
        {"start at the end", {0x41}, 1, 0, false},
        {"start past the end", {0x41}, 5, 0, false},
        {"empty image", {}, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const StringExtent extent = stringExtent(c.image.data(), c.image.size(), c.start);
        EXPECT_EQ(extent.length, c.length);
        EXPECT_EQ(extent.endedOnFF, c.endedOnFF);
    }
}

// ---- Decoding --------------------------------------------------------------

const char* const DecodingTable =
    "41=A\n"
    "42=B\n"
    "4142=AB!\n"
    "414243=ABC\n"
    "F070=K\n"
    "F1=x\n"         // a one-byte entry where the game reads two bytes
    "44=\n"
    "45=e\\nf\n"
    "*FD=\n"
    "*46=<br>\n"
    "$FC=<c>,2\n"
    "$F7=<7>,2\n"
    "$F8=<p>,0\n"
    "47FF48=never\n"
    "/FF=\n";

struct DecodeCase {
    const char* name;
    Bytes image;
    Lines lines;
    size_t start = 0;
};

void expectDecodes(const Table& table, const std::vector<DecodeCase>& cases)
{
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(decodeString(table, c.image.data(), c.image.size(), c.start), c.lines);
    }
}

TEST(DecodeString, TableEntries)
{
    expectDecodes(parsed(DecodingTable), {
        {"longest match", {0x41, 0x42, 0x43, 0x41, 0x42, 0x41, 0xFF}, {"ABCAB!A"}},
        {"two-byte entry", {0xF0, 0x70, 0x41, 0xFF}, {"KA"}},
        {"table before the game's reading", {0xF1, 0x41, 0xFF}, {"xA"}},
        {"line-break entries", {0x41, 0xFD, 0x42, 0x46, 0xFF}, {"A", "B<br>", ""}},
        {"\\n inside a text", {0x45, 0xFF}, {"e", "f"}},
        {"empty text writes nothing", {0x44, 0xFF}, {}},
        {"only FF", {0xFF}, {}},
        {"ends with a line end", {0x41, 0xFD, 0xFF}, {"A", ""}},
        {"parameter bytes, FF included", {0xFC, 0xFF, 0x0A, 0x41, 0xFF}, {"<c>[$FF0A]A"}},
        {"no parameters", {0xF8, 0x41, 0xFF}, {"<p>A"}},
        {"from the middle of the image", {0x41, 0xFF, 0x42, 0xFF}, {"B"}, 2},
        {"start outside the image", {0x41, 0xFF}, {}, 2},
    });
}

TEST(DecodeString, GamesOwnCodeWhereTheTableHasNoEntry)
{
    expectDecodes(parsed("41=A\n"), {
        {"each kind of code",
         {0x10, 0xF0, 0x71, 0xF6, 0xFF, 0xF9, 0xFC, 0x01, 0xFF, 0xFE, 0x41, 0xFD, 0xFD, 0xFF},
         {"[$10][$F071][$F6FF][$F9][$FC01FF][KEY]", "A", "", ""}},
        {"FF ends the string", {0x41, 0xFF, 0x41, 0xFF}, {"A"}},
        {"runs to the image end", {0x41, 0x0B}, {"A[$0B]"}},
        {"lone F0 at the very end", {0x41, 0xF0}, {"A[$F0]"}},
        {"FC cut off", {0xFC, 0x01}, {"[$FC01]"}},
    });
}

TEST(DecodeString, NeverRunsPastTheGamesEnd)
{
    const Table table = parsed(DecodingTable);
    expectDecodes(table, {
        // The key 47 FF 48 would cross the FF that ends the string.
        {"key across the end", {0x47, 0xFF, 0x48, 0xFF}, {"[$47]"}},
        // F7 takes no operand in the game, so the FF after it ends the string
        // and the entry's two parameters do not fit.
        {"parameters across the end", {0x41, 0xF7, 0xFF, 0x42, 0x43, 0xFF}, {"A[$F7]"}},
        // The image ends before the second parameter: the game's code reads it.
        {"parameters past the image end", {0x41, 0xFC, 0x12}, {"A[$FC12]"}},
    });
    // The longest key is not taken when it does not fit before the end.
    expectDecodes(table, {{"longest key past the end", {0x41, 0x42}, {"AB!"}}});

    // A table that reads FF as plain text still ends where the game ends.
    expectDecodes(parsed("41=A\n42=B\nFF=<END>\n"), {
        {"FF as text", {0x41, 0xFF, 0x42, 0xFF}, {"A<END>"}},
    });
    // A table that knows nothing of this game reads every byte as a code.
    expectDecodes(parsed("FF41=swallow\n"), {{"no entry fits", {0x41, 0xFF, 0x41, 0xFF}, {"[$41]"}}});
}

TEST(ReadToken, TellsTheEntryAndTheBytesTaken)
{
    const Table table = parsed(DecodingTable);
    const Bytes image = {0xFC, 0x01, 0x02, 0x41, 0x42, 0xF0, 0xFF};

    Token token = readToken(table, image.data(), image.size(), 0, image.size());
    EXPECT_EQ(token.length, 3u);
    EXPECT_EQ(token.text, "<c>[$0102]");
    ASSERT_NE(token.entry, nullptr);
    EXPECT_EQ(token.entry->line, 11u);

    token = readToken(table, image.data(), image.size(), 3, image.size());
    EXPECT_EQ(token.length, 2u);
    EXPECT_EQ(token.text, "AB!");

    // The extent end bounds the token as the image end does.
    token = readToken(table, image.data(), image.size(), 3, 4);
    EXPECT_EQ(token.length, 1u);
    EXPECT_EQ(token.text, "A");
    token = readToken(table, image.data(), image.size(), 5, 6);
    EXPECT_EQ(token.length, 1u);
    EXPECT_EQ(token.text, "[$F0]");
    EXPECT_EQ(token.entry, nullptr);

    token = readToken(table, image.data(), image.size(), 6, image.size());
    EXPECT_TRUE(token.endsString);
    EXPECT_EQ(readToken(table, image.data(), image.size(), 7, image.size()).length, 0u);
}

// ---- The demo's table --------------------------------------------------------

std::string sourceFile(const std::string& relative)
{
    return testing_support::readFile(std::filesystem::path(SOURCE_DIR) / relative);
}

std::string utf8(char32_t c)
{
    std::string out;
    common::appendUtf8(out, c);
    return out;
}

struct HalfTile {
    char32_t character = 0;
    std::string half;  // "", "left" or "right"
};

// The font map: "IDX U+XXXX char" with " (left)" / " (right)" on kanji halves.
std::vector<HalfTile> fontMap()
{
    std::vector<HalfTile> tiles;
    const std::string text = sourceFile("scrivel/render/data/gamefont-map.txt");
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        if (line.empty() || line[0] == '#') continue;
        const size_t index = std::stoul(line.substr(0, 3), nullptr, 16);
        EXPECT_EQ(index, tiles.size());
        HalfTile tile;
        tile.character = static_cast<char32_t>(std::stoul(line.substr(6, line.find(' ', 6) - 6), nullptr, 16));
        if (line.ends_with(" (left)")) tile.half = "left";
        if (line.ends_with(" (right)")) tile.half = "right";
        tiles.push_back(tile);
    }
    return tiles;
}

TEST(DemoTable, ParsesCleanlyAndNamesEveryGlyphOfTheFont)
{
    const TableLoad load = parseTable(sourceFile("scrivel/demo/demo.tbl"), "demo.tbl");
    ASSERT_TRUE(load.table) << load.error;
    EXPECT_TRUE(load.warnings.empty());
    const Table& table = *load.table;

    const std::vector<HalfTile> tiles = fontMap();
    ASSERT_GT(tiles.size(), 0x100u);
    size_t oneByte = 0, twoByte = 0;
    for (size_t i = 0; i < 0xF0 && i < tiles.size(); ++i) {
        if (!tiles[i].half.empty() || tiles[i].character == '\n' || tiles[i].character == '\r') continue;
        SCOPED_TRACE(i);
        const TableEntry& e = entryOf(table, {static_cast<uint8_t>(i)});
        EXPECT_EQ(e.kind, EntryKind::Text);
        EXPECT_EQ(e.text, utf8(tiles[i].character));
        ++oneByte;
    }
    // Two-byte glyph i draws half tiles 2i and 2i+1.
    for (size_t i = 0; i <= 0x6FF && 2 * i + 1 < tiles.size(); ++i) {
        const HalfTile& left = tiles[2 * i];
        const HalfTile& right = tiles[2 * i + 1];
        if (left.half != "left" || right.half != "right" || left.character != right.character) continue;
        SCOPED_TRACE(i);
        const TableEntry& e = entryOf(table, {static_cast<uint8_t>(0xF0 | (i >> 8)), static_cast<uint8_t>(i & 0xFF)});
        EXPECT_EQ(e.text, utf8(left.character));
        ++twoByte;
    }
    EXPECT_EQ(oneByte, 0xE0u);
    EXPECT_EQ(twoByte, (tiles.size() - 0xE0) / 2);
}

TEST(DemoTable, DecodesTheDemosStrings)
{
    const TableLoad load = parseTable(sourceFile("scrivel/demo/demo.tbl"), "demo.tbl");
    ASSERT_TRUE(load.table);
    using scrivel::demo::GameText;
    const Bytes bytes = GameText()
                            .text("Kana: ")
                            .kana({U'\uFF76', U'\uFF80'})
                            .keyPrompt()
                            .text("Kanji:")
                            .wide(0x070)
                            .wide(0x4F1)
                            .wide(0x500)
                            .lineBreak()
                            .code(0xF7)
                            .code(0xF8)
                            .code(0xF9)
                            .codeWith(0x03, 0xFF)
                            .text("#$%*<=>@[](&)/~")
                            .end();
    EXPECT_EQ(decodeString(*load.table, bytes.data(), bytes.size(), 0),
              (Lines{"Kana: \uFF76\uFF80[KEY]", "Kanji:\u4E9C\u5931[$F500]", "[COLOR][PAUSE][$F9][$FC03FF]#$%*<=>@[](&)/~"}));
}

}  // namespace
