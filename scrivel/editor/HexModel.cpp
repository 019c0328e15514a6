#include "HexModel.h"

#include <cstdio>

#include "EditorState.h"
#include "render/GlyphPictures.h"

namespace scrivel {

void HexModel::showBytes(const uint8_t* data, size_t available, bool romLoaded)
{
    if (!romLoaded) return;
    auto at = [&](size_t i) -> uint8_t { return data && i < available ? data[i] : 0xFF; };
    HexBytes.fill(0);
    TopOffset = 0;
    HexCount = 0;
    while (HexCount < Capacity && at(HexCount) != 0xFF) {
        HexBytes[HexCount] = at(HexCount);
        ++HexCount;
        if (HexCount < Capacity && at(HexCount) == 0xFF) {
            HexBytes[HexCount] = 0xFF;
            ++HexCount;
            break;
        }
    }
    if (HexCount == 0) {
        HexBytes[0] = 0xFF;
        HexCount = 1;
    }
}

void HexModel::layout(int clientHeight, int lineHeight)
{
    HexColumns = 16;
    HexRows = lineHeight > 0 ? clientHeight / lineHeight : 0;
}

void HexModel::left()
{
    HexColumns = 16;
    if (CursorColumn > 0) {
        --CursorColumn;
    } else {
        CursorColumn = HexColumns - 1;
        up();
    }
}

void HexModel::up()
{
    HexColumns = 16;
    if (CursorRow > 0)
        --CursorRow;
    else if (TopOffset != 0)
        TopOffset -= HexColumns;
}

void HexModel::right()
{
    HexColumns = 16;
    if (CursorColumn < HexColumns - 1) {
        ++CursorColumn;
    } else {
        CursorColumn = 0;
        down();
    }
}

void HexModel::down()
{
    HexColumns = 16;
    if (CursorRow < HexRows - 1)
        ++CursorRow;
    else if (TopOffset + HexColumns < Capacity)
        TopOffset += HexColumns;
}

int HexModel::cursorIndex() const { return TopOffset + CursorRow * 16 + CursorColumn; }

uint8_t HexModel::byteAt(int index) const
{
    return index >= 0 && index < Capacity ? HexBytes[static_cast<size_t>(index)] : 0;
}

std::array<uint8_t, 256> HexModel::cursorGlyph() const
{
    int p = cursorIndex();
    unsigned b = byteAt(p);
    if (b >= 0xF0 && b <= 0xF7) {
        unsigned index = ((b << 8) + byteAt(p + 1)) & 0xFFF;
        return gameWideGlyphPicture(index);
    }
    return gameHalfTilePicture(b);
}

std::string HexModel::caption(const EditorState& state) const
{
    int block = state.CurrentBlock >= 0 && state.CurrentBlock < MaxBlocks ? state.CurrentBlock : 0;
    uint32_t base = (state.BlockAddress[static_cast<size_t>(block)] & 0xFF0000u) | state.CurrentPointer;
    int p = cursorIndex();
    int last = static_cast<int>(HexCount) - 1;
    uint32_t address = base + static_cast<uint32_t>(p < last ? p : last);
    char text[32];
    std::snprintf(text, sizeof text, "Hex Data - $%08X", static_cast<unsigned>(address));
    return text;
}

}  // namespace scrivel
