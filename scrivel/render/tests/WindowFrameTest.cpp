#include "render/Palette.h"
#include "render/WindowFrame.h"
#include "render/WindowTiles.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace scrivel::render {
namespace {

constexpr uint16_t G = 0x8430, L = 0xE73C, K = 0x0000, P = GradientPlaceholder;

TEST(WindowTiles, EdgesAndCornersFollowTheTables)
{
    const uint16_t topEdge[8] = {G, L, G, K, P, P, P, P};
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) {
            EXPECT_EQ(WindowTiles[2][r * 8 + c], topEdge[r]);
            EXPECT_EQ(WindowTiles[7][r * 8 + c], topEdge[(r + 4) % 8]);
            EXPECT_EQ(WindowTiles[4][r * 8 + c], topEdge[c]);
            EXPECT_EQ(WindowTiles[5][r * 8 + c], topEdge[(c + 4) % 8]);
            EXPECT_EQ(WindowTiles[0][r * 8 + c], P);
        }
    const WindowTile& topLeft = WindowTiles[1];
    EXPECT_EQ(std::vector<uint16_t>(topLeft.begin(), topLeft.begin() + 8), (std::vector<uint16_t>{K, G, G, G, G, G, G, G}));
    EXPECT_EQ(std::vector<uint16_t>(topLeft.begin() + 24, topLeft.begin() + 32),
              (std::vector<uint16_t>{G, L, G, G, K, K, K, K}));
    const WindowTile& bottomRight = WindowTiles[8];
    EXPECT_EQ(std::vector<uint16_t>(bottomRight.begin() + 24, bottomRight.begin() + 32),
              (std::vector<uint16_t>{P, P, P, G, G, L, G, K}));
    EXPECT_EQ(std::vector<uint16_t>(bottomRight.begin() + 48, bottomRight.begin() + 56),
              (std::vector<uint16_t>{G, G, G, G, G, G, K, K}));
    for (int i = 56; i < 64; ++i) EXPECT_EQ(bottomRight[i], K);
}

struct FrameCase : ::testing::Test {
    std::unique_ptr<FrameMap> map = std::make_unique<FrameMap>();
};

TEST_F(FrameCase, OneLineWindowIs144By32WithAGradientFrom1BTo04)
{
    const size_t W = 200, H = 60;
    std::vector<uint16_t> screen(W * H, 0);
    buildFrameMap(*map, 4, 18);
    drawWindowFrame(screen, 0, *map, W, true);

    auto at = [&](size_t y, size_t x) { return screen[y * W + x]; };
    EXPECT_EQ(at(0, 0), K);
    EXPECT_EQ(at(0, 1), G);
    EXPECT_EQ(at(1, 100), L);
    EXPECT_EQ(at(0, 142), K);  // top-right corner's last two pixels
    EXPECT_EQ(at(31, 0), K);
    EXPECT_EQ(at(16, 141), L);  // right edge
    for (size_t x = 0; x < W; ++x) EXPECT_EQ(at(32, x), 0) << x;
    for (size_t y = 0; y < 32; ++y) EXPECT_EQ(at(y, 144), 0) << y;

    // The inside spans frame rows 4-27 (the bottom corners bite one pixel
    // off its corners): level 31 - row.
    for (size_t y = 4; y <= 27; ++y) {
        EXPECT_EQ(at(y, 5), 31 - y) << y;
        EXPECT_EQ(at(y, 138), 31 - y) << y;
    }
    EXPECT_EQ(at(27, 4), K);
    EXPECT_EQ(at(27, 139), G);
    EXPECT_EQ(at(4, 70), 0x001B);
    EXPECT_EQ(at(27, 70), 0x0004);
    EXPECT_EQ(map->rows, 4);
    EXPECT_EQ(map->columns, 18);
}

TEST_F(FrameCase, GradientStepsByHeight)
{
    struct Case {
        uint16_t rows;
        size_t y;
        uint16_t level;
    };
    // 46 rows: 368 pixels, step 11, black from pixel row 341 on.
    // 3 rows: 24 pixels, step 0, the counter wraps and the level stays 31.
    const Case cases[] = {{46, 4, 31}, {46, 10, 31}, {46, 11, 30}, {46, 339, 1}, {46, 340, 1},
                          {46, 341, 0}, {46, 363, 0}, {3, 4, 31}, {3, 19, 31}};
    for (const Case& c : cases) {
        const size_t W = 24;
        std::vector<uint16_t> screen(W * c.rows * 8 + 8, 0);
        *map = FrameMap{};
        buildFrameMap(*map, c.rows, 3);
        drawWindowFrame(screen, 0, *map, W, true);
        EXPECT_EQ(screen[c.y * W + 12], c.level) << c.rows << " rows, pixel row " << c.y;
    }
}

TEST_F(FrameCase, OnlyEmptyKeepsWhatIsAlreadyDrawnAndTheGradientSkipsIt)
{
    const size_t W = 40;
    std::vector<uint16_t> screen(W * 40, 0);
    screen[10 * W + 10] = 0xFFFF;
    screen[0] = 0x1234;
    buildFrameMap(*map, 4, 4);
    drawWindowFrame(screen, 0, *map, W, true);
    EXPECT_EQ(screen[10 * W + 10], 0xFFFF);
    EXPECT_EQ(screen[0], 0x1234);
    EXPECT_EQ(screen[10 * W + 11], 31 - 10);
}

TEST_F(FrameCase, NarrowAndEmptyWindowsStayInsideTheMap)
{
    buildFrameMap(*map, 4, 1);  // one column: the right edge tiles win
    EXPECT_EQ(map->tiles[0], 3);
    EXPECT_EQ(map->tiles[128], 5);
    EXPECT_EQ(map->tiles[3 * 128], 8);
    EXPECT_EQ(map->tiles[1], 0);

    *map = FrameMap{};
    buildFrameMap(*map, 4, 0);
    buildFrameMap(*map, 0, 18);
    for (uint8_t t : map->tiles) ASSERT_EQ(t, 0);

    *map = FrameMap{};
    buildFrameMap(*map, 300, 500);  // cut to the map's 128 x 128
    EXPECT_EQ(map->rows, 128);
    EXPECT_EQ(map->columns, 128);
    EXPECT_EQ(map->tiles[127], 3);
    EXPECT_EQ(map->tiles[127 * 128 + 127], 8);
}

TEST_F(FrameCase, FramesBeyondTheScreenAreCutAtItsEnd)
{
    const size_t W = 50;
    std::vector<uint16_t> screen(W * 30, 0);
    buildFrameMap(*map, 128, 128);
    drawWindowFrame(screen, 8 * W + 8, *map, W, true);  // ASan guards the writes
    EXPECT_EQ(screen[8 * W + 8], K);
    EXPECT_EQ(screen[9 * W + 9], G);
    EXPECT_NE(screen.back(), 0);  // drawn up to the very last pixel
}

}  // namespace
}  // namespace scrivel::render
