#pragma once
// The fit check over a script: every line of every translated section is
// measured (see LineMeasure), and what the game would get wrong comes back
// as data, for the check's list in the window and the command line alike.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "LineMeasure.h"
#include "ScriptSections.h"

namespace scrivel::script {

enum class FitProblemKind {
    Overflow,      // the line does not fit the window
    MissingGlyph,  // characters the preview font cannot show
    ReadsPastEnd,  // the last code takes the line's end byte as its operand
};

struct FitProblem {
    uint32_t blockAddress = 0;  // the block's pointer table address
    int stringNumber = 0;
    int line = 0;         // the line within the section, from 1
    size_t fileLine = 0;  // the line within the script file, from 0
    FitProblemKind kind = FitProblemKind::Overflow;
    std::string description;  // "164 px wide, 20 px over"
    std::string brief;        // the same cut short for a status line: "20 px over"
};

// "001A8000 3 2: 164 px wide, 20 px over": block, string and line, then the
// description.
std::string problemText(const FitProblem& problem);

struct ProblemWording {
    FitProblemKind kind = FitProblemKind::Overflow;
    std::string description;
    std::string brief;
};

// The wording of one measured line's problems, in the order of the kinds.
std::vector<ProblemWording> describeProblems(const LineFit& fit);

// The problems of one section's lines (nothing when it is not translated),
// appended to problems.
void checkSection(const std::vector<std::string>& lines, const SectionSpan& section, uint32_t blockAddress,
                  int stringNumber, LineMeasure& measure, std::vector<FitProblem>& problems);

// The problems of the sections of strings 0 to stringCount - 1 of one script
// file's lines, appended to problems.
void checkScriptLines(const std::vector<std::string>& lines, uint32_t blockAddress, int stringCount,
                      LineMeasure& measure, std::vector<FitProblem>& problems);

}  // namespace scrivel::script
