// Speed of the fit check: the whole script of 256 blocks of 256 translated
// four-line strings in memory (the per-string cost, and how it grows with
// the script), and status panel 2's measure of the current string on a
// keystroke. The whole process (reading the files, the twin) is timed by
// check_whole_script.py.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "editor/HeadlessViews.h"
#include "editor/ScriptFit.h"
#include "script/FitCheck.h"

namespace {

using namespace scrivel;

const char* const Words[] = {"the", "sword", "of", "Osti", "lies", "beyond", "a", "river", "you", "must",
                             "cross", "before", "night", "falls", "and", "king's", "men", "come", "[NAME]", "now"};

// Lines of words of about 8 to 18 characters, so that most fit a 128-pixel
// line and some do not.
std::string dialogueLine(unsigned& seed)
{
    std::string line;
    const size_t target = 8 + (seed >> 8) % 7;
    while (line.size() < target) {
        seed = seed * 1103515245u + 12345u;
        if (!line.empty()) line += ' ';
        line += Words[(seed >> 16) % 20];
    }
    return line;
}

// A script file of stringCount sections of four lines each.
std::vector<std::string> scriptLines(int stringCount, unsigned seed)
{
    std::vector<std::string> lines = {"// Do not erase these: ", "// .STRING #", "// .ENDS", "", ""};
    for (int n = 0; n < stringCount; ++n) {
        lines.push_back(".STRING " + std::to_string(n));
        for (int l = 0; l < 4; ++l) lines.push_back(dialogueLine(seed));
        lines.push_back(".ENDS");
        lines.push_back("");
    }
    return lines;
}

script::FitSettings settings()
{
    script::FitSettings s;
    s.format = rom::defaultFontFormat();
    return s;
}

// Checks blocks x 256 strings; the counter gives the time per string, which
// stays the same as the script grows.
void BM_CheckScript(benchmark::State& st)
{
    const int blocks = static_cast<int>(st.range(0));
    std::vector<std::vector<std::string>> files;
    for (int b = 0; b < blocks; ++b) files.push_back(scriptLines(256, static_cast<unsigned>(b) + 1));
    script::FitSettings fit = settings();
    fit.variableWidth = st.range(1) != 0;
    size_t problems = 0;
    for (auto _ : st) {
        script::LineMeasure measure(fit);
        std::vector<script::FitProblem> found;
        for (int b = 0; b < blocks; ++b)
            script::checkScriptLines(files[static_cast<size_t>(b)], 0x1A8000u + static_cast<uint32_t>(b), 256, measure,
                                     found);
        problems = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    st.counters["strings"] = blocks * 256;
    st.counters["problems"] = static_cast<double>(problems);
    st.counters["per_string"] =
        benchmark::Counter(static_cast<double>(blocks) * 256, benchmark::Counter::kIsIterationInvariantRate |
                                                                  benchmark::Counter::kInvert);
}
BENCHMARK(BM_CheckScript)
    ->ArgsProduct({{16, 64, 256}, {0, 1}})
    ->ArgNames({"blocks", "vwf"})
    ->Unit(benchmark::kMillisecond);

// Status panel 2 on a keystroke in a script of 256 strings: the current
// section read from the editor at the marker the preview found, and measured.
void BM_StatusPanelOnKeystroke(benchmark::State& st)
{
    editor::EditorState s;
    s.format = rom::defaultFontFormat();
    s.currentString = 200;
    const std::vector<std::string> lines = scriptLines(256, 7);
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    editor::HeadlessTextEditor editor;
    editor.setText(text);
    const int marker = static_cast<int>(std::find(lines.begin(), lines.end(), ".STRING 200") - lines.begin());
    for (auto _ : st) {
        const auto section = editor::sectionText(editor, s.currentString, marker);
        std::string panel = editor::fitStatusText(s, *section);
        benchmark::DoNotOptimize(panel.data());
    }
}
BENCHMARK(BM_StatusPanelOnKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
