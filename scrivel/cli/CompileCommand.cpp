#include <iostream>

#include "CliCommands.h"
#include "editor/HeadlessViews.h"
#include "script/MarkerSearch.h"
#include "script/PreviewCompiler.h"

namespace scrivel::cli {

int runCompile(const std::string& scriptPath, int stringNumber)
{
    HeadlessTextEditor editor;
    if (!editor.loadFromFile(scriptPath)) {
        std::cerr << "Error: Could not open script file!\n" << scriptPath << '\n';
        return 1;
    }
    std::string marker = markerText(stringNumber);
    int line = markerSearch(editor, marker);
    if (line < 0) {
        std::cerr << "Error: No section " << marker << " in " << scriptPath << '\n';
        return 1;
    }
    std::array<uint8_t, PreviewSize> bytes{};
    size_t count = compileSection(editor.lineCount(), [&](int i) { return editor.line(i); }, line, bytes);
    std::cout << hexByteList(bytes.data(), count) << '\n';
    return 0;
}

}  // namespace scrivel::cli
