#include "DataFile.h"

#include <cctype>
#include <string_view>

namespace scrivel::rom {

namespace {

constexpr size_t LinePieceLength = 255;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool startsWithNoCase(const std::string& line, const char* prefix)
{
    for (size_t i = 0; prefix[i]; ++i) {
        if (i >= line.size()) return false;
        if (std::toupper(static_cast<unsigned char>(line[i])) != std::toupper(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

// Walks the items of a line the way formatted input does: blanks skipped,
// then one item at a time.
class LineReader {
public:
    explicit LineReader(const std::string& line) : s_(line) {}

    void skipWord()
    {
        skipBlanks();
        while (p_ < s_.size() && !isBlank(s_[p_])) ++p_;
    }

    // A decimal integer with optional sign; the value is kept modulo 2^32,
    // which keeps the low bits of any number exactly.
    bool readDecimal(uint32_t& value)
    {
        skipBlanks();
        size_t p = p_;
        bool negative = false;
        if (p < s_.size() && (s_[p] == '+' || s_[p] == '-')) negative = s_[p++] == '-';
        if (p >= s_.size() || !std::isdigit(static_cast<unsigned char>(s_[p]))) return false;
        uint32_t v = 0;
        while (p < s_.size() && std::isdigit(static_cast<unsigned char>(s_[p])))
            v = v * 10u + static_cast<uint32_t>(s_[p++] - '0');
        p_ = p;
        value = negative ? 0u - v : v;
        return true;
    }

    // A hexadecimal number with optional sign and optional 0x prefix.
    bool readHex(uint32_t& value)
    {
        skipBlanks();
        size_t p = p_;
        bool negative = false;
        if (p < s_.size() && (s_[p] == '+' || s_[p] == '-')) negative = s_[p++] == '-';
        if (p + 2 < s_.size() && s_[p] == '0' && (s_[p + 1] == 'x' || s_[p + 1] == 'X') &&
            std::isxdigit(static_cast<unsigned char>(s_[p + 2])))
            p += 2;
        if (p >= s_.size() || !std::isxdigit(static_cast<unsigned char>(s_[p]))) return false;
        uint32_t v = 0;
        while (p < s_.size() && std::isxdigit(static_cast<unsigned char>(s_[p]))) {
            char c = static_cast<char>(std::toupper(static_cast<unsigned char>(s_[p++])));
            v = v * 16u + static_cast<uint32_t>(c <= '9' ? c - '0' : c - 'A' + 10);
        }
        p_ = p;
        value = negative ? 0u - v : v;
        return true;
    }

private:
    void skipBlanks()
    {
        while (p_ < s_.size() && isBlank(s_[p_])) ++p_;
    }

    const std::string& s_;
    size_t p_ = 0;
};

}  // namespace

std::vector<std::string> dataFileLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        size_t next = end == std::string::npos ? bytes.size() : end + 1;
        if (end == std::string::npos) end = bytes.size();
        size_t stop = end;
        if (stop > start && end < bytes.size() && bytes[stop - 1] == '\r') --stop;
        std::string line = bytes.substr(start, stop - start);
        if (line.empty()) lines.emplace_back();
        for (size_t p = 0; p < line.size(); p += LinePieceLength) lines.push_back(line.substr(p, LinePieceLength));
        start = next;
    }
    return lines;
}

bool isFormatLine(const std::string& line) { return startsWithNoCase(line, ".FORMAT"); }

bool isBlockLine(const std::string& line) { return startsWithNoCase(line, ".BLOCK"); }

void readFormatLine(const std::string& line, FontFormat& format)
{
    LineReader in(line);
    in.skipWord();
    uint8_t* eightBit[8] = {&format.cellHeight,       &format.cellWidth,        &format.unusedNumbers[0],
                            &format.wideAdvance,      &format.unusedNumbers[1], &format.unusedNumbers[2],
                            &format.unusedNumbers[3], &format.unusedNumbers[4]};
    uint32_t v = 0;
    if (in.readDecimal(v)) {
        format.lineWidth = static_cast<uint16_t>(v);
        for (uint8_t* number : eightBit) {
            if (!in.readDecimal(v)) break;
            *number = static_cast<uint8_t>(v);
        }
    }
    format.lineWidth = static_cast<uint16_t>(format.lineWidth << 3);
}

bool readBlockLine(const std::string& line, BlockLine& block)
{
    LineReader in(line);
    in.skipWord();
    uint32_t address = 0, bank = 0, count = 0;
    if (!in.readHex(address) || !in.readHex(bank) || !in.readHex(count)) return false;
    block.address = address;
    block.textBank = bank;
    block.stringCount = static_cast<uint16_t>(count);
    return true;
}

namespace {

bool isBlankChar(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// The argument of line when it starts with keyword (letter case ignored)
// followed by a blank or the line end.
std::optional<std::string> directiveArgument(const std::string& line, std::string_view keyword)
{
    if (!startsWithNoCase(line, std::string(keyword).c_str())) return std::nullopt;
    if (line.size() > keyword.size() && !isBlankChar(line[keyword.size()])) return std::nullopt;
    size_t first = keyword.size();
    size_t last = line.size();
    while (first < last && isBlankChar(line[first])) ++first;
    while (last > first && isBlankChar(line[last - 1])) --last;
    return line.substr(first, last - first);
}

}  // namespace

void readDirectiveLines(const std::string& bytes, DataFileContents& contents)
{
    size_t lineNumber = 0;
    for (size_t start = 0; start < bytes.size();) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        const std::string line = bytes.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.empty() || line[0] != '.') continue;
        if (auto arg = directiveArgument(line, ".TABLE"))
            contents.table = DirectiveLine{lineNumber, *arg};
        else if (auto arg = directiveArgument(line, ".GAMEFONT"))
            contents.gameFont = DirectiveLine{lineNumber, *arg};
        else if (auto arg = directiveArgument(line, ".PREVIEWFONT"))
            contents.previewFont = DirectiveLine{lineNumber, *arg};
        else if (auto arg = directiveArgument(line, ".FREE"))
            contents.freeRanges.push_back(DirectiveLine{lineNumber, *arg});
    }
}

DataFileContents parseDataFile(const std::string& bytes, FontFormat& format)
{
    DataFileContents result;
    readDirectiveLines(bytes, result);
    for (const std::string& line : dataFileLines(bytes)) {
        if (isFormatLine(line)) readFormatLine(line, format);
        if (isBlockLine(line)) {
            BlockLine block;
            if (!readBlockLine(line, block)) continue;
            if (result.blocks.size() < static_cast<size_t>(MaxBlocks))
                result.blocks.push_back(block);
            else
                result.truncated = true;
        }
    }
    return result;
}

}  // namespace scrivel::rom
