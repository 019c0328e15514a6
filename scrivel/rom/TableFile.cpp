#include "TableFile.h"

#include "files/WholeFile.h"
#include "text/Utf8.h"

#include <algorithm>

namespace scrivel::rom {

namespace {

constexpr unsigned MaxParameterCount = 8;

int hexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// An even number of hexadecimal digits, at least two.
std::optional<std::vector<uint8_t>> parseKey(std::string_view digits)
{
    if (digits.size() < 2 || digits.size() % 2 != 0) return std::nullopt;
    std::vector<uint8_t> bytes;
    bytes.reserve(digits.size() / 2);
    for (size_t i = 0; i < digits.size(); i += 2) {
        const int high = hexValue(digits[i]);
        const int low = hexValue(digits[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes.push_back(static_cast<uint8_t>(high * 16 + low));
    }
    return bytes;
}

// The two characters \n stand for a line end.
std::string unescapeText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out.push_back('\n');
            ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::optional<unsigned> parseParameterCount(std::string_view digits)
{
    if (digits.empty() || digits.size() > 3) return std::nullopt;
    unsigned value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value > MaxParameterCount) return std::nullopt;
    return value;
}

std::optional<TableEntry> parseEntry(std::string_view line)
{
    TableEntry entry;
    std::string_view rest = line;
    if (!rest.empty() && (rest[0] == '/' || rest[0] == '*' || rest[0] == '$')) {
        entry.kind = rest[0] == '/' ? EntryKind::End : rest[0] == '*' ? EntryKind::LineBreak : EntryKind::Control;
        rest.remove_prefix(1);
    }
    const size_t equals = rest.find('=');
    const bool textOptional = entry.kind == EntryKind::End || entry.kind == EntryKind::LineBreak;
    if (equals == std::string_view::npos && !textOptional) return std::nullopt;

    auto key = parseKey(rest.substr(0, equals));
    if (!key) return std::nullopt;
    entry.bytes = std::move(*key);
    if (equals == std::string_view::npos) return entry;

    std::string_view text = rest.substr(equals + 1);
    if (entry.kind == EntryKind::Control) {
        const size_t comma = text.rfind(',');
        if (comma == std::string_view::npos) return std::nullopt;
        auto count = parseParameterCount(text.substr(comma + 1));
        if (!count) return std::nullopt;
        entry.parameterCount = *count;
        text = text.substr(0, comma);
    }
    entry.text = unescapeText(text);
    return entry;
}

bool isBlank(std::string_view line)
{
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

bool isSkipped(std::string_view line)
{
    return isBlank(line) || line.starts_with('#') || line.starts_with(';') || line.starts_with("//") ||
           line.starts_with('@') || line.starts_with('!');
}

}  // namespace

std::string hexDigits(std::span<const uint8_t> bytes)
{
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (uint8_t b : bytes) {
        out.push_back(Digits[b >> 4]);
        out.push_back(Digits[b & 15]);
    }
    return out;
}

uint32_t Table::child(uint32_t node, uint8_t byte) const
{
    const Node& n = nodes_[node];
    if (!n.byByte.empty()) return n.byByte[byte];
    for (const auto& [b, next] : n.children)
        if (b == byte) return next;
    return 0;
}

const TableEntry* Table::add(TableEntry entry)
{
    uint32_t node = 0;
    for (uint8_t byte : entry.bytes) {
        if (const uint32_t next = child(node, byte)) {
            node = next;
            continue;
        }
        const auto created = static_cast<uint32_t>(nodes_.size());
        nodes_.push_back(Node{});
        Node& parent = nodes_[node];
        if (parent.byByte.empty() && parent.children.size() < ListedChildren) {
            parent.children.emplace_back(byte, created);
        } else {
            if (parent.byByte.empty()) {
                parent.byByte.assign(256, 0);
                for (const auto& [b, next] : parent.children) parent.byByte[b] = next;
                parent.children.clear();
                parent.children.shrink_to_fit();
            }
            parent.byByte[byte] = created;
        }
        node = created;
    }
    if (nodes_[node].entry >= 0) return &entries_[static_cast<size_t>(nodes_[node].entry)];
    nodes_[node].entry = static_cast<int32_t>(entries_.size());
    entries_.push_back(std::move(entry));
    return nullptr;
}

const TableEntry* Table::find(std::span<const uint8_t> bytes) const
{
    uint32_t node = 0;
    for (uint8_t byte : bytes) {
        node = child(node, byte);
        if (node == 0) return nullptr;
    }
    const int32_t entry = nodes_[node].entry;
    return entry >= 0 ? &entries_[static_cast<size_t>(entry)] : nullptr;
}

const TableEntry* Table::longestMatch(const uint8_t* data, size_t pos, size_t end) const
{
    const TableEntry* best = nullptr;
    uint32_t node = 0;
    for (size_t i = pos; i < end; ++i) {
        node = child(node, data[i]);
        if (node == 0) break;
        const int32_t index = nodes_[node].entry;
        if (index < 0) continue;
        const TableEntry& entry = entries_[static_cast<size_t>(index)];
        // The key ends at i; the parameter bytes must fit before end too.
        if (entry.parameterCount <= end - (i + 1)) best = &entry;
    }
    return best;
}

TableLoad parseTable(std::string_view bytes, const std::string& fileName)
{
    TableLoad result;
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);

    if (const size_t bad = common::firstInvalidUtf8(bytes); bad != std::string_view::npos) {
        const size_t line = 1 + static_cast<size_t>(std::count(bytes.begin(), bytes.begin() + static_cast<ptrdiff_t>(bad), '\n'));
        result.error = "Error: " + fileName + ":" + std::to_string(line) + ": not valid UTF-8 text";
        return result;
    }

    Table table;
    size_t lineNumber = 0;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (isSkipped(line)) continue;

        auto entry = parseEntry(line);
        if (!entry) {
            result.warnings.clear();
            result.error = "Error: " + fileName + ":" + std::to_string(lineNumber) + ": not a table entry: " + std::string(line);
            return result;
        }
        entry->line = lineNumber;
        const std::string key = hexDigits(entry->bytes);
        if (const TableEntry* earlier = table.add(std::move(*entry)))
            result.warnings.push_back("Warning: " + fileName + ":" + std::to_string(lineNumber) + ": the bytes " + key +
                                      " are given again; line " + std::to_string(earlier->line) + " stands");
    }
    result.table = std::move(table);
    return result;
}

TableLoad loadTable(const std::string& path)
{
    const std::optional<std::string> bytes = common::readWholeFile(path);
    if (!bytes) {
        TableLoad failed;
        failed.error = "Error: " + path + ": cannot read the table";
        return failed;
    }
    return parseTable(*bytes, path);
}

}  // namespace scrivel::rom
