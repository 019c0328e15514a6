#include "RawPngWriter.h"

#include <png.h>

#include <csetjmp>
#include <stdexcept>

namespace testing_support {

namespace {

int channelsOf(int colorType)
{
    switch (colorType) {
    case PNG_COLOR_TYPE_GRAY_ALPHA: return 2;
    case PNG_COLOR_TYPE_RGB: return 3;
    case PNG_COLOR_TYPE_RGB_ALPHA: return 4;
    default: return 1;
    }
}

// The samples of one row packed at the bit depth, most significant first.
std::vector<uint8_t> packRow(const RawPng& p, int y)
{
    const size_t perRow = static_cast<size_t>(p.width) * static_cast<size_t>(channelsOf(p.colorType));
    const uint16_t* in = p.samples.data() + static_cast<size_t>(y) * perRow;
    std::vector<uint8_t> row((perRow * static_cast<size_t>(p.bitDepth) + 7) / 8, 0);
    for (size_t i = 0; i < perRow; ++i) {
        if (p.bitDepth == 16) {
            row[2 * i] = static_cast<uint8_t>(in[i] >> 8);
            row[2 * i + 1] = static_cast<uint8_t>(in[i]);
        } else {
            const size_t bit = i * static_cast<size_t>(p.bitDepth);
            row[bit / 8] |= static_cast<uint8_t>(in[i] << (8 - p.bitDepth - static_cast<int>(bit % 8)));
        }
    }
    return row;
}

void toVector(png_structp png, png_bytep data, size_t length)
{
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void noFlush(png_structp) {}
void quiet(png_structp, png_const_charp) {}

// No object with a destructor lives in here: libpng's errors jump out.
bool writeAll(png_structp png, png_infop info, const RawPng* p, std::vector<uint8_t>* out,
              const std::vector<std::vector<uint8_t>>* rows, png_color* palette, int paletteSize)
{
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, out, toVector, noFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(p->width), static_cast<png_uint_32>(p->height), p->bitDepth,
                 p->colorType, p->interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (paletteSize > 0) png_set_PLTE(png, info, palette, paletteSize);
    if (!p->paletteAlpha.empty())
        png_set_tRNS(png, info, p->paletteAlpha.data(), static_cast<int>(p->paletteAlpha.size()), nullptr);
    if (p->transparentColor) {
        png_color_16 key{};
        key.gray = (*p->transparentColor)[0];
        key.red = (*p->transparentColor)[0];
        key.green = (*p->transparentColor)[1];
        key.blue = (*p->transparentColor)[2];
        png_set_tRNS(png, info, nullptr, 0, &key);
    }
    png_write_info(png, info);
    const int passes = png_set_interlace_handling(png);
    for (int pass = 0; pass < passes; ++pass)
        for (const auto& row : *rows) png_write_row(png, row.data());
    png_write_end(png, info);
    return true;
}

}  // namespace

std::vector<uint8_t> rawPngBytes(const RawPng& p)
{
    const size_t expected = static_cast<size_t>(p.width) * static_cast<size_t>(p.height) *
                            static_cast<size_t>(channelsOf(p.colorType));
    if (p.samples.size() != expected) throw std::runtime_error("the test picture's samples do not match its size");
    std::vector<std::vector<uint8_t>> rows;
    for (int y = 0; y < p.height; ++y) rows.push_back(packRow(p, y));
    std::vector<png_color> palette;
    for (const auto& c : p.palette) palette.push_back({c[0], c[1], c[2]});

    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, quiet);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::vector<uint8_t> out;
    const bool ok = png && info &&
                    writeAll(png, info, &p, &out, &rows, palette.data(), static_cast<int>(palette.size()));
    png_destroy_write_struct(&png, &info);
    if (!ok) throw std::runtime_error("libpng refused the test picture");
    return out;
}

}  // namespace testing_support
