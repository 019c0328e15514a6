#pragma once
// Compiles the translated text of one string (the lines of its section in
// the script file) back into script bytes for the preview.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "rom/ByteCode.h"

namespace scrivel::script {

// Room for one compiled section, its closing 255 included.
constexpr size_t PreviewSize = 4096;

// A script line ends where the game waits for a key.
constexpr uint8_t EndOfLineByte = rom::KeyPrompt;
constexpr uint8_t EndOfStringByte = rom::EndOfString;
constexpr size_t MaxCompiledLineLength = 255;

// Appends bytes to the preview buffer; keeps room for the closing 255.
class PreviewOutput {
public:
    explicit PreviewOutput(std::array<uint8_t, PreviewSize>& bytes);
    void append(uint8_t byte);
    // Appends the closing 255 (always fits).
    void finish();
    bool full() const { return count_ >= PreviewSize - 1; }
    size_t count() const { return count_; }

private:
    std::array<uint8_t, PreviewSize>& bytes_;
    size_t count_ = 0;
};

// What a character that no 8-bit code holds compiles to: "?".
constexpr uint8_t UnknownCharacterByte = 0x3F;

// The first maxCharacters characters of UTF-8 text, one byte each: a
// character up to U+00FF as its 8-bit code, one above it as "?". A byte
// that does not start a valid UTF-8 sequence counts as a character of its
// own and stays as it is.
std::string eightBitLine(const std::string& text, size_t maxCharacters);

// Compiles one line of UTF-8 text: plain characters as their 8-bit codes
// (characters above U+00FF as "?"), "[NAME]" style code names, and "[$..]"
// hex runs. At most the first 255 characters count.
void compileLine(const std::string& line, PreviewOutput& out);

// True when line starts with ".ENDS", letter case ignored.
bool isSectionEnd(const std::string& line);

// Compiles the section whose marker is line markerLine: clears bytes to
// zeros, then compiles the lines after the marker up to the line before the
// next ".ENDS" (254 after every line but the last, 255 after the last). A
// marker followed directly by ".ENDS" gives a single 255; a section that runs
// to the end of the text ends with 254 and 255. Returns the byte count, the
// closing 255 included.
size_t compileSection(int lineCount, const std::function<std::string(int)>& lineAt, int markerLine,
                      std::array<uint8_t, PreviewSize>& bytes);

// The same over a vector of lines.
size_t compileSection(const std::vector<std::string>& lines, int markerLine, std::array<uint8_t, PreviewSize>& bytes);

}  // namespace scrivel::script
