#pragma once
// The plain side of the hex window: its copy of the current string's bytes,
// the cursor, the glyph picture under the cursor and the caption. The window
// (HexData) draws what this holds.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace scrivel {

struct EditorState;

class HexModel {
public:
    static constexpr int Capacity = 4096;

    int HexColumns = 0;
    int HexRows = 0;
    int CursorColumn = 0;
    int CursorRow = 0;
    int TopOffset = 0;
    std::array<uint8_t, Capacity> HexBytes{};
    uint16_t HexCount = 0;

    // Copies the string that starts at data (at most available bytes can be
    // read) up to and including its 0xFF, at most Capacity bytes. Does
    // nothing when romLoaded is false.
    void showBytes(const uint8_t* data, size_t available, bool romLoaded);

    // Sets HexColumns to 16 and HexRows from the client height and line
    // height, as every drawing does.
    void layout(int clientHeight, int lineHeight);

    // The arrow keys (each sets HexColumns to 16 first).
    void left();
    void up();
    void right();
    void down();

    // Index in HexBytes of the byte under the cursor. The grid may scroll so
    // far that the cursor lies past the 4096 bytes; byteAt reads 0 there.
    int cursorIndex() const;
    // The byte at index of the grid: HexBytes inside it, 0 outside.
    uint8_t byteAt(int index) const;
    // The 16 x 16 picture (1 set, 0 clear, row after row) of the game-font
    // glyph that the byte under the cursor selects.
    std::array<uint8_t, 256> cursorGlyph() const;
    // "Hex Data - $" and the address of the byte under the cursor.
    std::string caption(const EditorState& state) const;
};

}  // namespace scrivel
