#pragma once
// What the editor's commands need of the windows. The desktop program
// implements these over its widgets; the command-line twin and the tests over
// plain in-memory stand-ins. Everything here is called on the one UI thread.

#include <cstdint>
#include <string>

#include "script/MarkerSearch.h"

namespace scrivel::editor {

// The block list and the string list.
class ListView {
public:
    virtual ~ListView() = default;
    virtual void clear() = 0;
    virtual void add(const std::string& entry) = 0;
    virtual int count() const = 0;
    virtual void select(int index) = 0;  // selects one entry (-1: none)
    virtual int selected() const = 0;    // -1 when none is selected
    virtual std::string entry(int index) const = 0;
    virtual void setHint(const std::string& hint) = 0;
    virtual void focus() = 0;
};

// The script text editor. Lines are lines as displayed (a wrapped line
// counts as several); positions are character offsets into the whole text,
// in which a line break counts as one character.
class TextEditorView : public script::SearchableText {
public:
    virtual int lineCount() const = 0;
    virtual std::string line(int index) const = 0;  // UTF-8 text, no line break
    virtual std::string text() const = 0;           // lines joined by "\n"
    // Replaces the whole text by the file's lines (CR LF, CR or LF), read as
    // UTF-8 when the bytes are valid UTF-8 and as Latin-1 otherwise; the
    // editor keeps that encoding for saving. Returns false, changing nothing,
    // when the file cannot be read.
    virtual bool loadFromFile(const std::string& path) = 0;
    // Writes the whole text with CR LF between lines, replacing the file
    // atomically, in the encoding the text was read in (see
    // script::savingEncoding; UTF-8 when Latin-1 cannot hold the text). Returns an empty string on success, else the error
    // text.
    virtual std::string saveToFile(const std::string& path) = 0;
    virtual void clearText() = 0;
    virtual bool modified() const = 0;
    virtual void setModified(bool modified) = 0;

    // The text's own lines, as the file has them: a line the editor wraps
    // on screen is one line here. They let a command read one section
    // without copying the whole text. An editor that does not wrap has the
    // displayed lines as its own, which these defaults give.
    virtual int textLineCount() const { return lineCount(); }
    virtual std::string textLine(int index) const { return line(index); }  // 8-bit text, no line break
    // The text line that holds displayed line displayLine.
    virtual int textLineOf(int displayLine) const { return displayLine; }
};

// The screen: a paint box with an off-screen picture.
class ScreenView {
public:
    virtual ~ScreenView() = default;
    // Clears every row of the bitmap to 0 and shows it.
    virtual void clearBitmap() = 0;
    // Copies the width x height visible pixels (RGB565, row after row) into
    // the bitmap and shows it stretched over the paint box.
    virtual void present(const uint16_t* pixels, int width, int height) = 0;
};

// The hex window: told when its bytes (the plain HexModel) changed.
class HexView {
public:
    virtual ~HexView() = default;
    virtual void bytesChanged() = 0;
};

// The main window itself.
class EditorView {
public:
    virtual ~EditorView() = default;
    virtual ListView& blockList() = 0;
    virtual ListView& stringList() = 0;
    virtual TextEditorView& textEditor() = 0;
    virtual ScreenView& screen() = 0;
    virtual HexView& hexView() = 0;
    // Panel 0: the string's position; 1: the view options; 2: whether the
    // current string fits.
    virtual void setStatusText(int panel, const std::string& text) = 0;
    virtual void setCaption(const std::string& caption) = 0;
    virtual void setLoadDataFileEnabled(bool enabled) = 0;
    // Asks the main window to close (ends the program).
    virtual void requestClose() = 0;
    // Shows a long text (a command's report) in a window where the user can
    // read and copy it.
    virtual void showReport(const std::string& title, const std::string& text)
    {
        (void)title;
        (void)text;
    }
};

}  // namespace scrivel::editor
