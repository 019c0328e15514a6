#include "Pointers.h"

#include "editor/EditorState.h"

namespace scrivel {

int32_t SnesToFileOffset(uint32_t address)
{
    if (address == 0) return 0;
    return static_cast<int32_t>(address & 0xFFFF) - 0x8000 + static_cast<int32_t>((address & 0x7F0000) >> 1);
}

uint8_t romByte(const EditorState& s, int64_t offset)
{
    if (offset < 0 || static_cast<uint64_t>(offset) >= s.RomImage.size()) return 0xFF;
    return s.RomImage[static_cast<size_t>(offset)];
}

uint16_t readCurrentPointer(EditorState& s)
{
    uint32_t entry = s.CurrentBlockAddress + 2u * static_cast<uint32_t>(s.CurrentString);
    int64_t at = SnesToFileOffset(entry);
    s.CurrentPointer = static_cast<uint16_t>(romByte(s, at) | (romByte(s, at + 1) << 8));
    return s.CurrentPointer;
}

uint32_t stringStartAddress(const EditorState& s)
{
    uint32_t bank = 0x1D0000;
    int b = s.CurrentBlock;
    if (b >= 0 && b < MaxBlocks && s.BlockTextBank[static_cast<size_t>(b)] == 0x1A0000 && s.CurrentPointer < 0xA800)
        bank = 0x1A0000;
    return bank | s.CurrentPointer;
}

int64_t lookupCurrentString(EditorState& s)
{
    readCurrentPointer(s);
    return SnesToFileOffset(stringStartAddress(s));
}

}  // namespace scrivel
