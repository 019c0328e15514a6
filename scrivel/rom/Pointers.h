#pragma once
// LoROM address arithmetic and the way from a block and string number to the
// string's first byte in the ROM image.

#include <cstddef>
#include <cstdint>

namespace scrivel {

struct EditorState;

// SNES address (bits 0 to 22 count) to an offset into the ROM image; 0 maps
// to 0. The result may lie outside the image (even below 0).
int32_t SnesToFileOffset(uint32_t address);

// The byte at a signed offset of the ROM image; 0xFF outside it.
uint8_t romByte(const EditorState& s, int64_t offset);

// Reads the pointer table entry of CurrentString in CurrentBlock into
// CurrentPointer and returns it.
uint16_t readCurrentPointer(EditorState& s);

// The SNES address of the current string's first byte by the bank rule,
// from CurrentPointer.
uint32_t stringStartAddress(const EditorState& s);

// The string pointer lookup: reads CurrentPointer and returns the current
// string's start offset in the ROM image (may lie outside it).
int64_t lookupCurrentString(EditorState& s);

}  // namespace scrivel
