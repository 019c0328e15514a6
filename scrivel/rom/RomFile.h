#pragma once
// Reading a ROM file into memory: the optional 512-byte copier header is
// dropped, and the game's title at 0x7FC0 tells the one ROM we work on.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace scrivel::rom {

constexpr size_t CopierHeaderLength = 512;
constexpr size_t TitleOffset = 0x7FC0;
constexpr char GameTitle[] = "VARKEL -OSTI-";  // 13 bytes, compared without terminator
constexpr size_t GameTitleLength = 13;

enum class RomReadStatus { Ok, CannotOpen, OutOfMemory };

// Reads the file at path. A file length with bit 9 (0x200) set means the
// file starts with a copier header, which is skipped. On success image holds
// the bytes after the header; on failure it is left empty.
RomReadStatus readRomFile(const std::string& path, std::vector<uint8_t>& image);

// The length of the copier header a file of fileLength bytes starts with:
// CopierHeaderLength when bit 9 of the length is set, else 0.
constexpr size_t copierHeaderLength(size_t fileLength) { return (fileLength & 0x200) ? CopierHeaderLength : 0; }

// A ROM file exactly as it is on disk, and the length of its copier header
// (the image is file[headerLength..]).
struct RomFileBytes {
    std::vector<uint8_t> file;
    size_t headerLength = 0;
};

// Reads the whole file at path, header included, by the same rule as
// readRomFile. On failure file is left empty.
RomReadStatus readRomFileWhole(const std::string& path, RomFileBytes& rom);

// True when the image is long enough to hold the title and carries it,
// byte for byte and case-sensitively.
bool hasGameTitle(std::span<const uint8_t> image);

}  // namespace scrivel::rom
