#include "RenderFixture.h"

#include "render/Palette.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace scrivel::testing_render {

RenderFixture::RenderFixture()
{
    format.lineWidth = 144;
    format.cellHeight = 16;
    format.cellWidth = 16;
    format.wideAdvance = 16;
}

void RenderFixture::render(int cellHeight, int cellWidth)
{
    RenderInput input;
    input.bytes = text;
    input.format = format;
    input.fonts = fonts;
    input.options = options;
    input.options.cellHeight = cellHeight;
    input.options.cellWidth = cellWidth;
    renderText(input, result);
}

uint16_t RenderFixture::px(int row, int column) const
{
    return result.picture.pixels.at(static_cast<size_t>(row) * static_cast<size_t>(result.picture.width) +
                                    static_cast<size_t>(column));
}

int RenderFixture::nonZeroOutside(int top, int left, int bottom, int right) const
{
    int count = 0;
    for (int r = 0; r < ScreenH; ++r)
        for (int c = 0; c < ScreenW; ++c)
            if ((r < top || r > bottom || c < left || c > right) && px(r, c) != 0) ++count;
    return count;
}

::testing::AssertionResult RenderFixture::glyphAt(const GlyphPicture& picture, int row, int column, uint16_t colour,
                                                  int rows, int columns, bool checkClear) const
{
    for (int m = 0; m < rows; ++m)
        for (int n = 0; n < columns; ++n) {
            const bool set = picture[static_cast<size_t>(m * 16 + n)] != 0;
            const uint16_t got = px(row + m, column + n);
            if (set && got != colour)
                return ::testing::AssertionFailure() << "pixel (" << m << ", " << n << ") of the cell is " << got;
            if (set && px(row + m + 1, column + n + 1) != colour && px(row + m + 1, column + n + 1) != ShadowColour)
                return ::testing::AssertionFailure() << "no shadow below right of cell pixel (" << m << ", " << n << ")";
            if (checkClear && !set && got == colour && colour != 0)
                return ::testing::AssertionFailure() << "clear cell pixel (" << m << ", " << n << ") is coloured";
        }
    return ::testing::AssertionSuccess();
}

int RenderFixture::expectLabel(const std::string& text, int row, int column, uint16_t colour) const
{
    for (char c : text) {
        const GlyphPicture p = labelGlyphPicture(static_cast<uint8_t>(c));
        EXPECT_TRUE(glyphAt(p, row, column, colour, 8, 8, false)) << "label character " << c;
        int rightmost = 0;
        for (int i = 0; i < 256; ++i)
            if (p[static_cast<size_t>(i)]) rightmost = std::max(rightmost, i % 16);
        column += (rightmost == 0 ? 4 : rightmost) + 2;
    }
    return column;
}

void RenderFixture::dump(const std::string& name) const
{
    const char* dir = std::getenv("RENDER_DUMP_DIR");
    if (!dir) return;
    FILE* f = std::fopen((std::string(dir) + "/" + name + ".ppm").c_str(), "wb");
    if (!f) return;
    std::fprintf(f, "P6\n%d %d\n255\n", ScreenW, ScreenH);
    for (int i = 0; i < ScreenW * ScreenH; ++i) {
        const uint16_t v = result.picture.pixels[static_cast<size_t>(i)];
        const unsigned char rgb[3] = {static_cast<unsigned char>(((v >> 11) & 31) * 255 / 31),
                                      static_cast<unsigned char>(((v >> 5) & 63) * 255 / 63),
                                      static_cast<unsigned char>((v & 31) * 255 / 31)};
        std::fwrite(rgb, 1, 3, f);
    }
    std::fclose(f);
}

}  // namespace scrivel::testing_render
