#pragma once
// A picture in memory: 8-bit channels, row after row, no padding between
// rows. Pictures read from PNG files are always RGBA; pictures to be written
// may be RGB or RGBA.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace common {

struct Image {
    int width = 0;
    int height = 0;
    int channels = 4;  // 3: red, green, blue; 4: red, green, blue, alpha
    std::vector<uint8_t> pixels;

    size_t pixelCount() const { return static_cast<size_t>(width) * static_cast<size_t>(height); }
    // The first channel of the pixel at (x, y); the caller keeps x and y inside.
    const uint8_t* at(int x, int y) const
    {
        return pixels.data() + (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) *
                                   static_cast<size_t>(channels);
    }
};

// A black RGB (channels 3) or transparent RGBA (channels 4) picture.
Image blankImage(int width, int height, int channels);

// The RGB picture of width x height RGB565 pixels, row after row. The low
// bits of each 8-bit channel repeat its high bits, so 0x1F becomes 0xFF and
// white stays white.
Image rgb565ToImage(const uint16_t* pixels, int width, int height);

}  // namespace common
