#include "PreviewCompiler.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "CodeNameTable.h"
#include "ScriptEncoding.h"

namespace scrivel::script {

namespace {

bool matchesNoCase(const std::string& text, size_t at, const char* name)
{
    for (size_t i = 0; name[i]; ++i) {
        if (at + i >= text.size()) return false;
        if (std::toupper(static_cast<unsigned char>(text[at + i])) != std::toupper(static_cast<unsigned char>(name[i])))
            return false;
    }
    return true;
}

// A hex run starting at the "$" at dollar: two characters at a time, each
// pair read as a base-16 number, up to the "]" (or the end of the line).
// Returns the position after the run.
size_t compileHexRun(const std::string& line, size_t dollar, PreviewOutput& out)
{
    size_t i = dollar + 1;
    while (i < line.size() && line[i] != ']') {
        char pair[3] = {line[i], i + 1 < line.size() ? line[i + 1] : '\0', '\0'};
        long value = std::strtol(pair, nullptr, 16);
        out.append(static_cast<uint8_t>(value & 0xFF));
        i += 2;
    }
    return i < line.size() ? i + 1 : line.size();
}

}  // namespace

PreviewOutput::PreviewOutput(std::array<uint8_t, PreviewSize>& bytes) : bytes_(bytes) {}

void PreviewOutput::append(uint8_t byte)
{
    if (!full()) bytes_[count_++] = byte;
}

void PreviewOutput::finish() { bytes_[count_++] = EndOfStringByte; }

std::string eightBitLine(const std::string& text, size_t maxCharacters)
{
    std::string line;
    line.reserve(std::min(text.size(), maxCharacters));
    char32_t c = 0;
    for (size_t pos = 0; pos < text.size() && line.size() < maxCharacters;) {
        pos += readCodePoint(text, pos, c);
        line += static_cast<char>(c <= 0xFF ? c : UnknownCharacterByte);
    }
    return line;
}

void compileLine(const std::string& fullLine, PreviewOutput& out)
{
    // One byte per character from here on, so a Latin-1 text compiles as it
    // always has, byte for byte.
    const std::string line = eightBitLine(fullLine, MaxCompiledLineLength);
    size_t p = 0;
    while (p < line.size() && !out.full()) {
        if (line[p] != '[') {
            out.append(static_cast<uint8_t>(line[p]));
            ++p;
            continue;
        }
        bool named = false;
        for (const CodeName& row : CodeNameTable) {
            if (!matchesNoCase(line, p + 1, row.name)) continue;
            out.append(row.code);
            size_t q = p + 1 + std::char_traits<char>::length(row.name);
            if (q < line.size() && line[q] == '$')
                p = compileHexRun(line, q, out);
            else
                p = q + 1;  // the character after the name stands for the closing bracket
            named = true;
            break;
        }
        if (named) continue;
        if (p + 1 < line.size() && line[p + 1] == '$') {
            p = compileHexRun(line, p + 1, out);
        } else {
            out.append('[');
            ++p;
        }
    }
}

bool isSectionEnd(const std::string& line) { return matchesNoCase(line, 0, ".ENDS"); }

size_t compileSection(int lineCount, const std::function<std::string(int)>& lineAt, int markerLine,
                      std::array<uint8_t, PreviewSize>& bytes)
{
    bytes.fill(0);
    PreviewOutput out(bytes);
    int j = markerLine + 1;
    if (j < lineCount && isSectionEnd(lineAt(j))) {
        out.finish();
        return out.count();
    }
    std::string current = j < lineCount ? lineAt(j) : std::string();
    for (; j < lineCount && !out.full(); ++j) {
        compileLine(current, out);
        std::string next = j + 1 < lineCount ? lineAt(j + 1) : std::string();
        if (j + 1 < lineCount && isSectionEnd(next)) break;
        out.append(EndOfLineByte);
        current = std::move(next);
    }
    out.finish();
    return out.count();
}

size_t compileSection(const std::vector<std::string>& lines, int markerLine, std::array<uint8_t, PreviewSize>& bytes)
{
    return compileSection(static_cast<int>(lines.size()), [&](int i) { return lines[static_cast<size_t>(i)]; },
                          markerLine, bytes);
}

}  // namespace scrivel::script
