#pragma once
// The way from the session's current block and string to the string's
// bytes: the pointer table entry and the bank rule over the ROM image.

#include <cstdint>
#include <span>

#include "EditorState.h"

namespace scrivel::editor {

// Reads the pointer table entry of currentString in currentBlock into
// currentPointer and returns it.
uint16_t readCurrentPointer(EditorState& s);

// The SNES address of the current string's first byte, from currentPointer.
uint32_t currentStringAddress(const EditorState& s);

// Reads currentPointer and returns the current string's start offset in the
// ROM image (may lie outside it).
int64_t lookupCurrentString(EditorState& s);

}  // namespace scrivel::editor
