#include "png/Image.h"

namespace common {

Image blankImage(int width, int height, int channels)
{
    Image image;
    image.width = width > 0 ? width : 0;
    image.height = height > 0 ? height : 0;
    image.channels = channels;
    image.pixels.assign(image.pixelCount() * static_cast<size_t>(channels), 0);
    return image;
}

Image rgb565ToImage(const uint16_t* pixels, int width, int height)
{
    Image image = blankImage(width, height, 3);
    uint8_t* out = image.pixels.data();
    for (size_t i = 0; i < image.pixelCount(); ++i) {
        const unsigned p = pixels[i];
        const unsigned r = (p >> 11) & 0x1F, g = (p >> 5) & 0x3F, b = p & 0x1F;
        *out++ = static_cast<uint8_t>((r << 3) | (r >> 2));
        *out++ = static_cast<uint8_t>((g << 2) | (g >> 4));
        *out++ = static_cast<uint8_t>((b << 3) | (b >> 2));
    }
    return image;
}

}  // namespace common
