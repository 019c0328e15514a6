#pragma once
// The text block data file: .FORMAT lines give the text box and font layout,
// .BLOCK lines the pointer table address, text bank and string count of each
// block. Lines of the later kinds (.TABLE, .FREE, .GAMEFONT, .PREVIEWFONT)
// are collected as they stand, for the commands that use them; the format
// and block rules ignore them, so older readers still load such a file.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "FontFormat.h"

namespace scrivel::rom {

// A data file names at most this many blocks.
constexpr int MaxBlocks = 256;

struct BlockLine {
    uint32_t address = 0;   // SNES address of the pointer table
    uint32_t textBank = 0;  // bank base of the strings
    uint16_t stringCount = 0;
};

// A line of one of the later kinds: its number in the file (from 1) and what
// follows the keyword, without the blanks and carriage return around it.
struct DirectiveLine {
    size_t lineNumber = 0;
    std::string argument;
};

struct DataFileContents {
    std::vector<BlockLine> blocks;  // at most MaxBlocks
    bool truncated = false;         // more block lines than MaxBlocks were found
    // ".TABLE PATH", ".GAMEFONT ROM ADDRESS" or ".GAMEFONT PATH",
    // ".PREVIEWFONT PATH": the last line of each kind. PATH is relative to
    // the data file's folder.
    std::optional<DirectiveLine> table;
    std::optional<DirectiveLine> gameFont;
    std::optional<DirectiveLine> previewFont;
    // ".FREE START END", every one in file order, unchecked.
    std::vector<DirectiveLine> freeRanges;
};

// The later kinds of line, from the file's own lines (a line feed ends a
// line, a carriage return before it is dropped; no 255-character pieces).
// The keyword is matched without regard to letter case and must be followed
// by a blank or the line end.
void readDirectiveLines(const std::string& bytes, DataFileContents& contents);

// Lines are read as a text file reads them: a line ends at a line feed (a
// carriage return before it is dropped), and a line longer than 255
// characters is taken as consecutive pieces of at most 255 characters.
std::vector<std::string> dataFileLines(const std::string& bytes);

// Reads one format line into format (numbers it does not give keep their
// values) and multiplies number 1 by 8.
void readFormatLine(const std::string& line, FontFormat& format);

// Reads the three hexadecimal numbers of a block line; false when the line
// holds fewer than three.
bool readBlockLine(const std::string& line, BlockLine& block);

bool isFormatLine(const std::string& line);
bool isBlockLine(const std::string& line);

// Parses a whole file: format lines go into format as they come, block lines
// into the result in file order (the first MaxBlocks of them). Block lines
// with fewer than three numbers are skipped. The later kinds of line are
// collected by readDirectiveLines.
DataFileContents parseDataFile(const std::string& bytes, FontFormat& format);

}  // namespace scrivel::rom
