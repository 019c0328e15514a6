#include "StringText.h"

#include <algorithm>
#include <span>

#include "StringExtent.h"

namespace scrivel::rom {

namespace {

constexpr uint8_t EndOfString = 0xFF;
constexpr uint8_t LineBreak = 0xFD;
constexpr uint8_t KeyPrompt = 0xFE;
constexpr uint8_t OperandCode = 0xFC;

// The game's own reading of the code at pos, for bytes the table lacks.
Token gameToken(const uint8_t* data, size_t pos, size_t end)
{
    const uint8_t b = data[pos];
    Token token;
    if (b == EndOfString) {
        token.length = 1;
        token.endsString = true;
        return token;
    }
    if (b == LineBreak) {
        token.length = 1;
        token.text = "\n";
        return token;
    }
    if (b == KeyPrompt) {
        token.length = 1;
        token.text = "[KEY]\n";
        return token;
    }
    size_t wanted = 1;
    if (b >= 0xF0 && b <= 0xF6)
        wanted = 2;
    else if (b == OperandCode)
        wanted = 3;
    token.length = std::min(wanted, end - pos);
    token.text = "[$" + hexDigits(std::span(data + pos, token.length)) + "]";
    return token;
}

}  // namespace

Token readToken(const Table& table, const uint8_t* data, size_t size, size_t pos, size_t extentEnd)
{
    const size_t end = std::min(extentEnd, size);
    if (pos >= end) return {};

    const TableEntry* entry = table.longestMatch(data, pos, end);
    if (!entry) return gameToken(data, pos, end);

    Token token;
    token.entry = entry;
    token.text = entry->text;
    const size_t keyEnd = pos + entry->bytes.size();
    token.length = entry->bytes.size() + entry->parameterCount;
    if (entry->parameterCount > 0)
        token.text += "[$" + hexDigits(std::span(data + keyEnd, entry->parameterCount)) + "]";
    if (entry->kind == EntryKind::LineBreak) token.text += '\n';
    if (entry->kind == EntryKind::End) token.endsString = true;
    return token;
}

std::vector<std::string> decodeString(const Table& table, const uint8_t* image, size_t size, size_t start)
{
    std::vector<std::string> lines;
    const StringExtent extent = stringExtent(image, size, start);
    if (extent.length == 0) return lines;
    const size_t end = start + extent.length;

    std::string current;
    bool wroteAnything = false;
    for (size_t pos = start; pos < end;) {
        const Token token = readToken(table, image, size, pos, end);
        for (char c : token.text) {
            if (c == '\n') {
                lines.push_back(std::move(current));
                current.clear();
            } else {
                current.push_back(c);
            }
        }
        wroteAnything = wroteAnything || !token.text.empty();
        if (token.endsString) break;
        pos += token.length;
    }
    if (wroteAnything) lines.push_back(std::move(current));
    return lines;
}

}  // namespace scrivel::rom
