#pragma once
// The renderer on its own: a string's bytes, the default format, the
// program's fonts and a 320 x 369 screen.

#include "render/GlyphPictures.h"
#include "render/Renderer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace scrivel::testing_render {

using namespace scrivel::render;

constexpr int ScreenW = ScreenWidth;
constexpr int ScreenH = ScreenHeight;

class RenderFixture : public ::testing::Test {
protected:
    RenderFixture();

    // The string to draw (no 0xFF is added).
    void setString(const std::vector<uint8_t>& bytes) { text = bytes; }
    void render(int cellHeight = 16, int cellWidth = 16);
    const Layout& layout() const { return result.layout; }

    uint16_t px(int row, int column) const;
    // Pixels in the visible screen other than 0, outside the given rectangle.
    int nonZeroOutside(int top, int left, int bottom, int right) const;
    // True when every set pixel of picture (cell rows x columns from its
    // top-left) is colour at (row, column) and carries its shadow, and (with
    // checkClear, where no later glyph overlaps) no clear pixel has colour.
    ::testing::AssertionResult glyphAt(const GlyphPicture& picture, int row, int column, uint16_t colour,
                                       int rows = 16, int columns = 16, bool checkClear = true) const;
    // Checks a control-code label drawn from (row, column) in 8 x 8 cells with
    // proportional advance; returns the pen column after it.
    int expectLabel(const std::string& text, int row, int column, uint16_t colour) const;
    // Writes the visible screen as a PPM file when RENDER_DUMP_DIR is set.
    void dump(const std::string& name) const;

    std::vector<uint8_t> text;
    rom::FontFormat format;
    Fonts fonts = builtInFonts();
    RenderOptions options;
    RenderResult result;
};

}  // namespace scrivel::testing_render
