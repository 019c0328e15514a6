#pragma once
// Test pictures in every PNG colour type and bit depth, written with libpng
// directly, for checking the reader against files as other programs save
// them.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace testing_support {

struct RawPng {
    int width = 0;
    int height = 0;
    int colorType = 0;  // PNG_COLOR_TYPE_GRAY, _GRAY_ALPHA, _PALETTE, _RGB or _RGBA
    int bitDepth = 8;
    bool interlaced = false;
    // Row after row, each pixel's samples in order (grey; grey, alpha;
    // palette index; red, green, blue; red, green, blue, alpha), each value
    // within the bit depth.
    std::vector<uint16_t> samples;
    std::vector<std::array<uint8_t, 3>> palette;
    std::vector<uint8_t> paletteAlpha;  // a transparency chunk for the palette
    // A transparency chunk naming one grey value or RGB colour as transparent.
    std::optional<std::array<uint16_t, 3>> transparentColor;
};

// The PNG file bytes; throws std::runtime_error when libpng refuses.
std::vector<uint8_t> rawPngBytes(const RawPng& picture);

}  // namespace testing_support
