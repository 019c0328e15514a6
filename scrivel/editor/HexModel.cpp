#include "HexModel.h"

#include <algorithm>
#include <cstdio>

#include "EditorState.h"
#include "render/GlyphPictures.h"
#include "rom/ByteCode.h"

namespace scrivel::editor {

void HexModel::showBytes(std::span<const uint8_t> string)
{
    bytes.fill(0);
    topOffset = 0;
    const size_t extent = rom::bytesThroughFirstEnd(string, Capacity);
    const size_t inside = std::min(extent, string.size());
    std::copy_n(string.begin(), inside, bytes.begin());
    std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(inside), bytes.begin() + static_cast<std::ptrdiff_t>(extent),
              rom::EndOfString);
    count = static_cast<uint16_t>(extent);
}

void HexModel::layout(int clientHeight, int lineHeight)
{
    columns = 16;
    rows = lineHeight > 0 ? clientHeight / lineHeight : 0;
}

void HexModel::left()
{
    columns = 16;
    if (cursorColumn > 0) {
        --cursorColumn;
    } else {
        cursorColumn = columns - 1;
        up();
    }
}

void HexModel::up()
{
    columns = 16;
    if (cursorRow > 0)
        --cursorRow;
    else if (topOffset != 0)
        topOffset -= columns;
}

void HexModel::right()
{
    columns = 16;
    if (cursorColumn < columns - 1) {
        ++cursorColumn;
    } else {
        cursorColumn = 0;
        down();
    }
}

void HexModel::down()
{
    columns = 16;
    if (cursorRow < rows - 1)
        ++cursorRow;
    else if (topOffset + columns < Capacity)
        topOffset += columns;
}

int HexModel::cursorIndex() const { return topOffset + cursorRow * 16 + cursorColumn; }

uint8_t HexModel::byteAt(int index) const
{
    return index >= 0 && index < Capacity ? bytes[static_cast<size_t>(index)] : 0;
}

std::array<uint8_t, 256> HexModel::cursorGlyph(std::span<const uint8_t> gameFont) const
{
    int p = cursorIndex();
    unsigned b = byteAt(p);
    if (b >= 0xF0 && b <= 0xF7) {
        unsigned index = ((b << 8) + byteAt(p + 1)) & 0xFFF;
        return render::gameWideGlyphPicture(index, gameFont);
    }
    return render::gameHalfTilePicture(b, gameFont);
}

std::string HexModel::caption(const EditorState& state) const
{
    int block = state.currentBlock >= 0 && state.currentBlock < rom::MaxBlocks ? state.currentBlock : 0;
    uint32_t base = (state.blockAddress[static_cast<size_t>(block)] & 0xFF0000u) | state.currentPointer;
    int p = cursorIndex();
    int last = static_cast<int>(count) - 1;
    uint32_t address = base + static_cast<uint32_t>(p < last ? p : last);
    char text[32];
    std::snprintf(text, sizeof text, "Hex Data - $%08X", static_cast<unsigned>(address));
    return text;
}

}  // namespace scrivel::editor
