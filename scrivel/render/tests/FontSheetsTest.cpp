#include "RawPngWriter.h"
#include "png/Png.h"
#include "render/FontSheets.h"
#include "render/Fonts.h"
#include "render/GlyphPictures.h"
#include "testing/TempDir.h"

#include <gtest/gtest.h>
#include <png.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace scrivel::render {
namespace {

using testing_support::RawPng;
using testing_support::TempDir;

// Which pixels of a sheet are set, built from the renderer's own glyph
// pictures rather than from the sheet code under test.
struct SheetMask {
    int width;
    int height;
    std::vector<uint8_t> set;
};

SheetMask gameFontMask()
{
    SheetMask mask{GameSheetWidth, GameSheetHeight, std::vector<uint8_t>(GameSheetWidth * GameSheetHeight)};
    for (unsigned t = 0; t < GameFontHalfTiles; ++t) {
        const GlyphPicture picture = gameHalfTilePicture(t);
        for (unsigned r = 0; r < 16; ++r)
            for (unsigned c = 0; c < 8; ++c)
                mask.set[(t / 16 * 16 + r) * GameSheetWidth + t % 16 * 8 + c] = picture[r * 16 + c];
    }
    return mask;
}

SheetMask previewFontMask()
{
    SheetMask mask{PreviewSheetWidth, PreviewSheetHeight, std::vector<uint8_t>(PreviewSheetWidth * PreviewSheetHeight)};
    for (unsigned g = 0; g < PreviewFontGlyphs; ++g) {
        const GlyphPicture picture = previewGlyphPicture(g);
        for (unsigned r = 0; r < 16; ++r)
            for (unsigned c = 0; c < 16; ++c)
                mask.set[(g / 16 * 16 + r) * PreviewSheetWidth + g % 16 * 16 + c] = picture[r * 16 + c];
    }
    return mask;
}

// A sheet as a paint program might save it: each style picks the samples of
// background and set pixels from the pixel's place, so one sheet can have
// several ink colours or a transparent background of many colours.
struct SheetStyle {
    const char* fileName;
    int colorType;
    int bitDepth;
    std::function<std::vector<uint16_t>(bool set, size_t x, size_t y)> samples;
    std::vector<std::array<uint8_t, 3>> palette = {};
    std::vector<uint8_t> paletteAlpha = {};
    bool interlaced = false;
};

std::vector<SheetStyle> sheetStyles()
{
    using S = std::vector<uint16_t>;
    return {
        // Black ink on white: the background is whatever is most common.
        {"grey-1bit.png", PNG_COLOR_TYPE_GRAY, 1, [](bool set, size_t, size_t) { return S{static_cast<uint16_t>(set ? 0 : 1)}; }},
        {"GREY-8BIT.PNG", PNG_COLOR_TYPE_GRAY, 8,
         [](bool set, size_t x, size_t) { return S{static_cast<uint16_t>(set ? 0xD0 + x % 2 : 0x30)}; }},
        {"palette-4bit.Png", PNG_COLOR_TYPE_PALETTE, 4,
         [](bool set, size_t x, size_t) { return S{static_cast<uint16_t>(set ? x % 2 : 2)}; },
         {{255, 255, 0}, {200, 0, 0}, {0, 0, 128}}},
        // Two transparent palette entries of different colours are both background.
        {"palette-transparent.png", PNG_COLOR_TYPE_PALETTE, 8,
         [](bool set, size_t x, size_t y) { return S{static_cast<uint16_t>(set ? 2 : (x + y) % 2)}; },
         {{0, 0, 0}, {255, 255, 255}, {255, 255, 255}}, {0, 0}},
        {"rgb-8bit.png", PNG_COLOR_TYPE_RGB, 8,
         [](bool set, size_t, size_t) { return set ? S{250, 250, 250} : S{30, 60, 90}; }},
        {"rgb-16bit.png", PNG_COLOR_TYPE_RGB, 16,
         [](bool set, size_t, size_t) { return set ? S{0xFFFF, 0, 0} : S{0x1234, 0x5678, 0x9ABC}; }},
        // Fully transparent pixels of every colour: none of them alone
        // outnumbers the ink, so they only win counted as one value.
        {"rgba-transparent.png", PNG_COLOR_TYPE_RGBA, 8,
         [](bool set, size_t x, size_t y) {
             if (set) return S{255, 0, 0, static_cast<uint16_t>(x % 2 ? 255 : 128)};
             return S{static_cast<uint16_t>(x), static_cast<uint16_t>(y % 256), static_cast<uint16_t>(y / 256), 0};
         }},
        {"grey-alpha-16bit.png", PNG_COLOR_TYPE_GRAY_ALPHA, 16,
         [](bool set, size_t x, size_t y) {
             return set ? S{0xFFFF, 0xFFFF} : S{static_cast<uint16_t>(x * 500 + y), 0};
         }},
        {"rgba-interlaced.png", PNG_COLOR_TYPE_RGBA, 8,
         [](bool set, size_t, size_t) { return set ? S{0, 0, 0, 255} : S{255, 255, 255, 255}; }, {}, {}, true},
    };
}

std::vector<uint8_t> sheetPng(const SheetMask& mask, const SheetStyle& style)
{
    RawPng png;
    png.width = mask.width;
    png.height = mask.height;
    png.colorType = style.colorType;
    png.bitDepth = style.bitDepth;
    png.interlaced = style.interlaced;
    png.palette = style.palette;
    png.paletteAlpha = style.paletteAlpha;
    for (size_t y = 0; y < static_cast<size_t>(mask.height); ++y)
        for (size_t x = 0; x < static_cast<size_t>(mask.width); ++x) {
            const std::vector<uint16_t> s = style.samples(mask.set[y * static_cast<size_t>(mask.width) + x], x, y);
            png.samples.insert(png.samples.end(), s.begin(), s.end());
        }
    return testing_support::rawPngBytes(png);
}

struct FontKind {
    const char* name;
    SheetMask (*mask)();
    FontLoad (*load)(const std::string&);
    std::vector<uint8_t> embedded;
};

std::vector<FontKind> fontKinds()
{
    return {
        {"game font", gameFontMask, loadGameFontFile, {GameFont.begin(), GameFont.end()}},
        {"preview font", previewFontMask, loadPreviewFontFile, {PreviewFont.begin(), PreviewFont.end()}},
    };
}

TEST(FontSheets, SheetsInEveryPngColourTypeReadAsTheFont)
{
    TempDir dir;
    for (const FontKind& font : fontKinds()) {
        const SheetMask mask = font.mask();
        for (const SheetStyle& style : sheetStyles()) {
            SCOPED_TRACE(std::string(font.name) + ", " + style.fileName);
            const std::string path = (dir / style.fileName).string();
            testing_support::writeFile(path, sheetPng(mask, style));
            const FontLoad load = font.load(path);
            ASSERT_TRUE(load.ok()) << load.error;
            EXPECT_TRUE(load.bytes == font.embedded);
        }
    }
}

// One set pixel on an empty sheet lands in one byte: the layouts of the
// sheets and of the fonts, corner by corner.
TEST(FontSheets, OneSetPixelLandsInItsByte)
{
    const struct {
        bool game;
        int x, y;
        size_t byte;
        uint8_t value;
    } cases[] = {
        {true, 0, 0, 0, 0x80},                    // half tile 0, row 0, leftmost
        {true, 7, 15, 15, 0x01},                  // half tile 0, row 15, rightmost
        {true, 8, 16, 17 * 16, 0x80},             // half tile 17: second row of tiles
        {true, 127, 2527, 2527 * 16 + 15, 0x01},  // half tile 2527, last of a full row
        {true, 31, 2543, 2531 * 16 + 15, 0x01},   // half tile 2531, the last one
        {false, 0, 0, 0, 1},                      // glyph 0, top-left quarter
        {false, 3, 9, 64 + 8 + 3, 1},             // glyph 0, bottom-left quarter
        {false, 16 + 8, 0, 256 + 128, 1},         // glyph 1, top-right quarter
        {false, 255, 127, 127 * 256 + 255, 1},    // glyph 127, bottom-right corner
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + ", " + std::to_string(c.y));
        common::Image sheet = common::blankImage(c.game ? GameSheetWidth : PreviewSheetWidth,
                                                 c.game ? GameSheetHeight : PreviewSheetHeight, 4);
        for (size_t i = 0; i < sheet.pixelCount(); ++i) sheet.pixels[i * 4 + 3] = 255;
        sheet.pixels[(static_cast<size_t>(c.y) * static_cast<size_t>(sheet.width) + static_cast<size_t>(c.x)) * 4] = 9;
        const FontLoad load = c.game ? gameFontFromSheet(sheet, "s.png") : previewFontFromSheet(sheet, "s.png");
        ASSERT_TRUE(load.ok()) << load.error;
        std::vector<uint8_t> expected(c.game ? GameFontBytes : PreviewFontBytes);
        expected[c.byte] = c.value;
        EXPECT_TRUE(load.bytes == expected);
    }
}

// A half-black, half-white sheet reads black as the background however the
// halves are arranged.
TEST(FontSheets, TieGoesToTheDarkerValue)
{
    common::Image sheet = common::blankImage(PreviewSheetWidth, PreviewSheetHeight, 3);
    for (size_t i = 0; i < sheet.pixelCount(); i += 2) std::fill_n(sheet.pixels.begin() + static_cast<long>(i * 3), 3, 255);
    const FontLoad load = previewFontFromSheet(sheet, "tie.png");
    ASSERT_TRUE(load.ok());
    EXPECT_EQ(load.bytes[0], 1);  // the white pixel at (0, 0)
    EXPECT_EQ(load.bytes[1], 0);
    EXPECT_EQ(std::count(load.bytes.begin(), load.bytes.end(), 1), static_cast<long>(PreviewFontBytes / 2));
}

TEST(FontSheets, ExportedSheetsLoadBackAsTheSameFont)
{
    TempDir dir;
    for (const FontKind& font : fontKinds()) {
        SCOPED_TRACE(font.name);
        const bool game = font.embedded.size() == GameFontBytes;
        const auto write = game ? writeGameFontSheet : writePreviewFontSheet;
        const std::string path = (dir / "export.png").string();
        ASSERT_EQ(write(path, font.embedded), "");

        // White on black, one picture pixel per font pixel.
        const common::PngReadResult png = common::readPng(path);
        ASSERT_TRUE(png.ok());
        const SheetMask mask = font.mask();
        ASSERT_EQ(png.image.width, mask.width);
        ASSERT_EQ(png.image.height, mask.height);
        for (size_t i = 0; i < png.image.pixelCount(); ++i) {
            const uint8_t v = mask.set[i] ? 255 : 0;
            ASSERT_EQ(std::vector<uint8_t>(png.image.pixels.begin() + static_cast<long>(i * 4),
                                           png.image.pixels.begin() + static_cast<long>(i * 4 + 4)),
                      (std::vector<uint8_t>{v, v, v, 255}))
                << i;
        }
        EXPECT_TRUE(font.load(path).bytes == font.embedded);

        // An empty font comes back empty. A font with more set pixels than
        // unset ones cannot come back: white is then the most common value,
        // so it is read as the background and the glyphs are inverted.
        const std::vector<uint8_t> empty(font.embedded.size(), 0);
        ASSERT_EQ(write(path, empty), "");
        EXPECT_TRUE(font.load(path).bytes == empty);
        ASSERT_EQ(write(path, std::vector<uint8_t>(font.embedded.size(), game ? 0xFF : 1)), "");
        EXPECT_TRUE(font.load(path).bytes == empty);
    }
}

TEST(FontFiles, BinaryFilesOfTheRightSizeLoadAsTheyAre)
{
    TempDir dir;
    std::vector<uint8_t> game(GameFontBytes), preview(PreviewFontBytes);
    for (size_t i = 0; i < game.size(); ++i) game[i] = static_cast<uint8_t>(i * 7 + i / 256);
    for (size_t i = 0; i < preview.size(); ++i) preview[i] = static_cast<uint8_t>(i % 3 == 0);
    // Any name but .png is taken as bytes, .bin or not.
    testing_support::writeFile(dir / "GAMEFONT.BIN", game);
    testing_support::writeFile(dir / "preview.dat", preview);
    EXPECT_TRUE(loadGameFontFile((dir / "GAMEFONT.BIN").string()).bytes == game);
    EXPECT_TRUE(loadPreviewFontFile((dir / "preview.dat").string()).bytes == preview);
}

TEST(FontFiles, ErrorsNameTheFileAndWhatIsWrong)
{
    TempDir dir;
    const auto path = [&](const char* name) { return (dir / name).string(); };
    const auto blackSheet = [](int w, int h) { return common::encodePng(common::blankImage(w, h, 3)).bytes; };
    testing_support::writeFile(dir / "tall.png", blackSheet(128, 2543));
    testing_support::writeFile(dir / "preview-sized.png", blackSheet(256, 128));
    testing_support::writeFile(dir / "short.bin", std::string(40000, '\0'));
    testing_support::writeFile(dir / "long.bin", std::string(32769, '\0'));
    testing_support::writeFile(dir / "empty.bin", std::string());
    testing_support::writeFile(dir / "one.bin", std::string(1, 'x'));
    testing_support::writeFile(dir / "fake.png", std::string(GameFontBytes, '\0'));
    std::filesystem::create_directory(dir / "folder.bin");
    // Pipes would make an opening read wait for a writer that never comes.
    ASSERT_EQ(::mkfifo((dir / "pipe.bin").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((dir / "pipe.png").c_str(), 0600), 0);
    std::filesystem::create_directory(dir / "folder.png");

    const struct {
        bool game;
        std::string file;
        std::string message;
    } cases[] = {
        {true, path("tall.png"), ": a sheet of 128 x 2543 pixels; expected 128 x 2544"},
        {true, path("preview-sized.png"), ": a sheet of 256 x 128 pixels; expected 128 x 2544"},
        {false, path("tall.png"), ": a sheet of 128 x 2543 pixels; expected 256 x 128"},
        {true, path("short.bin"), ": 40,000 bytes; a game font has 40512"},
        {false, path("long.bin"), ": 32,769 bytes; a preview font has 32768"},
        {true, path("empty.bin"), ": 0 bytes; a game font has 40512"},
        {false, path("one.bin"), ": 1 byte; a preview font has 32768"},
        {true, path("missing.bin"), ": cannot be opened: No such file or directory"},
        {false, path("missing.png"), ": cannot be opened: No such file or directory"},
        {true, path("fake.png"), ": not a PNG picture"},
        {true, path("folder.bin"), ": is not a file"},
        {false, path("folder.png"), ": is not a file"},
        {true, path("pipe.bin"), ": is not a file"},
        {false, path("pipe.png"), ": is not a file"},
    };
    for (const auto& c : cases) {
        const FontLoad load = c.game ? loadGameFontFile(c.file) : loadPreviewFontFile(c.file);
        EXPECT_EQ(load.error, "Error: " + c.file + c.message);
        EXPECT_TRUE(load.bytes.empty());
    }
    EXPECT_EQ(writeGameFontSheet(path("no-folder/x.png"), GameFont),
              "Error: " + path("no-folder/x.png") + ": cannot be created: No such file or directory");
}

TEST(GameFontFromImage, TakesTheBytesAtTheOffsetOrNamesTheAddress)
{
    std::vector<uint8_t> image(0x20000);
    for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i ^ i >> 8);
    const auto slice = [&](size_t from) {
        return std::vector<uint8_t>(image.begin() + static_cast<long>(from),
                                    image.begin() + static_cast<long>(from + GameFontBytes));
    };
    EXPECT_TRUE(gameFontFromImage(image, 0x1234).bytes == slice(0x1234));
    const size_t last = image.size() - GameFontBytes;  // the font ends with the image
    EXPECT_TRUE(gameFontFromImage(image, static_cast<int64_t>(last)).bytes == slice(last));

    const struct {
        int64_t offset;
        std::optional<uint32_t> address;
        std::string message;
    } failures[] = {
        {static_cast<int64_t>(last) + 1, 0x03E141,
         "Error: the game font at 03E141 (file offset 161C1) runs past the end of the ROM image: it has 40512 "
         "bytes, 40,511 are left"},
        {0x1F000, std::nullopt,
         "Error: the game font at file offset 1F000 runs past the end of the ROM image: it has 40512 bytes, "
         "4,096 are left"},
        {0x20000, 0x048000, "Error: the game font at 048000 (file offset 20000) is outside the ROM image of 131,072 bytes"},
        {-0x8000, 0x000000, "Error: the game font at 000000 (file offset -8000) is outside the ROM image of 131,072 bytes"},
        {INT64_MIN, std::nullopt,
         "Error: the game font at file offset -8000000000000000 is outside the ROM image of 131,072 bytes"},
    };
    for (const auto& f : failures) {
        const FontLoad load = gameFontFromImage(image, f.offset, f.address);
        EXPECT_EQ(load.error, f.message);
        EXPECT_TRUE(load.bytes.empty());
    }
}

}  // namespace
}  // namespace scrivel::render
