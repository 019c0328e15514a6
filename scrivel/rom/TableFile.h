#pragma once
// A table file says which text a run of game bytes stands for. One entry per
// line, keyed by its bytes:
//   HEX=TEXT        the bytes stand for TEXT
//   /HEX[=TEXT]     end token: TEXT, then the string ends
//   *HEX[=TEXT]     line-break token: TEXT, then the line ends
//   $HEX=TEXT,N     control code with N parameter bytes (0 to 8)
// Inside TEXT the two characters \n end a line. Blank lines and lines that
// begin with #, ; or // are comments; lines that begin with @ or ! (table
// names and switching) are ignored, as one game has one table.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace scrivel::rom {

enum class EntryKind { Text, End, LineBreak, Control };

struct TableEntry {
    std::vector<uint8_t> bytes;  // the key, at least one byte
    EntryKind kind = EntryKind::Text;
    std::string text;            // UTF-8; each '\n' in it ends a line
    unsigned parameterCount = 0; // Control entries only
    size_t line = 0;             // line of the table file that gave it
};

class Table {
public:
    // Adds the entry unless an entry with the same bytes is already there;
    // returns that earlier entry then (the new one is dropped), else null.
    const TableEntry* add(TableEntry entry);

    const TableEntry* find(std::span<const uint8_t> bytes) const;

    // The entry with the longest key that matches the bytes at pos and that,
    // with a control entry's parameter bytes, ends at or before end; null when
    // none does. Reads no byte at or past end.
    const TableEntry* longestMatch(const uint8_t* data, size_t pos, size_t end) const;

    const std::vector<TableEntry>& entries() const { return entries_; }

private:
    // A byte trie: the walk from one position costs one step per key byte,
    // whatever the number of entries. A node with few children lists them;
    // one with many (the root, the lead bytes of two-byte glyphs) indexes
    // them by byte.
    struct Node {
        std::vector<std::pair<uint8_t, uint32_t>> children;
        std::vector<uint32_t> byByte;  // empty, or 256 node numbers (0: none)
        int32_t entry = -1;
    };
    static constexpr size_t ListedChildren = 8;
    uint32_t child(uint32_t node, uint8_t byte) const;  // 0: none

    std::vector<TableEntry> entries_;
    std::vector<Node> nodes_{Node{}};
};

struct TableLoad {
    std::optional<Table> table;         // empty when the table is refused
    std::vector<std::string> warnings;  // "Warning: ..." lines, in file order
    std::string error;                  // "Error: ..." when refused
};

// fileName names the table in the messages.
TableLoad parseTable(std::string_view bytes, const std::string& fileName);
TableLoad loadTable(const std::string& path);

// Upper-case hexadecimal digits, two per byte, no separator.
std::string hexDigits(std::span<const uint8_t> bytes);

}  // namespace scrivel::rom
