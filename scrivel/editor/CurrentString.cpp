#include "CurrentString.h"

#include "rom/Pointers.h"

namespace scrivel::editor {

uint16_t readCurrentPointer(EditorState& s)
{
    s.currentPointer = rom::readPointer(s.romImage, s.currentBlockAddress, s.currentString);
    return s.currentPointer;
}

uint32_t currentStringAddress(const EditorState& s)
{
    const int b = s.currentBlock;
    const uint32_t bank = b >= 0 && b < rom::MaxBlocks ? s.blockTextBank[static_cast<size_t>(b)] : 0;
    return rom::stringAddress(bank, s.currentPointer);
}

int64_t lookupCurrentString(EditorState& s)
{
    readCurrentPointer(s);
    return rom::snesToFileOffset(currentStringAddress(s));
}

}  // namespace scrivel::editor
