// Random and mutated PNG files: decoded with a small size limit, written
// and read again unchanged, and, when a picture has the size of a font
// sheet, read as that font, whose own sheet must give it back.
//
// Mutations nearly always break a chunk's CRC, which stops libpng at once;
// so each input is also tried with its CRCs made right again, to reach the
// image data behind them.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include <zlib.h>

#include "png/Png.h"
#include "render/FontSheets.h"

namespace {

using common::Image;
using scrivel::render::FontLoad;

// Small enough to keep each input fast, large enough for both sheets.
constexpr int SideLimit = 4096;

void require(bool condition)
{
    if (!condition) std::abort();
}

// The bytes with every whole chunk's CRC set to what its type and data give.
std::vector<uint8_t> withGoodCrcs(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> bytes(data, data + size);
    size_t at = 8;  // after the signature
    while (at + 12 <= bytes.size()) {
        const uint32_t length = static_cast<uint32_t>(bytes[at]) << 24 | static_cast<uint32_t>(bytes[at + 1]) << 16 |
                                static_cast<uint32_t>(bytes[at + 2]) << 8 | bytes[at + 3];
        if (length > bytes.size() - at - 12) break;
        const uLong crc = crc32(crc32(0L, Z_NULL, 0), bytes.data() + at + 4, static_cast<uInt>(length + 4));
        uint8_t* out = bytes.data() + at + 8 + length;
        for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
        at += 12 + length;
    }
    return bytes;
}

size_t setBits(const std::vector<uint8_t>& font, bool bitPerPixel)
{
    size_t n = 0;
    for (uint8_t b : font) n += bitPerPixel ? static_cast<size_t>(__builtin_popcount(b)) : (b != 0);
    return n;
}

// A font read from a sheet, exported and read again: the same font, or,
// when its set pixels outnumber the rest of the sheet, every pixel turned
// over (white then being the most common value, it becomes background).
void checkFont(const Image& picture, bool game)
{
    const int width = game ? scrivel::render::GameSheetWidth : scrivel::render::PreviewSheetWidth;
    const int height = game ? scrivel::render::GameSheetHeight : scrivel::render::PreviewSheetHeight;
    const FontLoad font = game ? scrivel::render::gameFontFromSheet(picture, "fuzz.png")
                               : scrivel::render::previewFontFromSheet(picture, "fuzz.png");
    if (picture.width != width || picture.height != height) {
        require(!font.ok() && font.bytes.empty());
        return;
    }
    require(font.ok());
    require(font.bytes.size() == (game ? scrivel::render::GameFontBytes : scrivel::render::PreviewFontBytes));
    const Image sheet = game ? scrivel::render::gameFontSheet(font.bytes) : scrivel::render::previewFontSheet(font.bytes);
    const FontLoad back = game ? scrivel::render::gameFontFromSheet(sheet, "again.png")
                               : scrivel::render::previewFontFromSheet(sheet, "again.png");
    require(back.ok());
    const bool inverted = 2 * setBits(font.bytes, game) > sheet.pixelCount();
    for (size_t i = 0; i < font.bytes.size(); ++i) {
        if (!game) require(font.bytes[i] <= 1);
        const uint8_t expected =
            inverted ? static_cast<uint8_t>(game ? ~font.bytes[i] : !font.bytes[i]) : font.bytes[i];
        require(back.bytes[i] == expected);
    }
}

void checkPicture(const std::vector<uint8_t>& bytes)
{
    const common::PngReadResult read = common::decodePng(bytes, SideLimit);
    if (!read.ok()) {
        require(read.image.pixels.empty());
        return;
    }
    const Image& image = read.image;
    require(image.channels == 4 && image.width >= 1 && image.height >= 1);
    require(image.width <= SideLimit && image.height <= SideLimit);
    require(image.pixels.size() == image.pixelCount() * 4);

    // What was read is written and read again unchanged (small pictures:
    // coding a large one costs more than its lesson).
    if (image.pixelCount() <= 1 << 16) {
        const common::PngEncodeResult png = common::encodePng(image);
        require(png.ok());
        const common::PngReadResult again = common::decodePng(png.bytes);
        require(again.ok() && again.image.width == image.width && again.image.height == image.height &&
                again.image.pixels == image.pixels);
    }
    checkFont(image, true);
    checkFont(image, false);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<uint8_t> bytes(data, data + size);
    checkPicture(bytes);
    const std::vector<uint8_t> mended = withGoodCrcs(data, size);
    if (mended != bytes) checkPicture(mended);
    return 0;
}
