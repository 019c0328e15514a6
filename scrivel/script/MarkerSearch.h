#pragma once
// Finding a string's marker line (".STRING n") in the text editor.

#include <string>

namespace scrivel::script {

// What the marker search needs of a text editor. Positions are character
// offsets into the whole text, in which a line break counts as one
// character; lines are lines as the editor displays them.
class SearchableText {
public:
    virtual ~SearchableText() = default;
    virtual int caretPosition() const = 0;
    virtual int selectionLength() const = 0;
    virtual void setCaret(int position, int selectionLength) = 0;
    virtual int firstVisibleLine() const = 0;
    virtual void scrollLines(int delta) = 0;
    // First occurrence of needle at or after position from, letter case
    // ignored; -1 when there is none.
    virtual int find(const std::string& needle, int from) const = 0;
    virtual int lineFromPosition(int position) const = 0;
};

// ".STRING %d".
std::string markerText(int stringNumber);

// Searches the editor's text for needle, letter case ignored, from just
// after the selection (or from the start when nothing is selected). On a
// match the caret goes to it, the editor scrolls the match's line to the top
// and that line's number is returned; otherwise -1 and nothing changes.
int markerSearch(SearchableText& editor, const std::string& needle);

}  // namespace scrivel::script
