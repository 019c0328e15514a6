#pragma once
// The plain side of the hex window: its copy of the current string's bytes,
// the cursor, the glyph picture under the cursor and the caption. The window
// (HexWindow) draws what this holds.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "render/Fonts.h"

namespace scrivel::editor {

struct EditorState;

class HexModel {
public:
    static constexpr int Capacity = 4096;

    int columns = 0;
    int rows = 0;
    int cursorColumn = 0;
    int cursorRow = 0;
    int topOffset = 0;
    std::array<uint8_t, Capacity> bytes{};
    uint16_t count = 0;

    // Copies the string at the start of string up to and including its
    // 0xFF, at most Capacity bytes; past the view's end the bytes read 0xFF.
    void showBytes(std::span<const uint8_t> string);

    // Sets columns to 16 and rows from the client height and line
    // height, as every drawing does.
    void layout(int clientHeight, int lineHeight);

    // The arrow keys (each sets columns to 16 first).
    void left();
    void up();
    void right();
    void down();

    // Index in bytes of the byte under the cursor. The grid may scroll so
    // far that the cursor lies past the 4096 bytes; byteAt reads 0 there.
    int cursorIndex() const;
    // The byte at index of the grid: bytes inside it, 0 outside.
    uint8_t byteAt(int index) const;
    // The 16 x 16 picture (1 set, 0 clear, row after row) of the game-font
    // glyph that the byte under the cursor selects.
    std::array<uint8_t, 256> cursorGlyph(std::span<const uint8_t> gameFont = render::GameFont) const;
    // "Hex Data - $" and the address of the byte under the cursor.
    std::string caption(const EditorState& state) const;
};

}  // namespace scrivel::editor
