#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/TextLines.h"

namespace {

using Lines = std::vector<std::string>;
using common::FinalBreak;

struct SplitCase {
    std::string text;
    Lines asFile;    // FinalBreak::EndsLastLine
    Lines asEditor;  // FinalBreak::StartsEmptyLine
};

TEST(TextLines, SplitsAtCrLfLfAndLoneCr)
{
    const SplitCase cases[] = {
        {"", {}, {}},
        {"a", {"a"}, {"a"}},
        {"\r\n", {""}, {"", ""}},
        {"a\r\n", {"a"}, {"a", ""}},
        {"a\r", {"a"}, {"a", ""}},
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}, {"a", "b", "c", "d"}},
        {"a\r\n\r\n", {"a", ""}, {"a", "", ""}},
        {"a\n\nb", {"a", "", "b"}, {"a", "", "b"}},
        {"a\r\rb\n", {"a", "", "b"}, {"a", "", "b", ""}},
        // LF CR is two breaks, not one.
        {"a\n\r", {"a", ""}, {"a", "", ""}},
        {std::string("n\0l\r\n", 5), {std::string("n\0l", 3)}, {std::string("n\0l", 3), ""}},
        {"\xE9t\xE9\r\n", {"\xE9t\xE9"}, {"\xE9t\xE9", ""}},
    };
    for (const SplitCase& c : cases) {
        EXPECT_EQ(common::splitLines(c.text), c.asFile) << c.text;
        EXPECT_EQ(common::splitLines(c.text, FinalBreak::StartsEmptyLine), c.asEditor) << c.text;
    }
}

TEST(TextLines, JoinEndsEveryLineWithCrLfAndSplitGivesTheLinesBack)
{
    EXPECT_EQ(common::joinLinesCrLf({}), "");
    EXPECT_EQ(common::joinLinesCrLf({""}), "\r\n");
    EXPECT_EQ(common::joinLinesCrLf({"a", "", "\xE9"}), "a\r\n\r\n\xE9\r\n");
    for (const Lines& lines : {Lines{}, Lines{""}, Lines{"a", "", "b"}, Lines{"", ""}, Lines{"x y", "\t"}})
        EXPECT_EQ(common::splitLines(common::joinLinesCrLf(lines)), lines);
    // A CR LF file survives a load and a save byte for byte.
    const std::string file = ".STRING 0\r\n\r\nHi\r\n.ENDS\r\n";
    EXPECT_EQ(common::joinLinesCrLf(common::splitLines(file)), file);
}

}  // namespace
