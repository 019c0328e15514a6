#pragma once
// The fonts a text block data file names, read when the data file loads:
//
//   .GAMEFONT ROM ADDRESS   the game font's 40,512 bytes in the ROM image,
//                           from the file offset of the SNES address ADDRESS
//                           (hexadecimal, "$" allowed before it) on
//   .GAMEFONT PATH          a .bin file of the font's bytes or a .png sheet
//   .PREVIEWFONT PATH       the same for the preview font
//
// PATH is relative to the data file's folder. A font whose line is missing
// or cannot be used is the program's own stand-in; every problem of both
// lines is told in one message, so the user can mend them all at once.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "EditorState.h"
#include "rom/DataFile.h"

namespace scrivel::editor {

// What the argument of a .GAMEFONT line asks for: a place in the ROM image,
// or a file. The keyword ROM is matched without regard to letter case.
struct GameFontSource {
    std::optional<uint32_t> romAddress;  // "ROM ADDRESS"
    std::string path;                    // otherwise the file, as written
    std::string error;                   // a complete message when the argument is neither
};
GameFontSource parseGameFontArgument(const std::string& argument);

// A font file's path as the session opens it: an absolute path stays, any
// other is taken from the data file's folder.
std::string fontFilePath(const std::string& dataFilePath, const std::string& path);

struct DataFileFonts {
    // The fonts read, or null where the line is missing or failed.
    std::shared_ptr<const std::vector<uint8_t>> game;
    std::shared_ptr<const std::vector<uint8_t>> preview;
    // One message naming every problem, with the line it came from; empty
    // when both lines (if any) loaded.
    std::string error;
};

// Reads the fonts named by the data file's lines; ROM addresses index
// romImage (the image without a copier header). A file is read only while
// its line is well formed.
DataFileFonts loadDataFileFonts(const rom::DataFileContents& dataFile, const std::string& dataFilePath,
                                std::span<const uint8_t> romImage, bool romLoaded = true);

// Points state.fonts at the fonts that state.dataFile names (kept alive by
// the state), the program's own where a line is missing or failed, and
// returns the message naming the problems (empty when there are none).
std::string useDataFileFonts(EditorState& state);

}  // namespace scrivel::editor
