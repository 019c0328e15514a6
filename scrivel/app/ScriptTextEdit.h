#pragma once
// The plain-text script editor. It wraps at its width, and every
// line number it gives out counts lines as displayed (a wrapped line is
// several). Its lines go out as UTF-8; a file is read as UTF-8 when its
// bytes are valid UTF-8 and as Latin-1 otherwise, and saved in the encoding
// it was read in (see savingEncoding: plain ASCII stays 8-bit, and Latin-1
// becomes UTF-8 once it cannot hold the text).

#include <QPlainTextEdit>
#include <vector>

#include "editor/EditorView.h"
#include "script/ScriptEncoding.h"

namespace scrivel::app {

class ScriptTextEdit : public QPlainTextEdit, public editor::TextEditorView {
    Q_OBJECT
public:
    explicit ScriptTextEdit(QWidget* parent);

    int lineCount() const override;
    std::string line(int index) const override;
    std::string text() const override;
    bool loadFromFile(const std::string& path) override;
    std::string saveToFile(const std::string& path) override;
    void clearText() override;
    int caretPosition() const override;
    int selectionLength() const override;
    void setCaret(int position, int selectionLength) override;
    bool modified() const override;
    void setModified(bool modified) override;
    int firstVisibleLine() const override;
    void scrollLines(int delta) override;
    int find(const std::string& needle, int from) const override;
    int lineFromPosition(int position) const override;
    int textLineCount() const override;
    std::string textLine(int index) const override;
    int textLineOf(int displayLine) const override;

    // The encoding the file was read in, or became on saving.
    script::TextEncoding encoding() const { return encoding_; }

signals:
    // The editor's size changed and its lines have been laid out anew.
    void resized();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct DisplayLine {
        int start;   // position of the first character
        int length;  // characters, without the line break
    };
    const std::vector<DisplayLine>& displayLines() const;

    mutable std::vector<DisplayLine> lines_;
    mutable bool linesValid_ = false;
    script::TextEncoding encoding_ = script::TextEncoding::Utf8;
};

}  // namespace scrivel::app
