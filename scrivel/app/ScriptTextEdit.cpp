#include "ScriptTextEdit.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>

#include "EditorFonts.h"
#include "script/TextFiles.h"

using namespace scrivel::script;

namespace scrivel::app {

namespace {

// The engine's text is UTF-8 through and through; the conversions are
// spelled out so that no 8-bit conversion can slip in between.
QString fromUtf8Text(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toUtf8Text(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace

ScriptTextEdit::ScriptTextEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setFont(courierFont(12));
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setTabChangesFocus(true);
    // A scroll bar that comes and goes would change the wrapping width, and
    // with it the line numbers, in the middle of a search.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(document(), &QTextDocument::contentsChanged, this, [this] { linesValid_ = false; });
}

void ScriptTextEdit::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    linesValid_ = false;
    emit resized();
}

const std::vector<ScriptTextEdit::DisplayLine>& ScriptTextEdit::displayLines() const
{
    if (linesValid_) return lines_;
    lines_.clear();
    const QTextDocument* doc = document();
    if (!doc->isEmpty()) {
        QAbstractTextDocumentLayout* layout = doc->documentLayout();
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
            layout->blockBoundingRect(block);  // lays the block out if it is not yet
            const QTextLayout* textLayout = block.layout();
            const int count = textLayout ? textLayout->lineCount() : 0;
            if (count == 0) {
                lines_.push_back({block.position(), block.length() - 1});
                continue;
            }
            for (int i = 0; i < count; ++i) {
                const QTextLine l = textLayout->lineAt(i);
                lines_.push_back({block.position() + l.textStart(), l.textLength()});
            }
        }
    }
    linesValid_ = true;
    return lines_;
}

int ScriptTextEdit::lineCount() const
{
    return static_cast<int>(displayLines().size());
}

std::string ScriptTextEdit::line(int index) const
{
    const auto& lines = displayLines();
    if (index < 0 || index >= static_cast<int>(lines.size())) return {};
    const DisplayLine& l = lines[static_cast<size_t>(index)];
    const QTextBlock block = document()->findBlock(l.start);
    return toUtf8Text(block.text().mid(l.start - block.position(), l.length));
}

namespace {

// The document's lines joined by "\n", positions as the document counts them.
QString documentText(const QTextDocument* document)
{
    if (document->isEmpty()) return {};
    QString all;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block != document->begin()) all += QLatin1Char('\n');
        all += block.text();
    }
    return all;
}

}  // namespace

std::string ScriptTextEdit::text() const
{
    return toUtf8Text(documentText(document()));
}

bool ScriptTextEdit::loadFromFile(const std::string& path)
{
    const std::optional<std::string> bytes = readWholeFile(path);
    if (!bytes) return false;
    const DecodedText decoded = decodeScriptBytes(*bytes);
    QString all;
    const std::vector<std::string> fileLines = splitTextLines(decoded.text);
    for (size_t i = 0; i < fileLines.size(); ++i) {
        if (i) all += QLatin1Char('\n');
        all += fromUtf8Text(fileLines[i]);
    }
    setPlainText(all);
    encoding_ = savingEncoding(decoded);
    return true;
}

std::string ScriptTextEdit::saveToFile(const std::string& path)
{
    std::vector<std::string> fileLines;
    if (!document()->isEmpty())
        for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
            fileLines.push_back(toUtf8Text(block.text()));
    TextEncoding encoding = encoding_;
    const std::string bytes = encodeScriptText(joinTextLines(fileLines), encoding);
    std::string error = writeFileAtomically(path, bytes);
    if (error.empty()) encoding_ = encoding;
    return error;
}

void ScriptTextEdit::clearText()
{
    clear();
}

int ScriptTextEdit::caretPosition() const
{
    return textCursor().selectionStart();
}

int ScriptTextEdit::selectionLength() const
{
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void ScriptTextEdit::setCaret(int position, int length)
{
    const int last = std::max(0, document()->characterCount() - 1);
    const int start = std::clamp(position, 0, last);
    const int end = std::clamp(start + std::max(0, length), start, last);
    QTextCursor cursor(document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

bool ScriptTextEdit::modified() const
{
    return document()->isModified();
}

void ScriptTextEdit::setModified(bool value)
{
    document()->setModified(value);
}

int ScriptTextEdit::firstVisibleLine() const
{
    displayLines();  // every block laid out, so the scroll bar counts display lines
    return verticalScrollBar()->value();
}

void ScriptTextEdit::scrollLines(int delta)
{
    displayLines();
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + delta);
}

int ScriptTextEdit::find(const std::string& needle, int from) const
{
    if (from < 0) from = 0;
    const QString all = documentText(document());
    if (from > all.size()) return -1;
    return static_cast<int>(all.indexOf(fromUtf8Text(needle), from, Qt::CaseInsensitive));
}

int ScriptTextEdit::lineFromPosition(int position) const
{
    const auto& lines = displayLines();
    if (lines.empty()) return 0;
    auto after = std::upper_bound(lines.begin(), lines.end(), position,
                                  [](int p, const DisplayLine& l) { return p < l.start; });
    if (after == lines.begin()) return 0;
    return static_cast<int>(after - lines.begin()) - 1;
}

// The document's blocks are the text's own lines.
int ScriptTextEdit::textLineCount() const
{
    return document()->isEmpty() ? 0 : document()->blockCount();
}

std::string ScriptTextEdit::textLine(int index) const
{
    const QTextBlock block = document()->findBlockByNumber(index);
    return block.isValid() ? toUtf8Text(block.text()) : std::string();
}

int ScriptTextEdit::textLineOf(int displayLine) const
{
    const auto& lines = displayLines();
    if (displayLine < 0 || displayLine >= static_cast<int>(lines.size())) return -1;
    return document()->findBlock(lines[static_cast<size_t>(displayLine)].start).blockNumber();
}

}  // namespace scrivel::app
