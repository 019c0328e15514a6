#pragma once
// LoROM address arithmetic and the way from a pointer table entry to a
// string's first byte in the ROM image.

#include <cstddef>
#include <cstdint>
#include <span>

namespace scrivel::rom {

// SNES address (bits 0 to 22 count) to an offset into the ROM image; 0 maps
// to 0. The result may lie outside the image (even below 0).
int32_t snesToFileOffset(uint32_t address);

// The byte at a signed offset of the ROM image; 0xFF outside it.
uint8_t romByte(std::span<const uint8_t> image, int64_t offset);

// The 16-bit entry stringNumber of the pointer table at tableAddress
// (little-endian; bytes outside the image read 0xFF).
uint16_t readPointer(std::span<const uint8_t> image, uint32_t tableAddress, int32_t stringNumber);

// The SNES address of a string's first byte by the bank rule: a block whose
// text bank is 1A0000 keeps pointers below A800 in that bank; everything
// else lies in bank 1D.
uint32_t stringAddress(uint32_t textBank, uint16_t pointer);

// The bytes of the image from offset on; empty when offset lies outside it.
std::span<const uint8_t> bytesFrom(std::span<const uint8_t> image, int64_t offset);

}  // namespace scrivel::rom
