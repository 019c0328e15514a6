#include "render/FontSheets.h"

#include "png/Png.h"
#include "render/Fonts.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <unordered_map>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace scrivel::render {

static_assert(GameFontBytes == GameFontHalfTiles * 16);
static_assert(PreviewFontBytes == PreviewFontGlyphs * 256);
static_assert(GameSheetWidth / 8 * ((GameFontHalfTiles + 15) / 16) * 16 == GameSheetWidth * GameSheetHeight / 8);
static_assert(PreviewSheetWidth / 16 * (PreviewSheetHeight / 16) == PreviewFontGlyphs);

namespace {

constexpr int TilesPerRow = 16;

std::string failure(const std::string& name, const std::string& what) { return "Error: " + name + ": " + what; }

// 40000 as "40,000".
std::string groupedDigits(uint64_t value)
{
    const std::string digits = std::to_string(value);
    std::string text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    return text;
}

std::string hexDigits(uint64_t value, int width)
{
    char text[24];
    std::snprintf(text, sizeof text, "%0*" PRIX64, width, value);
    return text;
}

// One number per pixel for counting: red, green, blue and alpha from the
// high byte down; every fully transparent pixel is 0, below all others.
uint32_t pixelValue(const uint8_t* p, int channels)
{
    const uint8_t alpha = channels == 4 ? p[3] : 0xFF;
    if (alpha == 0) return 0;
    return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 |
           alpha;
}

// One byte per pixel of the sheet, 1 where the pixel is set.
std::vector<uint8_t> setPixels(const common::Image& sheet)
{
    const size_t count = sheet.pixelCount();
    const size_t step = static_cast<size_t>(sheet.channels);
    std::vector<uint32_t> values(count);
    for (size_t i = 0; i < count; ++i) values[i] = pixelValue(sheet.pixels.data() + i * step, sheet.channels);

    // Sheets are long runs of one value: count a run without a lookup.
    std::unordered_map<uint32_t, size_t> counts;
    uint32_t runValue = 0;
    size_t* runCount = nullptr;
    for (uint32_t v : values) {
        if (!runCount || v != runValue) {
            runValue = v;
            runCount = &counts[v];
        }
        ++*runCount;
    }
    uint32_t background = 0;
    size_t most = 0;
    for (const auto& [value, n] : counts)
        if (n > most || (n == most && value < background)) {
            background = value;
            most = n;
        }

    std::vector<uint8_t> set(count);
    for (size_t i = 0; i < count; ++i) set[i] = values[i] != background;
    return set;
}

std::string wrongSize(const common::Image& sheet, const std::string& name, int width, int height)
{
    return failure(name, "a sheet of " + std::to_string(sheet.width) + " x " + std::to_string(sheet.height) +
                             " pixels; expected " + std::to_string(width) + " x " + std::to_string(height));
}

bool hasSize(const common::Image& sheet, int width, int height)
{
    return sheet.width == width && sheet.height == height && (sheet.channels == 3 || sheet.channels == 4) &&
           sheet.pixels.size() == sheet.pixelCount() * static_cast<size_t>(sheet.channels);
}

// Where the top-left pixel of a cell (a half tile, a preview glyph) sits.
size_t cellOrigin(size_t cell, int cellWidth, int cellHeight, int sheetWidth)
{
    return (cell / TilesPerRow) * static_cast<size_t>(cellHeight) * static_cast<size_t>(sheetWidth) +
           (cell % TilesPerRow) * static_cast<size_t>(cellWidth);
}

// Top-left corner of quarter q of a preview glyph, in storage order:
// top-left, bottom-left, top-right, bottom-right.
int quarterTop(int q) { return (q & 1) * 8; }
int quarterLeft(int q) { return (q >> 1) * 8; }

bool hasPngExtension(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".png";
}

// The file's bytes when it holds exactly expected of them.
FontLoad readFontBytes(const std::string& path, size_t expected, const char* fontName)
{
    FontLoad load;
    // Not blocking: a pipe would otherwise wait here for a writer that never
    // comes. What is not a plain file is refused just below.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        load.error = failure(path, std::string("cannot be opened: ") + std::strerror(errno));
        return load;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        load.error = failure(path, "is not a file");
        return load;
    }
    const auto size = static_cast<uint64_t>(st.st_size);
    if (size != expected) {
        ::close(fd);
        load.error = failure(path, groupedDigits(size) + (size == 1 ? " byte" : " bytes") + "; " + fontName +
                                       " has " + std::to_string(expected));
        return load;
    }
    load.bytes.resize(expected);
    size_t done = 0;
    while (done < expected) {
        const ssize_t n = ::read(fd, load.bytes.data() + done, expected - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            ::close(fd);
            load = {};
            load.error = failure(path, std::string("cannot be read: ") + std::strerror(error));
            return load;
        }
        done += static_cast<size_t>(n);
    }
    ::close(fd);
    return load;
}

using SheetReader = FontLoad (*)(const common::Image&, const std::string&);

FontLoad loadFontFile(const std::string& path, size_t expected, const char* fontName, SheetReader fromSheet)
{
    if (!hasPngExtension(path)) return readFontBytes(path, expected, fontName);
    common::PngReadResult png = common::readPng(path);
    if (!png.ok()) return {{}, failure(path, png.error)};
    return fromSheet(png.image, path);
}

std::string writeSheet(const std::string& path, const common::Image& sheet)
{
    const std::string error = common::writePng(path, sheet);
    return error.empty() ? error : failure(path, error);
}

}  // namespace

FontLoad gameFontFromSheet(const common::Image& sheet, const std::string& name)
{
    if (!hasSize(sheet, GameSheetWidth, GameSheetHeight))
        return {{}, wrongSize(sheet, name, GameSheetWidth, GameSheetHeight)};
    const std::vector<uint8_t> set = setPixels(sheet);
    FontLoad load;
    load.bytes.resize(GameFontBytes);
    for (size_t tile = 0; tile < GameFontHalfTiles; ++tile) {
        const uint8_t* cell = set.data() + cellOrigin(tile, 8, 16, GameSheetWidth);
        for (int r = 0; r < 16; ++r) {
            const uint8_t* row = cell + static_cast<size_t>(r) * GameSheetWidth;
            uint8_t bits = 0;
            for (int x = 0; x < 8; ++x) bits = static_cast<uint8_t>(bits << 1 | row[x]);
            load.bytes[tile * 16 + static_cast<size_t>(r)] = bits;
        }
    }
    return load;
}

FontLoad previewFontFromSheet(const common::Image& sheet, const std::string& name)
{
    if (!hasSize(sheet, PreviewSheetWidth, PreviewSheetHeight))
        return {{}, wrongSize(sheet, name, PreviewSheetWidth, PreviewSheetHeight)};
    const std::vector<uint8_t> set = setPixels(sheet);
    FontLoad load;
    load.bytes.resize(PreviewFontBytes);
    for (size_t glyph = 0; glyph < PreviewFontGlyphs; ++glyph) {
        const uint8_t* cell = set.data() + cellOrigin(glyph, 16, 16, PreviewSheetWidth);
        uint8_t* out = load.bytes.data() + glyph * 256;
        for (int q = 0; q < 4; ++q)
            for (int r = 0; r < 8; ++r)
                std::copy_n(cell + static_cast<size_t>(quarterTop(q) + r) * PreviewSheetWidth + quarterLeft(q), 8,
                            out + q * 64 + r * 8);
    }
    return load;
}

common::Image gameFontSheet(std::span<const uint8_t> font)
{
    common::Image sheet = common::blankImage(GameSheetWidth, GameSheetHeight, 3);
    const size_t tiles = std::min(GameFontHalfTiles, font.size() / 16);
    for (size_t tile = 0; tile < tiles; ++tile) {
        const size_t origin = cellOrigin(tile, 8, 16, GameSheetWidth);
        for (int r = 0; r < 16; ++r)
            for (int x = 0; x < 8; ++x)
                if (font[tile * 16 + static_cast<size_t>(r)] & (0x80 >> x))
                    std::fill_n(sheet.pixels.data() + (origin + static_cast<size_t>(r) * GameSheetWidth +
                                                       static_cast<size_t>(x)) * 3,
                                3, 0xFF);
    }
    return sheet;
}

common::Image previewFontSheet(std::span<const uint8_t> font)
{
    common::Image sheet = common::blankImage(PreviewSheetWidth, PreviewSheetHeight, 3);
    const size_t bytes = std::min(PreviewFontBytes, font.size());
    for (size_t i = 0; i < bytes; ++i) {
        if (!font[i]) continue;
        const size_t glyph = i / 256;
        const int q = static_cast<int>(i % 256 / 64), r = static_cast<int>(i % 64 / 8), c = static_cast<int>(i % 8);
        const size_t pixel = cellOrigin(glyph, 16, 16, PreviewSheetWidth) +
                             static_cast<size_t>(quarterTop(q) + r) * PreviewSheetWidth +
                             static_cast<size_t>(quarterLeft(q) + c);
        std::fill_n(sheet.pixels.data() + pixel * 3, 3, 0xFF);
    }
    return sheet;
}

std::string writeGameFontSheet(const std::string& path, std::span<const uint8_t> font)
{
    return writeSheet(path, gameFontSheet(font));
}

std::string writePreviewFontSheet(const std::string& path, std::span<const uint8_t> font)
{
    return writeSheet(path, previewFontSheet(font));
}

FontLoad loadGameFontFile(const std::string& path)
{
    return loadFontFile(path, GameFontBytes, "a game font", gameFontFromSheet);
}

FontLoad loadPreviewFontFile(const std::string& path)
{
    return loadFontFile(path, PreviewFontBytes, "a preview font", previewFontFromSheet);
}

FontLoad gameFontFromImage(std::span<const uint8_t> image, int64_t fileOffset, std::optional<uint32_t> address)
{
    if (fileOffset >= 0 && static_cast<uint64_t>(fileOffset) <= image.size() &&
        image.size() - static_cast<uint64_t>(fileOffset) >= GameFontBytes) {
        const auto from = image.begin() + static_cast<std::ptrdiff_t>(fileOffset);
        return {std::vector<uint8_t>(from, from + static_cast<std::ptrdiff_t>(GameFontBytes)), {}};
    }
    // Offsets in hexadecimal like the addresses they come from; a negative
    // one is an address that maps to no place in any ROM.
    const uint64_t magnitude = fileOffset < 0 ? 0 - static_cast<uint64_t>(fileOffset) : static_cast<uint64_t>(fileOffset);
    const std::string offset = (fileOffset < 0 ? "-" : "") + hexDigits(magnitude, 1);
    const std::string where = address ? hexDigits(*address, 6) + " (file offset " + offset + ")" : "file offset " + offset;
    const std::string text = "Error: the game font at " + where;
    if (fileOffset < 0 || static_cast<uint64_t>(fileOffset) >= image.size())
        return {{}, text + " is outside the ROM image of " + groupedDigits(image.size()) + " bytes"};
    return {{}, text + " runs past the end of the ROM image: it has " + std::to_string(GameFontBytes) +
                    " bytes, " + groupedDigits(image.size() - static_cast<uint64_t>(fileOffset)) + " are left"};
}

}  // namespace scrivel::render
