#pragma once
// A small editor state for renderer tests: a 1 MiB image whose block 0 has
// its pointer table at 1A8000 and string 0 at 1A9000, the default format,
// and a 320 x 369 screen.

#include "editor/EditorState.h"
#include "editor/EditorView.h"
#include "editor/HexModel.h"
#include "render/GlyphPictures.h"
#include "render/Renderer.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace scrivel::testing_render {

constexpr int ScreenW = 320;
constexpr int ScreenH = 369;
constexpr uint32_t TableAddress = 0x1A8000;
constexpr uint16_t StringPointer = 0x9000;

class RecordingScreen : public ScreenView {
public:
    void clearBitmap() override { ++clears; }
    void present(const uint16_t* pixels, int width, int height) override
    {
        ++presents;
        shown.assign(pixels, pixels + static_cast<size_t>(width) * static_cast<size_t>(height));
    }
    int clears = 0;
    int presents = 0;
    std::vector<uint16_t> shown;
};

class CountingHexView : public HexView {
public:
    void bytesChanged() override
    {
        ++changes;
        if (onChange) onChange();
    }
    int changes = 0;
    std::function<void()> onChange;
};

class RenderFixture : public ::testing::Test {
protected:
    RenderFixture();

    // Puts bytes (with no 0xFF added) where string 0 starts.
    void setString(const std::vector<uint8_t>& bytes);
    void render(int cellHeight = 16, int cellWidth = 16);

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

    std::unique_ptr<EditorState> state = std::make_unique<EditorState>();
    EditorState& s = *state;
    HexModel hex;
    RecordingScreen screen;
    CountingHexView hexView;
    RenderTargets targets{screen, hex, hexView};
};

}  // namespace scrivel::testing_render
