// A top-level render of a typical four-line string: the screen cleared,
// glyphs and a label drawn, the window frame with its gradient behind them,
// the visible picture copied out.

#include "editor/EditorState.h"
#include "editor/HexModel.h"
#include "render/Renderer.h"
#include "render/Screen.h"
#include "rom/Pointers.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

using namespace scrivel;

// Keeps its own copy of every presented picture, as the window's bitmap does.
class CopyingScreen : public ScreenView {
public:
    void clearBitmap() override { std::fill(bitmap.begin(), bitmap.end(), 0); }
    void present(const uint16_t* pixels, int width, int height) override
    {
        bitmap.assign(pixels, pixels + static_cast<size_t>(width) * static_cast<size_t>(height));
    }
    std::vector<uint16_t> bitmap = std::vector<uint16_t>(320 * 369);
};

class QuietHexView : public HexView {
public:
    void bytesChanged() override {}
};

// Four lines of 14 glyphs, one two-byte glyph, a control code and a key
// prompt: what a line of dialogue looks like.
std::vector<uint8_t> fourLines()
{
    std::vector<uint8_t> text;
    for (int line = 0; line < 4; ++line) {
        for (int i = 0; i < 14; ++i) text.push_back(static_cast<uint8_t>(0x5F + (line * 14 + i) % 46));
        if (line == 1) text.insert(text.end(), {0xF0, 0x75});
        if (line == 2) text.push_back(0xF8);
        text.push_back(line < 3 ? 0xFD : 0xFE);
    }
    text.push_back(0xFF);
    return text;
}

void renderFourLines(benchmark::State& bench, bool vwf)
{
    auto s = std::make_unique<EditorState>();
    s->RomImage.assign(0x100000, 0);
    s->romLoaded = true;
    s->Format.LineWidth = 144;
    s->Format.CellHeight = 16;
    s->Format.CellWidth = 16;
    s->Format.WideAdvance = 16;
    s->BlockAddress[0] = 0x1A8000;
    s->BlockTextBank[0] = 0x1A0000;
    s->CurrentBlockAddress = 0x1A8000;
    s->RomImage[0xD0000] = 0x00;
    s->RomImage[0xD0001] = 0x90;
    const std::vector<uint8_t> text = fourLines();
    std::copy(text.begin(), text.end(), s->RomImage.begin() + SnesToFileOffset(0x1A9000));
    s->Checks.UseVWFRoutine1 = vwf;
    setupScreen(*s, 320, 369);

    CopyingScreen screen;
    HexModel hex;
    QuietHexView hexView;
    RenderTargets targets{screen, hex, hexView};
    for (auto _ : bench) {
        RenderText(*s, targets, false, 16, 16);
        benchmark::DoNotOptimize(screen.bitmap.data());
    }
}

// The yardstick: one plain copy of the visible screen, for figures relative
// to the machine.
void BM_CopyVisibleScreen(benchmark::State& bench)
{
    std::vector<uint16_t> from(320 * 369, 0x1234), to(320 * 369);
    for (auto _ : bench) {
        std::copy(from.begin(), from.end(), to.begin());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyVisibleScreen)->Unit(benchmark::kMicrosecond);

void BM_RenderFourLines(benchmark::State& bench) { renderFourLines(bench, false); }
void BM_RenderFourLinesVwf(benchmark::State& bench) { renderFourLines(bench, true); }
BENCHMARK(BM_RenderFourLines)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RenderFourLinesVwf)->Unit(benchmark::kMicrosecond);

}  // namespace
