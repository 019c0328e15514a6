// A render of a typical four-line string: the screen cleared, glyphs and a
// label drawn, the window frame with its gradient behind them; and the
// layout alone of one line, as the fit check measures it.

#include "render/Renderer.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

using namespace scrivel::render;

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

RenderInput input(const std::vector<uint8_t>& text, bool vwf)
{
    RenderInput in;
    in.bytes = text;
    in.format.lineWidth = 144;
    in.format.cellHeight = 16;
    in.format.cellWidth = 16;
    in.format.wideAdvance = 16;
    in.options.variableWidth = vwf;
    return in;
}

// The picture kept from one render to the next, as the editor keeps it.
void renderFourLines(benchmark::State& bench, bool vwf)
{
    const std::vector<uint8_t> text = fourLines();
    const RenderInput in = input(text, vwf);
    RenderResult result;
    for (auto _ : bench) {
        renderText(in, result);
        benchmark::DoNotOptimize(result.picture.pixels.data());
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

// Measuring one line of a script for the fit check or a rewrap: its layout
// alone, no picture.
void BM_MeasureOneLine(benchmark::State& bench)
{
    std::vector<uint8_t> line(20, 0x60);
    line.push_back(0xFF);
    RenderInput in = input(line, true);
    in.options.drawPicture = false;
    RenderResult result;
    for (auto _ : bench) {
        renderText(in, result);
        benchmark::DoNotOptimize(result.layout.lines.data());
    }
}
BENCHMARK(BM_MeasureOneLine)->Unit(benchmark::kMicrosecond);

}  // namespace
