#include "RawPngWriter.h"
#include "png/Png.h"
#include "testing/TempDir.h"

#include <gtest/gtest.h>
#include <png.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace common {
namespace {

using testing_support::RawPng;
using testing_support::rawPngBytes;
using Rgba = std::array<uint8_t, 4>;

std::vector<Rgba> rgbaPixels(const Image& image)
{
    std::vector<Rgba> out;
    for (size_t i = 0; i + 3 < image.pixels.size(); i += 4)
        out.push_back({image.pixels[i], image.pixels[i + 1], image.pixels[i + 2], image.pixels[i + 3]});
    return out;
}

struct ColorTypeCase {
    const char* name;
    RawPng png;               // 3 x 2 pixels
    std::vector<Rgba> rgba;  // what reading must give
};

RawPng picture(int colorType, int bitDepth, std::vector<uint16_t> samples)
{
    RawPng p;
    p.width = 3;
    p.height = 2;
    p.colorType = colorType;
    p.bitDepth = bitDepth;
    p.samples = std::move(samples);
    return p;
}

std::vector<ColorTypeCase> colorTypeCases()
{
    std::vector<ColorTypeCase> cases;
    auto grey = [](uint8_t v, uint8_t a = 255) { return Rgba{v, v, v, a}; };
    cases.push_back({"grey 1 bit", picture(PNG_COLOR_TYPE_GRAY, 1, {0, 1, 1, 0, 0, 1}),
                     {grey(0), grey(255), grey(255), grey(0), grey(0), grey(255)}});
    cases.push_back({"grey 2 bits", picture(PNG_COLOR_TYPE_GRAY, 2, {0, 1, 2, 3, 3, 0}),
                     {grey(0), grey(0x55), grey(0xAA), grey(0xFF), grey(0xFF), grey(0)}});
    cases.push_back({"grey 4 bits", picture(PNG_COLOR_TYPE_GRAY, 4, {0, 5, 10, 15, 1, 14}),
                     {grey(0), grey(0x55), grey(0xAA), grey(0xFF), grey(0x11), grey(0xEE)}});
    RawPng keyed = picture(PNG_COLOR_TYPE_GRAY, 8, {0x40, 0x41, 0x40, 0, 255, 0x40});
    keyed.transparentColor = std::array<uint16_t, 3>{0x40, 0, 0};
    cases.push_back({"grey 8 bits, one value transparent", keyed,
                     {grey(0x40, 0), grey(0x41), grey(0x40, 0), grey(0), grey(255), grey(0x40, 0)}});
    cases.push_back({"grey 16 bits", picture(PNG_COLOR_TYPE_GRAY, 16, {0x1234, 0xFFFF, 0x00FF, 0x8000, 0, 0xABCD}),
                     {grey(0x12), grey(0xFF), grey(0), grey(0x80), grey(0), grey(0xAB)}});
    cases.push_back({"grey and alpha 8 bits",
                     picture(PNG_COLOR_TYPE_GRAY_ALPHA, 8, {0x80, 0, 0x10, 0xFF, 0xFF, 0x7F, 0, 0, 1, 2, 3, 4}),
                     {grey(0x80, 0), grey(0x10, 0xFF), grey(0xFF, 0x7F), grey(0, 0), grey(1, 2), grey(3, 4)}});
    cases.push_back({"grey and alpha 16 bits",
                     picture(PNG_COLOR_TYPE_GRAY_ALPHA, 16,
                             {0x8001, 0, 0x10FF, 0xFFFF, 0xFF00, 0x7F7F, 0, 0, 0x0102, 0x0203, 0x0304, 0x0405}),
                     {grey(0x80, 0), grey(0x10, 0xFF), grey(0xFF, 0x7F), grey(0, 0), grey(1, 2), grey(3, 4)}});
    RawPng palette2 = picture(PNG_COLOR_TYPE_PALETTE, 2, {0, 1, 2, 3, 0, 1});
    palette2.palette = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 8, 7}};
    cases.push_back({"palette 2 bits", palette2,
                     {{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, {9, 8, 7, 255}, {255, 0, 0, 255},
                      {0, 255, 0, 255}}});
    // The transparency chunk is shorter than the palette: the rest is opaque.
    RawPng palette8 = picture(PNG_COLOR_TYPE_PALETTE, 8, {0, 1, 2, 2, 1, 0});
    palette8.palette = {{10, 20, 30}, {40, 50, 60}, {70, 80, 90}};
    palette8.paletteAlpha = {0, 128};
    cases.push_back({"palette 8 bits with transparency", palette8,
                     {{10, 20, 30, 0}, {40, 50, 60, 128}, {70, 80, 90, 255}, {70, 80, 90, 255}, {40, 50, 60, 128},
                      {10, 20, 30, 0}}});
    cases.push_back({"RGB 8 bits",
                     picture(PNG_COLOR_TYPE_RGB, 8, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 255, 0, 128}),
                     {{1, 2, 3, 255}, {4, 5, 6, 255}, {7, 8, 9, 255}, {10, 11, 12, 255}, {13, 14, 15, 255},
                      {255, 0, 128, 255}}});
    RawPng rgbKeyed = picture(PNG_COLOR_TYPE_RGB, 8, {1, 2, 3, 1, 2, 4, 1, 2, 3, 0, 0, 0, 3, 2, 1, 1, 2, 3});
    rgbKeyed.transparentColor = std::array<uint16_t, 3>{1, 2, 3};
    cases.push_back({"RGB 8 bits, one colour transparent", rgbKeyed,
                     {{1, 2, 3, 0}, {1, 2, 4, 255}, {1, 2, 3, 0}, {0, 0, 0, 255}, {3, 2, 1, 255}, {1, 2, 3, 0}}});
    cases.push_back({"RGB 16 bits",
                     picture(PNG_COLOR_TYPE_RGB, 16,
                             {0x0100, 0x02FF, 0x0380, 0xFFFF, 0, 0x8000, 0, 0, 0, 0x1111, 0x2222, 0x3333, 0x4444,
                              0x5555, 0x6666, 0xFE01, 0x7F02, 0x0103}),
                     {{1, 2, 3, 255}, {255, 0, 0x80, 255}, {0, 0, 0, 255}, {0x11, 0x22, 0x33, 255},
                      {0x44, 0x55, 0x66, 255}, {0xFE, 0x7F, 0x01, 255}}});
    cases.push_back({"RGBA 8 bits",
                     picture(PNG_COLOR_TYPE_RGBA, 8, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 13, 14, 15, 16, 255,
                                                      255, 255, 255, 0, 0, 0, 0}),
                     {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 0}, {13, 14, 15, 16}, {255, 255, 255, 255}, {0, 0, 0, 0}}});
    cases.push_back({"RGBA 16 bits",
                     picture(PNG_COLOR_TYPE_RGBA, 16,
                             {0x01FF, 0x0200, 0x0300, 0x0400, 0x0500, 0x0600, 0x0700, 0x0800, 0x0900, 0x0A00,
                              0x0B00, 0x00FF, 0x0D00, 0x0E00, 0x0F00, 0x1000, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0, 0,
                              0, 0}),
                     {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 0}, {13, 14, 15, 16}, {255, 255, 255, 255}, {0, 0, 0, 0}}});
    return cases;
}

TEST(DecodePng, EveryColourTypeAndDepthBecomesRgba8)
{
    for (const ColorTypeCase& c : colorTypeCases()) {
        SCOPED_TRACE(c.name);
        for (bool interlaced : {false, true}) {
            RawPng png = c.png;
            png.interlaced = interlaced;
            const PngReadResult read = decodePng(rawPngBytes(png));
            ASSERT_TRUE(read.ok()) << read.error;
            EXPECT_EQ(read.image.width, 3);
            EXPECT_EQ(read.image.height, 2);
            EXPECT_EQ(read.image.channels, 4);
            EXPECT_EQ(rgbaPixels(read.image), c.rgba) << (interlaced ? "interlaced" : "");
        }
    }
}

// Adam7 spreads a picture over seven passes; a 9 x 9 picture has pixels in
// every pass and a partial block at its right and bottom edges.
TEST(DecodePng, InterlacedPicturePutsEveryPassInPlace)
{
    RawPng png;
    png.width = 9;
    png.height = 9;
    png.colorType = PNG_COLOR_TYPE_RGBA;
    png.interlaced = true;
    std::vector<Rgba> expected;
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const Rgba p{static_cast<uint8_t>(x), static_cast<uint8_t>(y), static_cast<uint8_t>(x * y),
                         static_cast<uint8_t>(200 + x)};
            expected.push_back(p);
            png.samples.insert(png.samples.end(), p.begin(), p.end());
        }
    const PngReadResult read = decodePng(rawPngBytes(png));
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(rgbaPixels(read.image), expected);
}

Image testImage(int width, int height, int channels)
{
    Image image = blankImage(width, height, channels);
    for (size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = static_cast<uint8_t>(i * 37 + i / 7);
    return image;
}

TEST(EncodePng, RgbaAndRgbPicturesReadBackUnchanged)
{
    for (int channels : {3, 4}) {
        const Image image = testImage(37, 5, channels);
        const PngEncodeResult png = encodePng(image);
        ASSERT_TRUE(png.ok()) << png.error;
        const PngReadResult read = decodePng(png.bytes);
        ASSERT_TRUE(read.ok()) << read.error;
        ASSERT_EQ(read.image.width, 37);
        ASSERT_EQ(read.image.height, 5);
        for (size_t i = 0; i < image.pixelCount(); ++i) {
            const uint8_t* in = image.pixels.data() + i * static_cast<size_t>(channels);
            const uint8_t* out = read.image.pixels.data() + i * 4;
            ASSERT_EQ(std::vector<uint8_t>(out, out + channels), std::vector<uint8_t>(in, in + channels)) << i;
            if (channels == 3) {
                ASSERT_EQ(out[3], 255) << "an RGB picture reads back opaque";
            }
        }
    }
}

TEST(EncodePng, RefusesPicturesItCannotWrite)
{
    Image twoChannels = blankImage(2, 2, 3);
    twoChannels.channels = 2;
    Image shortPixels = blankImage(4, 4, 4);
    shortPixels.pixels.pop_back();
    const struct {
        Image image;
        std::string error;
    } cases[] = {
        {blankImage(0, 5, 3), "a picture of 0 x 5 pixels cannot be written"},
        {blankImage(16385, 1, 3), "a picture of 16385 x 1 pixels cannot be written"},
        {twoChannels, "only RGB and RGBA pictures can be written"},
        {shortPixels, "the picture's pixels do not match its size"},
    };
    for (const auto& c : cases) {
        const PngEncodeResult png = encodePng(c.image);
        EXPECT_EQ(png.error, c.error);
        EXPECT_TRUE(png.bytes.empty());
    }
}

RawPng greyLine(int width, int height)
{
    RawPng png;
    png.width = width;
    png.height = height;
    png.colorType = PNG_COLOR_TYPE_GRAY;
    png.bitDepth = 1;
    png.samples.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 1);
    return png;
}

TEST(DecodePng, RefusesDamagedAndOversizedFiles)
{
    const std::vector<uint8_t> good = encodePng(testImage(20, 20, 4)).bytes;
    std::vector<uint8_t> badCrc = good;
    badCrc[29] ^= 0x01;  // the header chunk's CRC
    const std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2));
    const std::vector<uint8_t> notPng = {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0};

    EXPECT_EQ(decodePng(std::vector<uint8_t>{}).error, "not a PNG picture");
    EXPECT_EQ(decodePng(notPng).error, "not a PNG picture");
    EXPECT_EQ(decodePng(std::vector<uint8_t>(good.begin(), good.begin() + 8)).error,
              "a damaged PNG picture (the file ends early)");
    EXPECT_EQ(decodePng(cut).error, "a damaged PNG picture (the file ends early)");
    EXPECT_EQ(decodePng(badCrc).error, "a damaged PNG picture (IHDR: CRC error)");

    // A few hundred bytes can claim a huge picture; it is refused before its
    // pixels take memory. The limit itself is accepted.
    EXPECT_EQ(decodePng(rawPngBytes(greyLine(16385, 1))).error,
              "a picture of 16385 x 1 pixels is too large (at most 16384 x 16384)");
    EXPECT_EQ(decodePng(rawPngBytes(greyLine(1, 16385))).error,
              "a picture of 1 x 16385 pixels is too large (at most 16384 x 16384)");
    EXPECT_TRUE(decodePng(rawPngBytes(greyLine(16384, 1))).ok());
    EXPECT_EQ(decodePng(rawPngBytes(greyLine(65, 1)), 64).error,
              "a picture of 65 x 1 pixels is too large (at most 64 x 64)");
    for (const PngReadResult& r : {decodePng(cut), decodePng(rawPngBytes(greyLine(16385, 1)))})
        EXPECT_TRUE(r.image.pixels.empty());
}

TEST(PngFiles, WriteReplacesAtomicallyAndReadsBack)
{
    testing_support::TempDir dir;
    const std::string path = (dir / "sheet.png").string();
    testing_support::writeFile(path, std::string("old contents"));
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    const Image image = testImage(16, 9, 3);
    ASSERT_EQ(writePng(path, image), "");
    const PngReadResult read = readPng(path);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.image.width, 16);
    EXPECT_EQ(read.image.height, 9);
    EXPECT_EQ(read.image.pixels[4 * 5 + 1], image.pixels[3 * 5 + 1]);
    // The replaced file keeps its permissions, and no temporary file is left.
    EXPECT_EQ(std::filesystem::status(path).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()),
              1);
}

TEST(PngFiles, FailuresLeaveNothingBehind)
{
    testing_support::TempDir dir;
    const std::string inMissingFolder = (dir / "no-such-folder" / "sheet.png").string();
    EXPECT_EQ(writePng(inMissingFolder, testImage(4, 4, 3)), "cannot be created: No such file or directory");
    EXPECT_EQ(readPng(inMissingFolder).error, "cannot be opened: No such file or directory");

    // A picture that cannot be coded does not touch the file that is there.
    const std::string existing = (dir / "kept.png").string();
    testing_support::writeFile(existing, std::string("keep me"));
    EXPECT_EQ(writePng(existing, blankImage(0, 0, 3)), "a picture of 0 x 0 pixels cannot be written");
    EXPECT_EQ(testing_support::readFile(existing), "keep me");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()),
              1);
}

TEST(Rgb565ToImage, StretchesEachChannelToEightBits)
{
    const uint16_t pixels[] = {0x0000, 0xFFFF, 0xF800, 0x07E0, 0x001F, 0x8410};
    const Image image = rgb565ToImage(pixels, 3, 2);
    EXPECT_EQ(image.channels, 3);
    EXPECT_EQ(image.pixels, (std::vector<uint8_t>{0, 0, 0, 255, 255, 255, 255, 0, 0, 0, 255, 0, 0, 0, 255, 0x84,
                                                   0x82, 0x84}));
}

}  // namespace
}  // namespace common
