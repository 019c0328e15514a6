#include "MemoReport.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include "LineText.h"

namespace packwell::app {

void MemoReport::appendLine(const std::string& line)
{
    pending_ += toDisplay(line);
    pending_ += QChar('\n');
    appended_ = true;
    if (!flushScheduled_) {
        flushScheduled_ = true;
        QTimer::singleShot(0, &flushContext_, [this] {
            flushScheduled_ = false;
            flush();
        });
    }
}

void MemoReport::flush() const
{
    if (pending_.isEmpty() || !memo_) return;
    QTextDocument* doc = memo_->document();
    if (doc->isEmpty()) {
        // Twice as fast as inserting; an empty memo has nothing to undo.
        memo_->setPlainText(pending_);
        pending_.clear();
        return;
    }
    if (!doc->lastBlock().text().isEmpty()) pending_.prepend(QChar('\n'));
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(pending_);
    pending_.clear();
}

void MemoReport::clear()
{
    pending_.clear();
    memo_->clear();
    appended_ = false;
}

size_t MemoReport::lineCount() const
{
    flush();
    const QTextDocument* doc = memo_->document();
    int blocks = doc->blockCount();
    return static_cast<size_t>(doc->lastBlock().text().isEmpty() ? blocks - 1 : blocks);
}

std::string MemoReport::line(size_t index) const
{
    if (index >= lineCount()) return std::string();
    return toBytes(memo_->document()->findBlockByNumber(static_cast<int>(index)).text());
}

void MemoReport::setLines(const std::vector<std::string>& lines)
{
    pending_.clear();
    QString text;
    for (const std::string& l : lines) {
        text += toDisplay(l);
        text += QChar('\n');
    }
    memo_->setPlainText(text);
    appended_ = false;
}

void MemoReport::revealAppended()
{
    flush();
    if (!appended_) return;
    appended_ = false;
    memo_->moveCursor(QTextCursor::End);
    memo_->ensureCursorVisible();
}

}  // namespace packwell::app
