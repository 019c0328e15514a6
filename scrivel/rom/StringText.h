#pragma once
// A game string as text, read through a table. The table chooses the text;
// the game's own reading chooses where the string ends (stringExtent), so a
// table that does not know the end code, or belongs to another game, never
// makes a string run on through the image.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "TableFile.h"

namespace scrivel::rom {

struct Token {
    size_t length = 0;                // bytes taken (0 only at the extent end)
    std::string text;                 // what is written; each '\n' ends a line
    bool endsString = false;
    const TableEntry* entry = nullptr;  // null: read by the game's own code
};

// Reads one token at pos: the longest table entry that ends at or before
// extentEnd, else the game's own code for that byte (FF ends the string, FD
// ends the line, FE is [KEY] and ends the line, F0-F6 and FC take their
// operands, everything else is [$xx]). A token cut off by extentEnd shows
// the bytes that are there. Reads no byte at or past min(extentEnd, size).
Token readToken(const Table& table, const uint8_t* data, size_t size, size_t pos, size_t extentEnd);

// The string starting at start, as lines: cut at every line end, so a string
// that ends with a line end has an empty last line, and a string that writes
// nothing has no line at all.
std::vector<std::string> decodeString(const Table& table, const uint8_t* image, size_t size, size_t start);

}  // namespace scrivel::rom
