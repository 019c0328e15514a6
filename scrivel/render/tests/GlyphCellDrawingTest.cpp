#include "render/GlyphCellDrawing.h"
#include "render/Palette.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace scrivel::render {
namespace {

// The row-at-once drawing must give exactly what drawing one pixel after the
// other gives: random cells of every size over backgrounds with shadows,
// colours and zeros, including cells that overlap earlier glyphs.
TEST(GlyphCellDrawing, RowsAtOnceEqualPixelByPixel)
{
    std::mt19937 random(4242);
    const uint16_t background[] = {0, 0, ShadowColour, 0xFFFF, 0x57EA, 0x2114};
    for (int round = 0; round < 2000; ++round) {
        const size_t width = 20 + random() % 30;
        const int rows = static_cast<int>(random() % 17);
        const int columns = static_cast<int>(random() % 17);
        std::vector<uint16_t> screen(width * 24);
        for (uint16_t& px : screen) px = background[random() % 6];
        std::vector<uint8_t> cell(static_cast<size_t>(rows * columns));
        const unsigned density = random() % 4;
        for (uint8_t& c : cell) c = random() % 4 < density ? 1 : 0;
        const size_t origin = random() % (width * 24);  // near the end too

        std::vector<uint16_t> reference = screen;
        drawGlyphCellPixelByPixel(reference, origin, width, cell.data(), rows, columns, 0xFFFF);
        drawGlyphCell(screen, origin, width, cell.data(), rows, columns, 0xFFFF);
        ASSERT_EQ(screen, reference) << "round " << round;
    }
}

}  // namespace
}  // namespace scrivel::render
