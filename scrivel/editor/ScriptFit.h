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
#include "EditorView.h"
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

// The text of string stringNumber's section in the editor: the section
// whose marker the marker search found on displayed line markerLine when
// that line is exactly the string's marker (the section the preview shows),
// else the first exact one. Only the section's lines are read, except when
// the search found no exact marker. Nothing when the text has no marker.
std::optional<std::vector<std::string>> sectionText(const TextEditorView& editor, int stringNumber, int markerLine);

// Whether a section's text (its lines) fits, for the status line: "Fits",
// or the first problem cut short ("Line 2: 20 px over") and how many more
// there are. Empty when the section is not translated.
std::string fitStatusText(const EditorState& s, const std::vector<std::string>& sectionText);

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
