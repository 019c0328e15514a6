#include "WindowTiles.h"

#include "Palette.h"

#include <cstddef>

namespace scrivel::render {
namespace {

// G mid gray, L light gray, K black, P the gradient placeholder.
constexpr uint16_t colourOf(char c)
{
    switch (c) {
    case 'G': return 0x8430;
    case 'L': return 0xE73C;
    case 'K': return 0x0000;
    default: return GradientPlaceholder;
    }
}

constexpr WindowTile tile(const char (&rows)[8][9])
{
    WindowTile t{};
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) t[static_cast<size_t>(r * 8 + c)] = colourOf(rows[r][c]);
    return t;
}

constexpr char Inside[8][9] = {"PPPPPPPP", "PPPPPPPP", "PPPPPPPP", "PPPPPPPP",
                               "PPPPPPPP", "PPPPPPPP", "PPPPPPPP", "PPPPPPPP"};
constexpr char TopLeft[8][9] = {"KGGGGGGG", "GGLLLLLL", "GLLGGGGG", "GLGGKKKK",
                                "GLGKPPPP", "GLGKPPPP", "GLGKPPPP", "GLGKPPPP"};
constexpr char Top[8][9] = {"GGGGGGGG", "LLLLLLLL", "GGGGGGGG", "KKKKKKKK",
                            "PPPPPPPP", "PPPPPPPP", "PPPPPPPP", "PPPPPPPP"};
constexpr char TopRight[8][9] = {"GGGGGGKK", "LLLLLGGK", "GGGGLLGK", "KKKGGLGK",
                                 "PPPPGLGK", "PPPPGLGK", "PPPPGLGK", "PPPPGLGK"};
constexpr char Left[8][9] = {"GLGKPPPP", "GLGKPPPP", "GLGKPPPP", "GLGKPPPP",
                             "GLGKPPPP", "GLGKPPPP", "GLGKPPPP", "GLGKPPPP"};
constexpr char Right[8][9] = {"PPPPGLGK", "PPPPGLGK", "PPPPGLGK", "PPPPGLGK",
                              "PPPPGLGK", "PPPPGLGK", "PPPPGLGK", "PPPPGLGK"};
constexpr char BottomLeft[8][9] = {"GLGKPPPP", "GLGKPPPP", "GLGKPPPP", "GLGGKPPP",
                                   "GLLGGGGG", "GGLLLLLL", "KGGGGGGG", "KKKKKKKK"};
constexpr char Bottom[8][9] = {"PPPPPPPP", "PPPPPPPP", "PPPPPPPP", "PPPPPPPP",
                               "GGGGGGGG", "LLLLLLLL", "GGGGGGGG", "KKKKKKKK"};
constexpr char BottomRight[8][9] = {"PPPPGLGK", "PPPPGLGK", "PPPPGLGK", "PPPGGLGK",
                                    "GGGGLLGK", "LLLLLGGK", "GGGGGGKK", "KKKKKKKK"};

}  // namespace

const std::array<WindowTile, WindowTileCount> WindowTiles = {
    tile(Inside), tile(TopLeft), tile(Top), tile(TopRight), tile(Left),
    tile(Right), tile(BottomLeft), tile(Bottom), tile(BottomRight),
};

}  // namespace scrivel::render
