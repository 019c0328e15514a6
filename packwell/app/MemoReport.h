#pragma once
// The report area over the main window's memo. The memo behaves like a
// list of lines: each line is followed by a line break, and a final line
// that is empty (the place after the last break) is not a line. Appended
// lines go after the text the user typed, starting a new line if needed.
// They are gathered and handed to the memo in one insertion (a merge report
// can run to tens of thousands of lines): before any other access, when the
// window system next handles events, and when revealAppended is called.

#include <QObject>
#include <QPointer>
#include <QPlainTextEdit>

#include "pack/MergerSession.h"

namespace packwell::app {

class MemoReport : public pack::ReportArea {
public:
    explicit MemoReport(QPlainTextEdit* memo) : memo_(memo) {}

    void appendLine(const std::string& line) override;
    void clear() override;
    size_t lineCount() const override;
    std::string line(size_t index) const override;
    void setLines(const std::vector<std::string>& lines) override;

    // Puts the caret after the last line and scrolls it into view, as the
    // memo does after lines were added; does nothing if none were added
    // since the last call.
    void revealAppended();
    // Hands the gathered lines to the memo.
    void flush() const;

private:
    QPointer<QPlainTextEdit> memo_;
    mutable QString pending_;
    mutable bool flushScheduled_ = false;
    QObject flushContext_;  // a scheduled flush dies with this report
    bool appended_ = false;
};

}  // namespace packwell::app
