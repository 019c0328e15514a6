#pragma once
// Fonts as pictures, to be edited in any paint program, and the files a
// font can be loaded from.
//
// The game font's sheet holds its 2,532 half tiles of 8 x 16 pixels, 16 to a
// row in index order: 128 x 2544 pixels. The last row holds only four half
// tiles; the rest of it is unused and ignored when reading.
// The preview font's sheet holds its 128 glyphs of 16 x 16 pixels, 16 to a
// row in code order: 256 x 128 pixels.
//
// Reading a sheet: the background is the pixel value found most often in
// the whole sheet, colour and alpha taken together; every other pixel is a
// set pixel. Fully transparent pixels all count as one value, whatever
// colour they carry, so a sheet with a transparent background reads the same
// as one with a solid background. On a tie the smaller value wins, compared
// red first, then green, blue and alpha, transparency below every colour: a
// sheet that is half black and half white has a black background.
//
// Writing a sheet gives white set pixels on black, one picture pixel per
// font pixel, RGB. Reading it back gives the same font, as long as the font
// has no more set pixels than unset ones: otherwise white is the most common
// value and the glyphs come back inverted. Real fonts are mostly background.
//
// Every error is a complete message starting "Error: ".

#include "png/Image.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace scrivel::render {

constexpr int GameSheetWidth = 128;
constexpr int GameSheetHeight = 2544;
constexpr int PreviewSheetWidth = 256;
constexpr int PreviewSheetHeight = 128;
constexpr size_t GameFontBytes = 40512;     // 2,532 half tiles of 16 bytes
constexpr size_t PreviewFontBytes = 32768;  // 128 glyphs of 256 bytes

struct FontLoad {
    std::vector<uint8_t> bytes;  // the font in its own layout, when ok()
    std::string error;
    bool ok() const { return error.empty(); }
};

// The font on a sheet picture (RGB or RGBA); name is the file it came from,
// for the message when the sheet has the wrong size.
FontLoad gameFontFromSheet(const common::Image& sheet, const std::string& name);
FontLoad previewFontFromSheet(const common::Image& sheet, const std::string& name);

// The sheet of a font. Bytes missing from a short font are unset pixels; a
// preview font pixel is set when its byte is not 0.
common::Image gameFontSheet(std::span<const uint8_t> font);
common::Image previewFontSheet(std::span<const uint8_t> font);

// Writes the sheet of a font as a PNG file (replacing it atomically).
// Returns an empty string on success, else the message.
std::string writeGameFontSheet(const std::string& path, std::span<const uint8_t> font);
std::string writePreviewFontSheet(const std::string& path, std::span<const uint8_t> font);

// A font from a file: a sheet when the name ends in ".png" (any letter
// case), else the font's bytes exactly as the program holds them (40,512
// for the game font, 32,768 for the preview font).
FontLoad loadGameFontFile(const std::string& path);
FontLoad loadPreviewFontFile(const std::string& path);

// The game font's 40,512 bytes stored one after another in a ROM image,
// from fileOffset on. address is the SNES address the offset was mapped
// from, named in the message when the font does not fit inside the image.
FontLoad gameFontFromImage(std::span<const uint8_t> image, int64_t fileOffset,
                           std::optional<uint32_t> address = std::nullopt);

}  // namespace scrivel::render
