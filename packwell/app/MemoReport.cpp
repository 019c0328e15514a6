#include "MemoReport.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "LineText.h"

void MemoReport::appendLine(const std::string& line)
{
    QTextDocument* doc = memo_->document();
    QString text;
    if (!doc->lastBlock().text().isEmpty()) text += QChar('\n');
    text += linetext::toDisplay(line);
    text += QChar('\n');
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    appended_ = true;
}

void MemoReport::clear()
{
    memo_->clear();
    appended_ = false;
}

size_t MemoReport::lineCount() const
{
    const QTextDocument* doc = memo_->document();
    int blocks = doc->blockCount();
    return static_cast<size_t>(doc->lastBlock().text().isEmpty() ? blocks - 1 : blocks);
}

std::string MemoReport::line(size_t index) const
{
    if (index >= lineCount()) return std::string();
    return linetext::toBytes(memo_->document()->findBlockByNumber(static_cast<int>(index)).text());
}

void MemoReport::setLines(const std::vector<std::string>& lines)
{
    QString text;
    for (const std::string& l : lines) {
        text += linetext::toDisplay(l);
        text += QChar('\n');
    }
    memo_->setPlainText(text);
    appended_ = false;
}

void MemoReport::revealAppended()
{
    if (!appended_) return;
    appended_ = false;
    memo_->moveCursor(QTextCursor::End);
    memo_->ensureCursorVisible();
}
