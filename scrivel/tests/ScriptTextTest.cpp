// Script text: the file encodings, the exact section lookup, and codes that
// run short of their operands.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rom/StringExtent.h"
#include "script/ScriptEncoding.h"
#include "script/ScriptSections.h"

using namespace scrivel;
using script::TextEncoding;

TEST(ScriptEncoding, ReadsValidUtf8AsItIsAndAnythingElseAsLatin1)
{
    struct Case {
        std::string bytes;
        std::string text;
        TextEncoding encoding;
    };
    const std::vector<Case> cases = {
        {"plain ASCII", "plain ASCII", TextEncoding::Utf8},
        {"caf\xC3\xA9 \xE6\xBC\xA2", "caf\xC3\xA9 \xE6\xBC\xA2", TextEncoding::Utf8},
        {"caf\xE9", "caf\xC3\xA9", TextEncoding::Latin1},
        {"\xC3", "\xC3\x83", TextEncoding::Latin1},               // cut-off sequence
        {"\xC0\xAF", "\xC3\x80\xC2\xAF", TextEncoding::Latin1},   // overlong form
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80", TextEncoding::Latin1},  // surrogate
        {"", "", TextEncoding::Utf8},
    };
    for (const Case& c : cases) {
        const script::DecodedText decoded = script::decodeScriptBytes(c.bytes);
        EXPECT_EQ(decoded.text, c.text) << c.bytes;
        EXPECT_EQ(decoded.encoding, c.encoding) << c.bytes;
    }
}

TEST(ScriptEncoding, WritesBackInTheEncodingReadUnlessLatin1CannotHoldTheText)
{
    TextEncoding encoding = TextEncoding::Latin1;
    EXPECT_EQ(script::encodeScriptText("caf\xC3\xA9\r\n", encoding), "caf\xE9\r\n");
    EXPECT_EQ(encoding, TextEncoding::Latin1);

    const std::string kanji = "caf\xC3\xA9 \xE6\xBC\xA2";
    EXPECT_EQ(script::encodeScriptText(kanji, encoding), kanji);
    EXPECT_EQ(encoding, TextEncoding::Utf8);

    // A Latin-1 file read and written unchanged keeps every byte.
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const script::DecodedText decoded = script::decodeScriptBytes(all);
    TextEncoding back = decoded.encoding;
    EXPECT_EQ(script::encodeScriptText(decoded.text, back), all);
    EXPECT_EQ(back, TextEncoding::Latin1);
}

TEST(ScriptSections, FindsTheExactMarkerUpToTheFirstEnds)
{
    const std::vector<std::string> lines = {
        ".STRING 12", "twelve", ".ENDS",
        ".string 1  ", "one", "", ".ends here",
        ".STRING 2", "  \t", ".ENDS",
        ".STRING 3", "open",
    };
    const auto one = script::findStringSection(lines, 1);
    ASSERT_TRUE(one);
    EXPECT_EQ(one->marker, 3u);
    EXPECT_EQ(one->firstLine, 4u);
    EXPECT_EQ(one->endLine, 6u);
    EXPECT_TRUE(one->closed);
    EXPECT_TRUE(script::isTranslated(lines, *one));

    const auto two = script::findStringSection(lines, 2);
    ASSERT_TRUE(two);
    EXPECT_FALSE(script::isTranslated(lines, *two));

    const auto three = script::findStringSection(lines, 3);
    ASSERT_TRUE(three);
    EXPECT_FALSE(three->closed);
    EXPECT_EQ(three->endLine, lines.size());

    EXPECT_FALSE(script::findStringSection(lines, 4));
    EXPECT_FALSE(script::isStringMarker(" .STRING 1", 1));
    EXPECT_FALSE(script::isStringMarker(".STRING 01", 1));
}

TEST(ScriptSections, AllSectionsAtOnceAgreeWithTheOneBySearch)
{
    const std::vector<std::string> lines = {
        ".STRING 12", "twelve", ".ENDS",   ".string 1  ", "one",       "",         ".ends here",
        ".STRING 01", "zero one", ".ENDS", ".STRING 0x", ".STRING  0", ".STRING 0", "zero",
        ".ENDS",      ".STRING 0", "again", ".ENDS",    ".STRING 99999999999", ".STRING 3", "open",
    };
    const auto all = script::findStringSections(lines, 14);
    ASSERT_EQ(all.size(), 14u);
    for (int n = 0; n < 14; ++n) {
        const auto one = script::findStringSection(lines, n);
        ASSERT_EQ(all[size_t(n)].has_value(), one.has_value()) << n;
        if (!one) continue;
        EXPECT_EQ(all[size_t(n)]->marker, one->marker) << n;
        EXPECT_EQ(all[size_t(n)]->endLine, one->endLine) << n;
        EXPECT_EQ(all[size_t(n)]->closed, one->closed) << n;
    }
    EXPECT_EQ(all[0]->marker, 12u);
    EXPECT_TRUE(script::findStringSections(lines, 0).empty());
}

TEST(ByteCode, FindsTheCodeThatTakesTheEndByteAsItsOperand)
{
    struct Case {
        std::vector<uint8_t> bytes;
        int expected;  // -1: none
    };
    const std::vector<Case> cases = {
        {{0x10, 0x11}, -1},
        {{0x10, 0xF6}, 0xF6},
        {{0xF6, 0x20}, -1},
        {{0xF0}, 0xF0},
        {{0xFC, 0x01}, 0xFC},
        {{0xFC, 0x01, 0x02}, -1},
        {{0xF4, 0xF6}, -1},  // F6 is F4's operand here
        {{0xF7}, -1},
        {{}, -1},
    };
    for (const Case& c : cases) {
        const auto code = rom::codeShortOfOperands(c.bytes.data(), c.bytes.size());
        EXPECT_EQ(code ? int(*code) : -1, c.expected);
    }
}
