#pragma once
// A minimal PNG encoder: 8-bit RGB, no filtering, the image data in stored
// (uncompressed) deflate blocks.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace scrivel::cli {

uint32_t crc32(const uint8_t* data, size_t size, uint32_t crc = 0);
uint32_t adler32(const uint8_t* data, size_t size, uint32_t adler = 1);

// The 8-bit channel values of an RGB565 pixel, the low bits filled by
// repeating the high ones (0x1F becomes 0xFF).
void rgb565ToRgb888(uint16_t pixel, uint8_t rgb[3]);

// PNG file bytes of a width x height picture of RGB565 pixels, row after row.
std::vector<uint8_t> encodePng(const uint16_t* pixels, int width, int height);

// Writes the PNG to path; false when the file cannot be written.
bool writePng(const std::string& path, const uint16_t* pixels, int width, int height);

}  // namespace scrivel::cli
