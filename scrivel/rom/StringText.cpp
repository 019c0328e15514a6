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

struct TokenRead {
    size_t length = 0;
    bool endsString = false;
    const TableEntry* entry = nullptr;
};

void appendHexRun(std::string& out, const uint8_t* bytes, size_t count)
{
    out += "[$";
    out += hexDigits(std::span(bytes, count));
    out += ']';
}

// The game's own reading of the code at pos, for bytes the table lacks.
TokenRead appendGameToken(const uint8_t* data, size_t pos, size_t end, std::string& out)
{
    const uint8_t b = data[pos];
    if (b == EndOfString) return {1, true, nullptr};
    if (b == LineBreak) {
        out += '\n';
        return {1, false, nullptr};
    }
    if (b == KeyPrompt) {
        out += "[KEY]\n";
        return {1, false, nullptr};
    }
    size_t wanted = 1;
    if (b >= 0xF0 && b <= 0xF6)
        wanted = 2;
    else if (b == OperandCode)
        wanted = 3;
    const size_t length = std::min(wanted, end - pos);
    appendHexRun(out, data + pos, length);
    return {length, false, nullptr};
}

// Appends the text of the token at pos to out (decodeString gathers a whole
// string in one buffer this way, without a string per token).
TokenRead appendToken(const Table& table, const uint8_t* data, size_t pos, size_t end, std::string& out)
{
    const TableEntry* entry = table.longestMatch(data, pos, end);
    if (!entry) return appendGameToken(data, pos, end, out);

    out += entry->text;
    if (entry->parameterCount > 0) appendHexRun(out, data + pos + entry->bytes.size(), entry->parameterCount);
    if (entry->kind == EntryKind::LineBreak) out += '\n';
    return {entry->bytes.size() + entry->parameterCount, entry->kind == EntryKind::End, entry};
}

}  // namespace

Token readToken(const Table& table, const uint8_t* data, size_t size, size_t pos, size_t extentEnd)
{
    const size_t end = std::min(extentEnd, size);
    if (pos >= end) return {};
    Token token;
    const TokenRead read = appendToken(table, data, pos, end, token.text);
    token.length = read.length;
    token.endsString = read.endsString;
    token.entry = read.entry;
    return token;
}

std::vector<std::string> decodeString(const Table& table, const uint8_t* image, size_t size, size_t start)
{
    std::vector<std::string> lines;
    const StringExtent extent = stringExtent(image, size, start);
    const size_t end = start + extent.length;

    std::string text;
    for (size_t pos = start; pos < end;) {
        const TokenRead read = appendToken(table, image, pos, end, text);
        if (read.endsString) break;
        pos += read.length;
    }
    // Nothing written, no line; otherwise every line end starts a new line,
    // so a string that ends with one has an empty last line.
    if (text.empty()) return lines;
    size_t lineStart = 0;
    for (size_t cut; (cut = text.find('\n', lineStart)) != std::string::npos; lineStart = cut + 1)
        lines.emplace_back(text, lineStart, cut - lineStart);
    lines.emplace_back(text, lineStart);
    return lines;
}

}  // namespace scrivel::rom
