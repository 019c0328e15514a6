#pragma once
// The editor-wide state of the script editor: one record, living for the
// whole run, read and written by the commands, the renderer and the windows.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace scrivel {

constexpr int MaxBlocks = 256;
constexpr size_t PreviewSize = 4096;

// The nine numbers of a .FORMAT line.
struct FontFormat {
    uint16_t LineWidth = 0;   // number 1, stored times 8: pixels
    uint8_t CellHeight = 0;   // number 2
    uint8_t CellWidth = 0;    // number 3
    uint8_t Fourth = 0;       // number 4, unused
    uint8_t WideAdvance = 0;  // number 5
    uint8_t Sixth = 0, Seventh = 0, Eighth = 0, Ninth = 0;  // numbers 6 to 9, unused
};

// Tile map of the text window frame.
struct FrameMapRecord {
    std::array<uint8_t, 128 * 128> tiles{};
    uint16_t rows = 0;
    uint16_t columns = 0;
    uint16_t drawRow = 0;
    uint16_t drawColumn = 0;
};

// Where the renderer reads its bytes: a buffer and a bound, so that no read
// leaves it (bytes past the end read as 0xFF).
struct ByteStream {
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t pos = 0;
    uint8_t next() { return pos < size ? data[pos++] : (pos++, 0xFF); }
    uint8_t peek(size_t ahead = 0) const { return pos + ahead < size ? data[pos + ahead] : 0xFF; }
};

// The three check items of the View menu.
struct ViewChecks {
    bool DTT = false;             // &Display Translated Text
    bool HideCodes = false;       // &Hide Control Codes
    bool UseVWFRoutine1 = false;  // &Use VWF Routine
};

struct EditorState {
    // ROM image (empty vector plus romLoaded false: no ROM loaded).
    std::vector<uint8_t> RomImage;
    bool romLoaded = false;
    std::string RomPath;
    std::string DumpsFolder;

    // Text block data file.
    FontFormat Format;
    std::array<uint32_t, MaxBlocks> BlockAddress{};
    std::array<uint32_t, MaxBlocks> BlockTextBank{};
    std::array<uint16_t, MaxBlocks> BlockStringCount{};

    // Navigation.
    int32_t CurrentBlock = 0;
    uint32_t CurrentBlockAddress = 0;
    uint16_t CurrentBlockStringCount = 0;
    int32_t CurrentString = 0;
    uint16_t CurrentPointer = 0;

    // Render state.
    ByteStream StreamPos;
    uint16_t PenX = 0;
    uint16_t PenY = 0;
    uint8_t TextColour = 0;
    std::array<uint8_t, 256> GlyphCell{};
    uint16_t FrameRows = 0;
    uint16_t FrameColumns = 0;
    FrameMapRecord FrameMap;

    // Screen: W x H visible pixels plus as many spare, RGB565.
    int ScreenWidth = 0;
    int ScreenHeight = 0;
    std::vector<uint16_t> ScreenBuffer;

    ViewChecks Checks;

    // Script file and preview.
    std::string ScriptFilePath;
    std::array<uint8_t, PreviewSize> PreviewBytes{};
    int32_t FoundLine = 0;

    // Main window.
    int DefaultWidth = 0;
    int DefaultHeight = 0;
};

}  // namespace scrivel
