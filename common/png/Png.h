#pragma once
// PNG pictures read and written through libpng.
//
// Reading accepts every colour type and bit depth of the format (grey of 1,
// 2, 4, 8 or 16 bits, grey with alpha, palette with or without a
// transparency chunk, RGB and RGBA of 8 or 16 bits, interlaced or not) and
// always gives 8-bit RGBA: 16-bit channels keep their high byte, grey is
// copied into red, green and blue, and a picture without alpha is opaque.
// Colour values are taken as stored; gamma and colour profiles are ignored,
// so a sheet drawn in any program reads back as the values it saved.
//
// Writing takes 8-bit RGB or RGBA pictures.
//
// Errors are plain words without a prefix ("not a PNG picture"), for the
// caller to put after the file's name.

#include "png/Image.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace common {

// Pictures wider or taller than this are refused before any pixel memory is
// taken: a 60-byte file can claim 2^31 x 2^31 pixels.
constexpr int MaxPngSide = 16384;

struct PngReadResult {
    Image image;        // RGBA, channels 4, when ok()
    std::string error;  // what is wrong, when not
    bool ok() const { return error.empty(); }
};

struct PngEncodeResult {
    std::vector<uint8_t> bytes;  // a complete PNG file, when ok()
    std::string error;
    bool ok() const { return error.empty(); }
};

// The picture in PNG file bytes. maxSide lowers the size limit (the fuzz
// target keeps its memory small with it); it never raises it past MaxPngSide.
PngReadResult decodePng(std::span<const uint8_t> bytes, int maxSide = MaxPngSide);

// The picture in the file at path.
PngReadResult readPng(const std::string& path, int maxSide = MaxPngSide);

// The PNG file bytes of an 8-bit RGB or RGBA picture of 1 to MaxPngSide
// pixels each way whose pixel bytes match its size.
PngEncodeResult encodePng(const Image& image);

// Writes the picture as a PNG file: first to a temporary file beside path,
// then renamed over it, so a failed write never leaves a broken file behind
// nor harms the one that was there. An existing file keeps its permissions.
// Returns an empty string on success, else what failed.
std::string writePng(const std::string& path, const Image& image);

}  // namespace common
