#include "ScriptFit.h"

#include <algorithm>

#include "files/TextLines.h"
#include "rom/DataFile.h"
#include "script/PreviewCompiler.h"
#include "script/Rewrap.h"

namespace scrivel::editor {

namespace {

// The loaded blocks, as the data file lists them.
std::vector<script::ScriptBlock> loadedBlocks(const EditorState& s)
{
    std::vector<script::ScriptBlock> blocks;
    const size_t count = std::min<size_t>(s.dataFile.blocks.size(), rom::MaxBlocks);
    for (size_t i = 0; i < count; ++i) blocks.push_back({s.blockAddress[i], s.blockStringCount[i]});
    return blocks;
}

std::optional<script::SectionSpan> currentSection(const EditorState& s, const std::vector<std::string>& lines)
{
    return script::findStringSection(lines, s.currentString);
}

}  // namespace

script::FitSettings fitSettings(const EditorState& s)
{
    script::FitSettings settings;
    settings.format = s.format;
    settings.fonts = s.fonts;
    settings.variableWidth = s.checks.variableWidth;
    return settings;
}

std::vector<std::string> editorLines(const std::string& editorText)
{
    return common::splitLines(editorText, common::FinalBreak::StartsEmptyLine);
}

ScriptCheck checkWholeScript(const EditorState& s, const std::string& scriptsFolder, const OpenScript* open,
                             const FitProgress& progress)
{
    return script::checkScriptFolder(loadedBlocks(s), scriptsFolder, fitSettings(s), open, progress);
}

std::optional<size_t> problemLine(const std::vector<std::string>& lines, const script::FitProblem& problem)
{
    if (const auto section = script::findStringSection(lines, problem.stringNumber)) {
        const size_t line = section->firstLine + static_cast<size_t>(std::max(problem.line, 1) - 1);
        if (line < section->endLine) return line;
    }
    if (problem.fileLine < lines.size()) return problem.fileLine;
    return std::nullopt;
}

std::optional<std::vector<std::string>> sectionText(const TextEditorView& editor, int stringNumber, int markerLine)
{
    const int count = editor.textLineCount();
    int marker = markerLine >= 0 ? editor.textLineOf(markerLine) : -1;
    if (marker < 0 || marker >= count || !script::isStringMarker(editor.textLine(marker), stringNumber)) {
        marker = -1;
        for (int i = 0; i < count && marker < 0; ++i)
            if (script::isStringMarker(editor.textLine(i), stringNumber)) marker = i;
    }
    if (marker < 0) return std::nullopt;
    std::vector<std::string> text;
    for (int i = marker + 1; i < count; ++i) {
        std::string line = editor.textLine(i);
        if (script::isSectionEnd(line)) break;
        text.push_back(std::move(line));
    }
    return text;
}

std::string fitStatusText(const EditorState& s, const std::vector<std::string>& sectionText)
{
    const script::SectionSpan section{0, 0, sectionText.size(), true};
    if (!script::isTranslated(sectionText, section)) return {};
    script::LineMeasure measure(fitSettings(s));
    std::vector<script::FitProblem> problems;
    script::checkSection(sectionText, section, s.currentBlockAddress, s.currentString, measure, problems);
    if (problems.empty()) return "Fits";
    std::string text = "Line " + std::to_string(problems.front().line) + ": " + problems.front().brief;
    if (problems.size() > 1) text += " (+" + std::to_string(problems.size() - 1) + " more)";
    return text;
}

std::optional<SectionRewrap> rewrapCurrentSection(const EditorState& s, const std::vector<std::string>& lines)
{
    const std::optional<script::SectionSpan> section = currentSection(s, lines);
    if (!section) return std::nullopt;
    SectionRewrap rewrap;
    rewrap.section = *section;
    script::LineMeasure measure(fitSettings(s));
    for (size_t i = section->firstLine; i < section->endLine && i < lines.size(); ++i) {
        rewrap.pieces.push_back(script::rewrapLine(lines[i], measure));
        if (rewrap.pieces.back().size() > 1) ++rewrap.linesRewrapped;
    }
    return rewrap;
}

std::vector<FileRewrap> rewrapWholeScript(const EditorState& s, const std::string& scriptsFolder)
{
    return script::rewrapScriptFolder(loadedBlocks(s), scriptsFolder, fitSettings(s));
}

}  // namespace scrivel::editor
