// The fit check and the rewrap over random script files: the one-pass
// section index agrees with the exact lookup, the check numbers its lines
// inside their sections, and a rewrap keeps every line's text (its pieces
// joined by blanks), is left alone by a second rewrap, and leaves a file
// without long lines byte for byte as it was.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "script/FitCheck.h"
#include "script/Rewrap.h"
#include "script/ScriptEncoding.h"
#include "script/SectionIndex.h"
#include "script/TextFiles.h"

using namespace scrivel::script;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    FitSettings settings;
    settings.format = scrivel::rom::defaultFontFormat();
    settings.format.lineWidth = static_cast<uint16_t>(8 * in.ConsumeIntegralInRange<int>(3, 40));
    settings.format.wideAdvance = in.ConsumeIntegral<uint8_t>();
    settings.variableWidth = in.ConsumeBool();
    const int stringCount = in.ConsumeIntegralInRange<int>(0, 40);
    const std::string bytes = in.ConsumeRemainingBytesAsString();

    const std::vector<std::string> lines = splitTextLines(decodeScriptBytes(bytes).text);
    const SectionIndex index(lines);
    for (int n = 0; n <= stringCount; ++n) {
        const auto expected = findStringSection(lines, n);
        const auto found = index.find(n);
        if (found.has_value() != expected.has_value()) std::abort();
        if (found && (found->marker != expected->marker || found->endLine != expected->endLine ||
                      found->closed != expected->closed))
            std::abort();
    }

    LineMeasure measure(settings);
    std::vector<FitProblem> problems;
    checkScriptLines(lines, 0x1A8000, stringCount, measure, problems);
    for (const FitProblem& p : problems) {
        if (p.line < 1 || p.fileLine >= lines.size() || p.stringNumber < 0 || p.stringNumber >= stringCount) std::abort();
        if (problemText(p).empty()) std::abort();
    }

    for (size_t i = 0; i < lines.size() && i < 64; ++i) {
        const std::vector<std::string> pieces = rewrapLine(lines[i], measure);
        std::string joined;
        for (size_t k = 0; k < pieces.size(); ++k) joined += (k ? " " : "") + pieces[k];
        if (joined != lines[i]) std::abort();
        for (const std::string& piece : pieces)
            if (pieces.size() > 1 && rewrapLine(piece, measure).size() != 1) std::abort();
    }

    const ScriptRewrap first = rewrapScriptBytes(bytes, stringCount, measure);
    if (first.linesRewrapped == 0 && first.bytes != bytes) std::abort();
    const ScriptRewrap second = rewrapScriptBytes(first.bytes, stringCount, measure);
    if (second.linesRewrapped != 0 || second.bytes != first.bytes) std::abort();
    return 0;
}
