#include "PngWriter.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace scrivel::cli {

namespace {

const std::array<uint32_t, 256>& crcTable()
{
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return table;
}

void putBigEndian(std::vector<uint8_t>& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void putChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& data)
{
    putBigEndian(out, static_cast<uint32_t>(data.size()));
    size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    putBigEndian(out, crc32(out.data() + typeAt, 4 + data.size()));
}

}  // namespace

uint32_t crc32(const uint8_t* data, size_t size, uint32_t crc)
{
    const auto& table = crcTable();
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

uint32_t adler32(const uint8_t* data, size_t size, uint32_t adler)
{
    uint32_t a = adler & 0xFFFF, b = adler >> 16;
    for (size_t i = 0; i < size; ++i) {
        a = (a + data[i]) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void rgb565ToRgb888(uint16_t pixel, uint8_t rgb[3])
{
    unsigned r = (pixel >> 11) & 0x1F, g = (pixel >> 5) & 0x3F, b = pixel & 0x1F;
    rgb[0] = static_cast<uint8_t>((r << 3) | (r >> 2));
    rgb[1] = static_cast<uint8_t>((g << 2) | (g >> 4));
    rgb[2] = static_cast<uint8_t>((b << 3) | (b >> 2));
}

std::vector<uint8_t> encodePng(const uint16_t* pixels, int width, int height)
{
    // The raw image: each row a filter byte (0, none) and its RGB triples.
    std::vector<uint8_t> raw;
    raw.reserve(static_cast<size_t>(height) * (1 + 3 * static_cast<size_t>(width)));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < width; ++x) {
            uint8_t rgb[3];
            rgb565ToRgb888(pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)], rgb);
            raw.insert(raw.end(), rgb, rgb + 3);
        }
    }

    // zlib stream: header, stored blocks of at most 65535 bytes, Adler-32.
    std::vector<uint8_t> z = {0x78, 0x01};
    size_t pos = 0;
    do {
        size_t length = std::min<size_t>(65535, raw.size() - pos);
        bool last = pos + length == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<uint8_t>(length));
        z.push_back(static_cast<uint8_t>(length >> 8));
        z.push_back(static_cast<uint8_t>(~length));
        z.push_back(static_cast<uint8_t>(~length >> 8));
        z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos),
                 raw.begin() + static_cast<std::ptrdiff_t>(pos + length));
        pos += length;
    } while (pos < raw.size());
    putBigEndian(z, adler32(raw.data(), raw.size()));

    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    putBigEndian(header, static_cast<uint32_t>(width));
    putBigEndian(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter, no interlace
    putChunk(png, "IHDR", header);
    putChunk(png, "IDAT", z);
    putChunk(png, "IEND", {});
    return png;
}

bool writePng(const std::string& path, const uint16_t* pixels, int width, int height)
{
    std::vector<uint8_t> png = encodePng(pixels, width, height);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

}  // namespace scrivel::cli
