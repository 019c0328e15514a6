#pragma once
// The fit check and the rewrap as the session runs them: measured with the
// session's format, fonts and Use VWF Routine choice, over the script files
// of the loaded blocks. The text the editor holds stands for its own file,
// saved or not. Problems come back as data; the windows and the command-line
// twin show the same texts (script::problemText).

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "EditorState.h"
#include "script/FitCheck.h"
#include "script/FolderFit.h"
#include "script/LineMeasure.h"
#include "script/ScriptSections.h"

namespace scrivel::editor {

// What the session measures with.
script::FitSettings fitSettings(const EditorState& s);

// The text editor's text as lines (the text has them joined by "\n").
std::vector<std::string> editorLines(const std::string& editorText);

using script::FitProgress;
using script::OpenScript;
using script::ScriptCheck;

// Checks the translated sections of every loaded block's script file in
// scriptsFolder.
ScriptCheck checkWholeScript(const EditorState& s, const std::string& scriptsFolder, const OpenScript* open = nullptr,
                             const FitProgress& progress = {});

// The index in lines of the problem's line: the line of its string's
// section (the text may have moved since the check), or its line in the file
// when the section no longer has it; nothing when lines end before it.
std::optional<size_t> problemLine(const std::vector<std::string>& lines, const script::FitProblem& problem);

// The fit of the current string's section in the editor's lines, for the
// status line: "Fits", or the first problem ("Line 2: 20 px over") and how
// many more there are, cut short for the status line. Empty when the
// section is missing or not translated.
std::string fitStatusText(const EditorState& s, const std::vector<std::string>& lines);

struct SectionRewrap {
    script::SectionSpan section;  // where the section's text is
    // For each line of the section's text, the lines it becomes (itself
    // alone when it stays).
    std::vector<std::vector<std::string>> pieces;
    int linesRewrapped = 0;
};

// The current string's section of lines, rewrapped; nothing when the
// section is missing.
std::optional<SectionRewrap> rewrapCurrentSection(const EditorState& s, const std::vector<std::string>& lines);

using script::FileRewrap;

// Rewraps the overflowing lines of every loaded block's script file in
// scriptsFolder in place, each file replaced atomically and only when a
// line changed. Reports the files that changed or failed.
std::vector<FileRewrap> rewrapWholeScript(const EditorState& s, const std::string& scriptsFolder);

}  // namespace scrivel::editor
