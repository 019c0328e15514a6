#include "FitCheck.h"

#include <cstdio>

#include "text/Utf8.h"
#include "CodeNameTable.h"
#include "ScriptEncoding.h"
#include "SectionIndex.h"

namespace scrivel::script {

namespace {

std::string utf8Of(char32_t c)
{
    std::string out;
    common::appendUtf8(out, c);
    return out;
}

// A character as the description shows it: quoted, or by its number when it
// would show nothing readable (control characters).
std::string shownCharacter(char32_t c)
{
    char number[16];
    if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0)) {
        std::snprintf(number, sizeof number, "U+%04X", static_cast<unsigned>(c));
        return number;
    }
    return "\"" + utf8Of(c) + "\"";
}

// The code as the translator writes it.
std::string codeName(uint8_t code)
{
    for (const CodeName& row : CodeNameTable)
        if (row.code == code) return "[" + std::string(row.name) + "]";
    char name[16];
    std::snprintf(name, sizeof name, "[$%02X]", code);
    // A code with operands is written with them: "[$FC0102]".
    if (code == rom::OperandCode) return std::string(name, 4) + "..]";
    return name;
}

}  // namespace

std::string problemText(const FitProblem& problem)
{
    char head[48];
    std::snprintf(head, sizeof head, "%08X %d %d: ", static_cast<unsigned>(problem.blockAddress), problem.stringNumber,
                  problem.line);
    return head + problem.description;
}

std::vector<ProblemWording> describeProblems(const LineFit& fit)
{
    std::vector<ProblemWording> found;
    if (fit.overflows) {
        const std::string over = std::to_string(fit.width - fit.available) + " px over";
        found.push_back({FitProblemKind::Overflow, std::to_string(fit.width) + " px wide, " + over, over});
    }
    if (!fit.missingGlyphs.empty()) {
        std::string text = "no glyph for ";
        for (size_t i = 0; i < fit.missingGlyphs.size(); ++i)
            text += (i ? ", " : "") + shownCharacter(fit.missingGlyphs[i]);
        found.push_back({FitProblemKind::MissingGlyph, text, text});
    }
    if (fit.shortCode) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "%02X", *fit.shortCode);
        const std::string code = codeName(*fit.shortCode);
        found.push_back({FitProblemKind::ReadsPastEnd,
                         "ends in " + code + " (" + hex + "), which takes the byte after it: the game reads on past the line",
                         code + " at the end reads on past it"});
    }
    return found;
}

void checkSection(const std::vector<std::string>& lines, const SectionSpan& section, uint32_t blockAddress,
                  int stringNumber, LineMeasure& measure, std::vector<FitProblem>& problems)
{
    if (!isTranslated(lines, section)) return;
    for (size_t i = section.firstLine; i < section.endLine && i < lines.size(); ++i) {
        const LineFit fit = measure.measure(lines[i]);
        if (!fit.overflows && fit.missingGlyphs.empty() && !fit.shortCode) continue;
        for (ProblemWording& wording : describeProblems(fit)) {
            FitProblem problem;
            problem.blockAddress = blockAddress;
            problem.stringNumber = stringNumber;
            problem.line = static_cast<int>(i - section.firstLine) + 1;
            problem.fileLine = i;
            problem.kind = wording.kind;
            problem.description = std::move(wording.description);
            problem.brief = std::move(wording.brief);
            problems.push_back(std::move(problem));
        }
    }
}

void checkScriptLines(const std::vector<std::string>& lines, uint32_t blockAddress, int stringCount,
                      LineMeasure& measure, std::vector<FitProblem>& problems)
{
    const SectionIndex sections(lines);
    for (int n = 0; n < stringCount; ++n)
        if (const std::optional<SectionSpan> section = sections.find(n))
            checkSection(lines, *section, blockAddress, n, measure, problems);
}

}  // namespace scrivel::script
