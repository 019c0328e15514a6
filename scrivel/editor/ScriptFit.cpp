#include "ScriptFit.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

#include "files/TextLines.h"
#include "files/WholeFile.h"
#include "rom/DataFile.h"
#include "script/Rewrap.h"
#include "script/ScriptFile.h"
#include "script/SectionIndex.h"

namespace scrivel::editor {

namespace {

bool exists(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 || errno != ENOENT;
}

int blockCount(const EditorState& s)
{
    return static_cast<int>(std::min<size_t>(s.dataFile.blocks.size(), rom::MaxBlocks));
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
    ScriptCheck check;
    script::LineMeasure measure(fitSettings(s));
    const int blocks = blockCount(s);
    for (int b = 0; b < blocks; ++b) {
        const auto i = static_cast<size_t>(b);
        const uint32_t address = s.blockAddress[i];
        const int strings = s.blockStringCount[i];
        const std::string path = script::scriptFileName(scriptsFolder, address);
        if (open && open->path == path) {
            script::checkScriptLines(open->lines, address, strings, measure, check.problems);
        } else if (std::optional<script::ScriptFileText> file = script::readScriptFile(path)) {
            script::checkScriptLines(file->lines, address, strings, measure, check.problems);
        } else if (exists(path)) {
            check.unreadable.push_back(path);
        }
        if (progress && !progress(b + 1, blocks)) {
            check.cancelled = true;
            break;
        }
    }
    return check;
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

std::string fitStatusText(const EditorState& s, const std::vector<std::string>& lines)
{
    const std::optional<script::SectionSpan> section = currentSection(s, lines);
    if (!section || !script::isTranslated(lines, *section)) return {};
    script::LineMeasure measure(fitSettings(s));
    std::vector<script::FitProblem> problems;
    script::checkSection(lines, *section, s.currentBlockAddress, s.currentString, measure, problems);
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
    std::vector<FileRewrap> files;
    script::LineMeasure measure(fitSettings(s));
    const int blocks = blockCount(s);
    for (int b = 0; b < blocks; ++b) {
        const auto i = static_cast<size_t>(b);
        FileRewrap file;
        file.path = script::scriptFileName(scriptsFolder, s.blockAddress[i]);
        const std::optional<std::string> bytes = common::readWholeFile(file.path);
        if (!bytes) {
            if (exists(file.path)) {
                file.error = "Could not open script file!";
                files.push_back(std::move(file));
            }
            continue;
        }
        const script::ScriptRewrap rewrap = script::rewrapScriptBytes(*bytes, s.blockStringCount[i], measure);
        if (rewrap.linesRewrapped == 0) continue;
        file.linesRewrapped = rewrap.linesRewrapped;
        if (const std::error_code error = common::replaceFileAtomically(file.path, rewrap.bytes))
            file.error = "Could not write script file: " + error.message();
        files.push_back(std::move(file));
    }
    return files;
}

}  // namespace scrivel::editor
