#pragma once
// Plain in-memory stand-ins for the editor's windows, used by the
// command-line twin and the tests. They behave as the desktop widgets do in
// what the commands can see: a list selects nothing when filled, the text
// editor reports every change of its text, the screen keeps the last picture.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "EditorView.h"
#include "script/ScriptEncoding.h"

namespace scrivel::editor {

class HeadlessListView : public ListView {
public:
    void clear() override;
    void add(const std::string& entry) override;
    int count() const override { return static_cast<int>(entries_.size()); }
    void select(int index) override;
    int selected() const override { return selected_; }
    std::string entry(int index) const override;
    void setHint(const std::string& hint) override { hint_ = hint; }
    void focus() override { ++focusCount_; }

    const std::string& hint() const { return hint_; }
    int focusCount() const { return focusCount_; }

private:
    std::vector<std::string> entries_;
    int selected_ = -1;
    std::string hint_;
    int focusCount_ = 0;
};

// A text editor over lines without wrapping: every line of the text is one
// displayed line. Its text is UTF-8, and its positions count bytes of it.
class HeadlessTextEditor : public TextEditorView {
public:
    // Run after every change of the text (loading, clearing, typing).
    void setChangeHandler(std::function<void()> handler) { onChange_ = std::move(handler); }
    // How many lines the editor shows at once; scrolling stops when the last
    // line is at the bottom. 0: no limit below the last line.
    void setVisibleLines(int lines) { visibleLines_ = lines; }

    int lineCount() const override { return static_cast<int>(lines_.size()); }
    std::string line(int index) const override;
    std::string text() const override;
    bool loadFromFile(const std::string& path) override;
    std::string saveToFile(const std::string& path) override;
    void clearText() override;
    int caretPosition() const override { return caret_; }
    int selectionLength() const override { return selection_; }
    void setCaret(int position, int selectionLength) override;
    bool modified() const override { return modified_; }
    void setModified(bool modified) override { modified_ = modified; }
    int firstVisibleLine() const override { return firstVisible_; }
    void scrollLines(int delta) override;
    int find(const std::string& needle, int from) const override;
    int lineFromPosition(int position) const override;

    // Replaces the text as the program would (no change to the modified flag).
    void setText(const std::string& text);
    // The user types text at the caret: the text changes and is marked
    // modified, the caret moves after the typed text.
    void type(const std::string& typed);
    int changeCount() const { return changeCount_; }
    // The encoding the file was read in, or became on saving.
    script::TextEncoding encoding() const { return encoding_; }

private:
    void changed();
    int textLength() const;

    std::vector<std::string> lines_;
    int caret_ = 0;
    int selection_ = 0;
    bool modified_ = false;
    int firstVisible_ = 0;
    int visibleLines_ = 0;
    int changeCount_ = 0;
    script::TextEncoding encoding_ = script::TextEncoding::Utf8;
    std::function<void()> onChange_;
};

// The paint box: keeps the last picture presented.
class HeadlessScreen : public ScreenView {
public:
    void clearBitmap() override;
    void present(const uint16_t* pixels, int width, int height) override;

    const std::vector<uint16_t>& pixels() const { return pixels_; }
    int width() const { return width_; }
    int height() const { return height_; }
    int presentCount() const { return presentCount_; }

private:
    std::vector<uint16_t> pixels_;
    int width_ = 0;
    int height_ = 0;
    int presentCount_ = 0;
};

class HeadlessHexView : public HexView {
public:
    void bytesChanged() override { ++changes_; }
    int changes() const { return changes_; }

private:
    int changes_ = 0;
};

// The main window with its lists, status bar panels and caption in their
// initial states.
class HeadlessEditorView : public EditorView {
public:
    ListView& blockList() override { return blocks; }
    ListView& stringList() override { return strings; }
    TextEditorView& textEditor() override { return editor; }
    ScreenView& screen() override { return video; }
    HexView& hexView() override { return hex; }
    void setStatusText(int panel, const std::string& text) override;
    void setCaption(const std::string& text) override { caption = text; }
    void setLoadDataFileEnabled(bool enabled) override { loadDataFileEnabled = enabled; }
    void requestClose() override { closeRequested = true; }
    void showReport(const std::string& title, const std::string& text) override
    {
        reportTitle = title;
        report = text;
    }

    HeadlessListView blocks;
    HeadlessListView strings;
    HeadlessTextEditor editor;
    HeadlessScreen video;
    HeadlessHexView hex;
    std::string status[3] = {"Offset: 000000 | PTR: 0000", "Control Codes: Visible | VWF: Inactive", ""};
    std::string caption = "Script Editor: Varkel Osti";
    bool loadDataFileEnabled = false;
    bool closeRequested = false;
    std::string reportTitle, report;  // the last report shown
};

}  // namespace scrivel::editor
