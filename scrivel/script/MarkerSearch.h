#pragma once
// Finding a string's marker line (".STRING n") in the text editor.

#include <string>

#include "editor/EditorView.h"

namespace scrivel {

// ".STRING %d".
std::string markerText(int stringNumber);

// Searches the editor's text for needle, letter case ignored, from just
// after the selection (or from the start when nothing is selected). On a
// match the caret goes to it, the editor scrolls the match's line to the top
// and that line's number is returned; otherwise -1 and nothing changes.
int markerSearch(TextEditorView& editor, const std::string& needle);

}  // namespace scrivel
