#include "MarkerSearch.h"

namespace scrivel::script {

std::string markerText(int stringNumber) { return ".STRING " + std::to_string(stringNumber); }

int markerSearch(SearchableText& editor, const std::string& needle)
{
    int selection = editor.selectionLength();
    int from = selection != 0 ? editor.caretPosition() + selection : 0;
    int p = editor.find(needle, from);
    if (p < 0) return -1;
    editor.setCaret(p, 0);
    int top = editor.firstVisibleLine();
    int line = editor.lineFromPosition(p);
    editor.scrollLines(line - top);
    return line;
}

}  // namespace scrivel::script
