#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "script/PreviewCompiler.h"
#include "script/ScriptFile.h"
#include "script/TextFiles.h"
#include "testing/TempDir.h"

using namespace scrivel::script;
using testing_support::TempDir;

namespace {

std::vector<uint8_t> compiled(const std::vector<std::string>& lines, int marker = 0)
{
    std::array<uint8_t, PreviewSize> bytes{};
    size_t count = compileSection(lines, marker, bytes);
    return std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(count));
}

std::vector<uint8_t> compiledLine(const std::string& line)
{
    return compiled({".STRING 0", line, ".ENDS"});
}

TEST(ScriptFile, NameIsEightHexDigitsInTheDumpsFolder)
{
    EXPECT_EQ(scriptFileName("/home/u/Dumps", 0x1A8000), "/home/u/Dumps/001A8000.txt");
    EXPECT_EQ(scriptFileName("/d", 0xFFFFFFFF), "/d/FFFFFFFF.txt");
}

TEST(ScriptFile, TemplateHasAHeaderAndAnEmptySectionPerString)
{
    const std::string header = "// Do not erase these: \r\n// .STRING #\r\n// .ENDS\r\n\r\n\r\n";
    EXPECT_EQ(scriptTemplate(0), header);
    std::string two = scriptTemplate(2);
    EXPECT_EQ(two.size(), 113u);
    EXPECT_EQ(two, header +
                       ".STRING 0\r\n\r\n\r\n\r\n.ENDS\r\n\r\n\r\n\r\n"
                       ".STRING 1\r\n\r\n\r\n\r\n.ENDS\r\n\r\n\r\n\r\n");
    EXPECT_EQ(scriptTemplate(3).size(), 143u);
}

TEST(PreviewCompiler, CompilesCharactersCodeNamesAndHexRuns)
{
    struct Case {
        std::string line;
        std::vector<uint8_t> bytes;
    };
    const std::vector<Case> cases = {
        {"Hi", {0x48, 0x69}},
        {"Hello[KEY]", {'H', 'e', 'l', 'l', 'o', 0xF6}},
        {"[COLOR$02]Hi", {0xF7, 0x02, 'H', 'i'}},
        {"[$F5][$0A1B]", {0xF5, 0x0A, 0x1B}},
        {"a[b", {'a', '[', 'b'}},
        {"[key][Name][clrscr][pause][choice][color]", {0xF6, 0xF4, 0xF5, 0xF8, 0xFD, 0xF7}},
        {"[NAMEX]", {0xF4, ']'}},               // the character after the name counts as the bracket
        {"[KEY", {0xF6}},                       // a name at the end of the line
        {"[", {'['}},
        {"[$4G][$G4]", {0x04, 0x00}},          // a pair is read as far as it is hexadecimal
        {"[$F]ab", {0x0F, 0xAB}},               // an odd run goes past its bracket
        {"[$123", {0x12, 0x03}},                // a run without "]" ends with the line
        {"\xE9t\xE9", {0xE9, 't', 0xE9}},      // 8-bit characters as they are
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> expected = c.bytes;
        expected.push_back(0xFF);
        EXPECT_EQ(compiledLine(c.line), expected) << c.line;
    }
}

TEST(PreviewCompiler, SectionRunsFromAfterTheMarkerToBeforeItsEnds)
{
    // The template's three empty lines.
    EXPECT_EQ(compiled({".STRING 0", "", "", "", ".ENDS"}), (std::vector<uint8_t>{0xFE, 0xFE, 0xFF}));
    // Only lines after the marker count; .ENDS in any case ends the section.
    EXPECT_EQ(compiled({"x", ".STRING 1", "A", "B", ".ends", "C"}, 1), (std::vector<uint8_t>{'A', 0xFE, 'B', 0xFF}));
    // A marker directly followed by its .ENDS: a single 255.
    EXPECT_EQ(compiled({".STRING 0", ".ENDS", ".STRING 1", "X", ".ENDS"}), (std::vector<uint8_t>{0xFF}));
    // A section that runs to the end of the text, and a marker on the last line.
    EXPECT_EQ(compiled({".STRING 0", "Hi"}), (std::vector<uint8_t>{'H', 'i', 0xFE, 0xFF}));
    EXPECT_EQ(compiled({".STRING 0"}), (std::vector<uint8_t>{0xFF}));
}

TEST(PreviewCompiler, LongInputStaysInsideTheBuffer)
{
    // At most 255 characters of a line count.
    auto one = compiledLine(std::string(300, 'a'));
    EXPECT_EQ(one.size(), 256u);

    // Output stops at 4095 bytes, then the closing 255; the rest of the
    // buffer is zero.
    std::vector<std::string> lines = {".STRING 0"};
    for (int i = 0; i < 40; ++i) lines.push_back(std::string(200, 'b'));
    lines.push_back(".ENDS");
    std::array<uint8_t, PreviewSize> bytes{};
    size_t count = compileSection(lines, 0, bytes);
    EXPECT_EQ(count, PreviewSize);
    EXPECT_EQ(bytes[4094], 'b');
    EXPECT_EQ(bytes[4095], 0xFF);

    // A shorter compilation after a long one leaves zeros behind it.
    compileSection({".STRING 0", "Hi", ".ENDS"}, 0, bytes);
    EXPECT_EQ(bytes[2], 0xFF);
    EXPECT_EQ(bytes[3], 0);
    EXPECT_EQ(bytes[4095], 0);
}

TEST(TextFiles, LinesSplitAtAnyBreakAndJoinWithCrLf)
{
    EXPECT_EQ(splitTextLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitTextLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(splitTextLines("").empty());
    EXPECT_EQ(joinTextLines({"a", "", "\xE9"}), "a\r\n\r\n\xE9\r\n");
    // The template survives a load and a save byte for byte.
    EXPECT_EQ(joinTextLines(splitTextLines(scriptTemplate(3))), scriptTemplate(3));
}

TEST(TextFiles, AtomicWriteReplacesTheFileOrLeavesItAlone)
{
    TempDir dir;
    std::string path = (dir / "001A8000.txt").string();
    testing_support::writeFile(path, std::string("old text\r\n"));
    ::chmod(path.c_str(), 0640);
    EXPECT_EQ(writeFileAtomically(path, "new\r\n"), "");
    EXPECT_EQ(testing_support::readFile(path), "new\r\n");
    struct stat st;
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);

    std::string error = writeFileAtomically((dir / "missing" / "x.txt").string(), "x");
    EXPECT_NE(error.find("missing/x.txt"), std::string::npos);
    EXPECT_NE(writeFileAtomically("", "x"), "");
}

}  // namespace
