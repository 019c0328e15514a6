// The fit check's measure of a line, and the rewrap, over the renderer's
// layout: widths in fixed and variable advance, where a line stops fitting,
// the characters the preview font cannot show, codes that take the line's
// end byte, and rewrapped lines and files.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script/BracketCode.h"
#include "script/FitCheck.h"
#include "script/Rewrap.h"
#include "script/ScriptSections.h"
#include "script/SectionIndex.h"

using namespace scrivel;
using namespace scrivel::script;

namespace {

// A preview font whose only glyphs are a (rightmost column 5: advance 7 in
// variable width), b (column 1: advance 3) and m (column 13: advance 15).
const std::vector<uint8_t>& narrowFont()
{
    static const std::vector<uint8_t> font = [] {
        std::vector<uint8_t> f(render::PreviewFontGlyphs * 256, 0);
        auto set = [&f](char glyph, int row, int column) {
            const int quarter = (column >= 8 ? 2 : 0) + (row >= 8 ? 1 : 0);
            f[static_cast<size_t>(glyph) * 256 + quarter * 64 + (row % 8) * 8 + column % 8] = 1;
        };
        for (int row = 2; row < 12; ++row) set('a', row, 5), set('b', row, 1), set('m', row, 13);
        return f;
    }();
    return font;
}

enum class Measuring { Fixed, FixedOnePixelWide, Variable };

FitSettings settingsFor(Measuring measuring)
{
    FitSettings settings;
    settings.format = rom::defaultFontFormat();  // 144: 128 pixels from the line start
    if (measuring == Measuring::FixedOnePixelWide) settings.format.wideAdvance = 1;
    if (measuring == Measuring::Variable) {
        settings.variableWidth = true;
        settings.fonts.preview = narrowFont();
    }
    return settings;
}

std::string problemsOf(const LineFit& fit)
{
    std::string text;
    for (const ProblemWording& wording : describeProblems(fit))
        text += (text.empty() ? "" : " | ") + wording.description;
    return text;
}

std::string repeat(const std::string& s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

const std::string KeyEnd = "ends in [KEY] (F6), which takes the byte after it: the game reads on past the line";

TEST(LineMeasure, WidthOverflowAndProblemsOfALine)
{
    struct Case {
        const char* what;
        Measuring measuring;
        std::string line;
        int width;
        bool overflows;
        std::string problems;
    };
    const std::vector<Case> cases = {
        {"exact fill", Measuring::Fixed, repeat("A", 16), 128, false, ""},
        {"one glyph over", Measuring::Fixed, repeat("A", 17), 136, true, "136 px wide, 8 px over"},
        {"one pixel over", Measuring::FixedOnePixelWide, repeat("A", 16) + "[$F070]", 129, true, "129 px wide, 1 px over"},
        {"one-pixel glyphs fill exactly", Measuring::FixedOnePixelWide, repeat("A", 15) + repeat("[$F070]", 8), 128,
         false, ""},
        {"two-byte glyph advance", Measuring::Fixed, "A[$F070]", 24, false, ""},
        {"two-byte glyph fills the line", Measuring::Fixed, repeat("A", 14) + "[$F070]", 128, false, ""},
        {"hidden codes take no room", Measuring::Fixed, "AAAA[PAUSE][$FC0102][$F9]AAAA", 64, false, ""},
        {"hidden code after a full line", Measuring::Fixed, repeat("A", 16) + "[PAUSE]", 128, false, ""},
        {"one long word", Measuring::Fixed, "Supercalifragilisticexpialidocious", 272, true, "272 px wide, 144 px over"},
        {"line break inside the line", Measuring::Fixed, repeat("A", 10) + "[CHOICE]" + repeat("A", 10), 80, false, ""},
        {"full line, then a line break", Measuring::Fixed, repeat("A", 16) + "[CHOICE]A", 128, false, ""},
        {"variable width", Measuring::Variable, "aaaa", 28, false, ""},
        {"variable width, exact fill", Measuring::Variable, repeat("a", 17) + "bbb", 128, false, ""},
        {"variable width, over", Measuring::Variable, repeat("a", 17) + "bbbb", 131, true, "131 px wide, 3 px over"},
        // The game wraps after the glyph that reaches the edge; nothing follows it.
        {"last glyph crosses the edge", Measuring::Variable, repeat("m", 9), 135, false, ""},
        {"blank glyph of the font", Measuring::Variable, "ab z", 22, false, "no glyph for \"z\""},
        {"characters above 0x7F", Measuring::Fixed, "caf\xC3\xA9 \xE6\xBC\xA2\x11~!", -1, false,
         "no glyph for \"\xC3\xA9\", \"\xE6\xBC\xA2\", U+0011, \"~\""},
        {"a Latin-1 byte", Measuring::Fixed, "caf\xE9", 32, false, "no glyph for \"\xC3\xA9\""},
        {"codes are not text", Measuring::Fixed, "[$E9][$09] ok", 40, false, ""},
        {"ends in KEY", Measuring::Fixed, "Hi there[KEY]", 64, false, KeyEnd},
        {"ends in a two-byte lead", Measuring::Fixed, "Hi[$F0]", 16, false,
         "ends in [$F0] (F0), which takes the byte after it: the game reads on past the line"},
        {"operand code short of one", Measuring::Fixed, "Hi[$FC01]", 16, false,
         "ends in [$FC..] (FC), which takes the byte after it: the game reads on past the line"},
        {"KEY before a character", Measuring::Fixed, "[KEY]x", 16, false, ""},
    };
    for (const Case& c : cases) {
        LineMeasure measure(settingsFor(c.measuring));
        const LineFit fit = measure.measure(c.line);
        EXPECT_EQ(fit.available, 128) << c.what;
        if (c.width >= 0) {
            EXPECT_EQ(fit.width, c.width) << c.what;
        }
        EXPECT_EQ(fit.overflows, c.overflows) << c.what;
        if (c.problems != "*") {
            EXPECT_EQ(problemsOf(fit), c.problems) << c.what;
        }
    }
    LineMeasure measure(settingsFor(Measuring::Fixed));
    const LineFit all = measure.measure(repeat("A", 17) + "~[KEY]");
    const auto found = describeProblems(all);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].kind, FitProblemKind::Overflow);
    EXPECT_EQ(found[0].brief, "16 px over");
    EXPECT_EQ(found[1].description, "no glyph for \"~\"");
    EXPECT_EQ(found[2].description, KeyEnd);
    EXPECT_EQ(found[2].brief, "[KEY] at the end reads on past it");
}

TEST(FitCheck, ChecksTranslatedSectionsAndNumbersLinesWithinThem)
{
    const std::vector<std::string> lines = {
        "// header",
        ".STRING 0", "fine", repeat("A", 17), "Hi[KEY]", ".ENDS",
        ".STRING 1", "   ", "", ".ENDS",                    // not translated
        ".STRING 2", repeat("B", 20), ".ENDS",
        ".STRING 12", repeat("C", 20), ".ENDS",              // beyond the block's strings
    };
    LineMeasure measure(settingsFor(Measuring::Fixed));
    std::vector<FitProblem> problems;
    checkScriptLines(lines, 0x1A8000, 3, measure, problems);
    std::vector<std::string> texts;
    for (const FitProblem& p : problems) texts.push_back(problemText(p));
    EXPECT_EQ(texts, (std::vector<std::string>{"001A8000 0 2: 136 px wide, 8 px over", "001A8000 0 3: " + KeyEnd,
                                               "001A8000 2 1: 160 px wide, 32 px over"}));
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0].fileLine, 3u);
    EXPECT_EQ(problems[2].fileLine, 11u);
    EXPECT_EQ(problems[1].kind, FitProblemKind::ReadsPastEnd);
}

TEST(SectionIndex, FindsWhatTheExactLookupFinds)
{
    const std::vector<std::string> lines = {
        ".STRING 12", "twelve", ".ENDS",  ".STRING 1", "one", ".endsX", ".string 3  ", ".STRING 012",
        ".STRING 1",  ".STRING 4",        "four",       ".STRING -2", ".STRING 7\t", ".STRING 99999999999",
        ".STRING 5",  "open to the end",
    };
    const SectionIndex index(lines);
    EXPECT_FALSE(index.find(-2));  // no block has such a string
    for (int n = 0; n < 16; ++n) {
        const auto expected = findStringSection(lines, n);
        const auto found = index.find(n);
        ASSERT_EQ(found.has_value(), expected.has_value()) << n;
        if (!found) continue;
        EXPECT_EQ(found->marker, expected->marker) << n;
        EXPECT_EQ(found->firstLine, expected->firstLine) << n;
        EXPECT_EQ(found->endLine, expected->endLine) << n;
        EXPECT_EQ(found->closed, expected->closed) << n;
    }
}

TEST(BracketCode, EndsWhereTheCompilerEndsTheCode)
{
    struct Case {
        std::string line;
        size_t codeEnd;
        size_t spanEnd;
    };
    const std::vector<Case> cases = {
        {"[KEY]x", 5, 5},      {"[key", 4, 4},           {"[NAME x]", 6, 8},  {"[$F070]a", 7, 7},
        {"[$F]ab]", 7, 7},     {"[COLOR$03]", 10, 10},   {"[ab cd] e", 0, 7}, {"[no end", 0, 7},
        {"x[KEY]", 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(bracketCodeEnd(c.line, 0), c.codeEnd) << c.line;
        EXPECT_EQ(bracketSpanEnd(c.line, 0), c.spanEnd) << c.line;
    }
}

// The pieces joined by blanks give the line back.
std::string joined(const std::vector<std::string>& pieces)
{
    std::string text;
    for (size_t i = 0; i < pieces.size(); ++i) text += (i ? " " : "") + pieces[i];
    return text;
}

TEST(Rewrap, BreaksGreedilyAtBlanksOutsideCodes)
{
    struct Case {
        const char* what;
        std::string line;
        std::vector<std::string> pieces;
    };
    const std::vector<Case> cases = {
        {"fits already", "Short line", {"Short line"}},
        {"last blank that fits", "The quick brown fox jumps over", {"The quick brown", "fox jumps over"}},
        {"a piece that fills the line exactly", "aaaaaaa bbbbbbbb cc", {"aaaaaaa bbbbbbbb", "cc"}},
        {"three pieces", "one two three four five six seven eight", {"one two three", "four five six", "seven eight"}},
        {"bracket code kept whole", "aaaaaaaaaa [ab cd] eeee", {"aaaaaaaaaa", "[ab cd] eeee"}},
        {"hidden codes take no room", "[PAUSE][PAUSE][PAUSE]aaaaaaaaaaa bbbb", {"[PAUSE][PAUSE][PAUSE]aaaaaaaaaaa bbbb"}},
        {"too-long word stays whole", "Supercalifragilisticexpialidocious is long",
         {"Supercalifragilisticexpialidocious", "is long"}},
        {"too-long word alone", "Supercalifragilisticexpialidocious", {"Supercalifragilisticexpialidocious"}},
        {"no piece ends in a code taking the end byte", "Press the [KEY] button", {"Press the", "[KEY] button"}},
        {"doubled blank", "aaaaaaaaaaaaaaa  bbb", {"aaaaaaaaaaaaaaa ", "bbb"}},
        {"no piece starts a section's marker or end", "Type .STRING 5 or .ends now", {"Type .STRING 5", "or .ends now"}},
        {"a marker line stays whole", ".STRING 1 and more words here", {".STRING 1 and more words here"}},
    };
    LineMeasure measure(settingsFor(Measuring::Fixed));
    for (const Case& c : cases) {
        const std::vector<std::string> pieces = rewrapLine(c.line, measure);
        EXPECT_EQ(pieces, c.pieces) << c.what;
        EXPECT_EQ(joined(pieces), c.line) << c.what;
        for (const std::string& piece : pieces)
            EXPECT_EQ(rewrapLine(piece, measure), std::vector<std::string>{piece}) << c.what << ": " << piece;
    }
}

TEST(Rewrap, FilesKeepEveryByteOutsideTheBrokenLines)
{
    const std::string longLine = "The quick brown fox jumps over";
    struct Case {
        const char* what;
        std::string before;
        std::string after;
    };
    const std::vector<Case> cases = {
        {"CR LF",
         "// a comment line far too long for any window, left alone\r\n.STRING 0\r\n" + longLine +
             "\r\nfits\r\n.ENDS\r\n.STRING 1\r\n\r\n.ENDS\r\n",
         "// a comment line far too long for any window, left alone\r\n.STRING 0\r\nThe quick brown\r\nfox jumps "
         "over\r\nfits\r\n.ENDS\r\n.STRING 1\r\n\r\n.ENDS\r\n"},
        {"each line keeps its own end", ".STRING 0\n" + longLine + "\r\n" + longLine + "\n.ENDS",
         ".STRING 0\nThe quick brown\r\nfox jumps over\r\nThe quick brown\nfox jumps over\n.ENDS"},
        {"a last line without an end", ".STRING 0\r\n" + longLine,
         ".STRING 0\r\nThe quick brown\r\nfox jumps over"},
        {"UTF-8", "// \xE6\xBC\xA2\r\n.STRING 0\r\nCaf\xC3\xA9 au lait, \xC3\xA9t\xC3\xA9 long\r\n.ENDS\r\n",
         "// \xE6\xBC\xA2\r\n.STRING 0\r\nCaf\xC3\xA9 au lait,\r\n\xC3\xA9t\xC3\xA9 long\r\n.ENDS\r\n"},
        {"Latin-1 stays Latin-1", "// \xE9\r\n.STRING 0\r\nCaf\xE9 au lait, \xE9t\xE9 long\r\n.ENDS\r\n",
         "// \xE9\r\n.STRING 0\r\nCaf\xE9 au lait,\r\n\xE9t\xE9 long\r\n.ENDS\r\n"},
        {"nothing to do", ".STRING 0\r\nfits\r\n", ".STRING 0\r\nfits\r\n"},
    };
    LineMeasure measure(settingsFor(Measuring::Fixed));
    for (const Case& c : cases) {
        const ScriptRewrap first = rewrapScriptBytes(c.before, 2, measure);
        EXPECT_EQ(first.bytes, c.after) << c.what;
        const ScriptRewrap second = rewrapScriptBytes(first.bytes, 2, measure);
        EXPECT_EQ(second.bytes, first.bytes) << c.what;
        EXPECT_EQ(second.linesRewrapped, 0) << c.what;
    }
}

}  // namespace
