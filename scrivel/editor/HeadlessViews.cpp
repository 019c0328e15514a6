#include "HeadlessViews.h"

#include <algorithm>
#include <cctype>

#include "script/TextFiles.h"

namespace scrivel::editor {

using script::joinTextLines;
using script::readWholeFile;
using script::splitTextLines;
using script::writeFileAtomically;

void HeadlessListView::clear()
{
    entries_.clear();
    selected_ = -1;
}

void HeadlessListView::add(const std::string& entry) { entries_.push_back(entry); }

void HeadlessListView::select(int index) { selected_ = index >= 0 && index < count() ? index : -1; }

std::string HeadlessListView::entry(int index) const
{
    return index >= 0 && index < count() ? entries_[static_cast<size_t>(index)] : std::string();
}

std::string HeadlessTextEditor::line(int index) const
{
    return index >= 0 && index < lineCount() ? lines_[static_cast<size_t>(index)] : std::string();
}

std::string HeadlessTextEditor::text() const
{
    std::string all;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (i) all += '\n';
        all += lines_[i];
    }
    return all;
}

int HeadlessTextEditor::textLength() const
{
    size_t length = lines_.empty() ? 0 : lines_.size() - 1;
    for (const std::string& l : lines_) length += l.size();
    return static_cast<int>(length);
}

void HeadlessTextEditor::changed()
{
    ++changeCount_;
    if (onChange_) onChange_();
}

bool HeadlessTextEditor::loadFromFile(const std::string& path)
{
    auto bytes = readWholeFile(path);
    if (!bytes) return false;
    script::DecodedText decoded = script::decodeScriptBytes(*bytes);
    lines_ = splitTextLines(decoded.text);
    encoding_ = script::savingEncoding(decoded);
    caret_ = 0;
    selection_ = 0;
    firstVisible_ = 0;
    changed();
    return true;
}

std::string HeadlessTextEditor::saveToFile(const std::string& path)
{
    script::TextEncoding encoding = encoding_;
    const std::string bytes = script::encodeScriptText(joinTextLines(lines_), encoding);
    std::string error = writeFileAtomically(path, bytes);
    if (error.empty()) encoding_ = encoding;
    return error;
}

void HeadlessTextEditor::clearText()
{
    lines_.clear();
    caret_ = 0;
    selection_ = 0;
    firstVisible_ = 0;
    changed();
}

void HeadlessTextEditor::setText(const std::string& text)
{
    lines_ = splitTextLines(text);
    if (!text.empty() && (text.back() == '\n' || text.back() == '\r')) lines_.emplace_back();
    caret_ = std::min(caret_, textLength());
    selection_ = 0;
    changed();
}

void HeadlessTextEditor::type(const std::string& typed)
{
    std::string all = text();
    int at = std::clamp(caret_, 0, static_cast<int>(all.size()));
    int end = std::clamp(at + selection_, at, static_cast<int>(all.size()));
    all.replace(static_cast<size_t>(at), static_cast<size_t>(end - at), typed);
    lines_ = splitTextLines(all);
    if (!all.empty() && all.back() == '\n') lines_.emplace_back();
    caret_ = at + static_cast<int>(typed.size());
    selection_ = 0;
    modified_ = true;
    changed();
}

void HeadlessTextEditor::setCaret(int position, int selectionLength)
{
    int length = textLength();
    caret_ = std::clamp(position, 0, length);
    selection_ = std::clamp(selectionLength, 0, length - caret_);
}

void HeadlessTextEditor::scrollLines(int delta)
{
    int last = lineCount() - (visibleLines_ > 0 ? visibleLines_ : 1);
    firstVisible_ = std::clamp(firstVisible_ + delta, 0, std::max(0, last));
}

int HeadlessTextEditor::find(const std::string& needle, int from) const
{
    std::string all = text();
    if (from < 0) from = 0;
    if (needle.empty() || static_cast<size_t>(from) > all.size()) return -1;
    auto lower = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
    auto it = std::search(all.begin() + from, all.end(), needle.begin(), needle.end(),
                          [&](char a, char b) { return lower(a) == lower(b); });
    return it == all.end() ? -1 : static_cast<int>(it - all.begin());
}

int HeadlessTextEditor::lineFromPosition(int position) const
{
    int start = 0;
    for (int i = 0; i < lineCount(); ++i) {
        int end = start + static_cast<int>(lines_[static_cast<size_t>(i)].size());
        if (position <= end) return i;
        start = end + 1;
    }
    return std::max(0, lineCount() - 1);
}

void HeadlessScreen::clearBitmap()
{
    std::fill(pixels_.begin(), pixels_.end(), 0);
}

void HeadlessScreen::present(const uint16_t* pixels, int width, int height)
{
    width_ = width;
    height_ = height;
    pixels_.assign(pixels, pixels + static_cast<size_t>(width) * static_cast<size_t>(height));
    ++presentCount_;
}

void HeadlessEditorView::setStatusText(int panel, const std::string& text)
{
    if (panel >= 0 && panel <= 2) status[panel] = text;
}

}  // namespace scrivel::editor
