#pragma once
// The emulated screen: the one place its size is set, and the picture a
// render draws into.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace scrivel::render {

// The game's screen as the editor shows it, in pixels.
inline constexpr int ScreenWidth = 320;
inline constexpr int ScreenHeight = 369;

// A screen picture, RGB565: width x height visible pixels, row after row,
// followed by as many spare ones, into which drawing past the bottom row
// lands unseen.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint16_t> pixels;

    // Sizes the picture for a screen of width x height and clears it; a
    // picture that held pixels before keeps its memory. A size that is not
    // positive leaves the picture empty. Throws std::bad_alloc (or
    // std::length_error) when the memory cannot be had.
    void reset(int width, int height);
    // True once reset has given it pixels.
    bool ready() const;
    size_t visibleCount() const { return static_cast<size_t>(width) * static_cast<size_t>(height); }
};

}  // namespace scrivel::render
