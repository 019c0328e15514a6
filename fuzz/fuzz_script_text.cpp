// The marker search and the section compiler over random script text: the
// search lands inside the text, the compiled section always ends in a 255
// within the preview buffer, and a section never reads past the text. The
// same text, taken as the original text of a block's strings, makes a
// template whose comment lines never touch a section; and a line compiled
// as characters counts at most 255 of them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "editor/HeadlessViews.h"
#include "script/MarkerSearch.h"
#include "script/PreviewCompiler.h"
#include "script/ScriptFile.h"
#include "script/ScriptSections.h"
#include "script/TextFiles.h"

namespace {

void checkSection(size_t count, const std::array<uint8_t, scrivel::script::PreviewSize>& bytes)
{
    if (count == 0 || count > scrivel::script::PreviewSize) std::abort();
    if (bytes[count - 1] != scrivel::script::EndOfStringByte) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const int stringNumber = in.ConsumeIntegralInRange<int>(-2, 300);
    const int caret = in.ConsumeIntegral<int>();
    const int selection = in.ConsumeIntegral<int>();
    const std::string needle = in.ConsumeBool() ? scrivel::script::markerText(stringNumber) : in.ConsumeRandomLengthString(16);
    const std::string text = in.ConsumeRemainingBytesAsString();

    scrivel::editor::HeadlessTextEditor editor;
    editor.setVisibleLines(20);
    editor.setText(text);
    editor.setCaret(caret, selection);

    static std::array<uint8_t, scrivel::script::PreviewSize> bytes;
    // A few searches in a row, each from the previous match, as repeated Find does.
    for (int round = 0; round < 3; ++round) {
        const int line = scrivel::script::markerSearch(editor, needle);
        if (line < -1 || line >= std::max(editor.lineCount(), 1)) std::abort();
        if (line < 0) break;
        const size_t count =
            scrivel::script::compileSection(editor.lineCount(), [&](int i) { return editor.line(i); }, line, bytes);
        checkSection(count, bytes);
        editor.setCaret(editor.caretPosition(), static_cast<int>(needle.size()));
    }

    // The same text read as a script file is read from disk.
    const std::vector<std::string> lines = scrivel::script::splitTextLines(text);
    const int marker = lines.empty() ? -1 : static_cast<int>(static_cast<unsigned>(caret) % lines.size());
    checkSection(scrivel::script::compileSection(lines, marker, bytes), bytes);
    if (scrivel::script::splitTextLines(scrivel::script::joinTextLines(lines)) != lines) std::abort();

    // The lines as the originals of three strings (any bytes, line breaks
    // and markers included): every section is found exactly and stays the
    // template's three empty lines.
    std::vector<std::vector<std::string>> originals(3);
    for (size_t i = 0; i < lines.size(); ++i) originals[i % 3].push_back(lines[i]);
    const std::vector<std::string> made = scrivel::script::splitTextLines(scrivel::script::scriptTemplateWithOriginals(originals));
    for (int n = 0; n < 3; ++n) {
        const auto section = scrivel::script::findStringSection(made, n);
        if (!section || !section->closed || section->endLine != section->firstLine + 3) std::abort();
        if (scrivel::script::isTranslated(made, *section)) std::abort();
    }

    const std::string eightBit = scrivel::script::eightBitLine(text, scrivel::script::MaxCompiledLineLength);
    if (eightBit.size() > scrivel::script::MaxCompiledLineLength || eightBit.size() > text.size()) std::abort();
    return 0;
}
