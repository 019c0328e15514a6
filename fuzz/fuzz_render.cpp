// The renderer over random strings, format numbers, cells, screen sizes and
// fonts of any length (as a user's font file may give them): it never reads
// or writes outside a buffer, its layout is consistent, and the layout alone
// is the layout of the drawn picture.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "render/Renderer.h"

namespace {

using namespace scrivel::render;

// A view of the program's font cut to a random length, or random bytes.
template <typename T>
std::span<const T> someFont(FuzzedDataProvider& in, std::span<const T> own, std::vector<T>& storage)
{
    if (in.ConsumeBool()) return own.first(in.ConsumeIntegralInRange<size_t>(0, own.size()));
    storage.resize(in.ConsumeIntegralInRange<size_t>(0, 600));
    for (T& v : storage) v = static_cast<T>(in.ConsumeIntegral<uint8_t>());
    return storage;
}

void checkLayout(const Layout& layout, size_t inputSize)
{
    if (layout.lines.empty()) std::abort();
    for (const GlyphPlacement& g : layout.glyphs)
        if (g.line < 0 || static_cast<size_t>(g.line) >= layout.lines.size() || g.byteOffset > inputSize + 2)
            std::abort();
    for (const WrapPoint& w : layout.wraps)
        if (w.glyphIndex >= layout.glyphs.size() || static_cast<size_t>(w.line) >= layout.lines.size()) std::abort();
    size_t counted = 0;
    for (const LineLayout& l : layout.lines) counted += l.glyphCount;
    if (counted != layout.glyphs.size()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    RenderInput input;
    input.format.lineWidth = in.ConsumeIntegral<uint16_t>();
    input.format.cellHeight = in.ConsumeIntegral<uint8_t>();
    input.format.cellWidth = in.ConsumeIntegral<uint8_t>();
    input.format.wideAdvance = in.ConsumeIntegral<uint8_t>();
    input.options.cellHeight = in.ConsumeBool() ? input.format.cellHeight : in.ConsumeIntegralInRange(0, 40);
    input.options.cellWidth = in.ConsumeBool() ? input.format.cellWidth : in.ConsumeIntegralInRange(0, 40);
    input.options.hideCodes = in.ConsumeBool();
    input.options.variableWidth = in.ConsumeBool();
    input.options.preview = in.ConsumeBool();
    input.options.screenWidth = in.ConsumeIntegralInRange(0, 400);
    input.options.screenHeight = in.ConsumeIntegralInRange(0, 400);

    const Fonts& own = builtInFonts();
    std::vector<uint8_t> game, label, preview;
    std::vector<WindowTile> tiles;
    input.fonts.game = someFont<uint8_t>(in, own.game, game);
    input.fonts.label = someFont<uint8_t>(in, own.label, label);
    input.fonts.preview = someFont<uint8_t>(in, own.preview, preview);
    input.fonts.windowTiles = own.windowTiles.first(in.ConsumeIntegralInRange<size_t>(0, own.windowTiles.size()));

    // The string in a buffer of its own size, so that reads past it are seen.
    const std::vector<uint8_t> text = in.ConsumeRemainingBytes<uint8_t>();
    input.bytes = text;

    RenderResult drawn = renderText(input);
    checkLayout(drawn.layout, text.size());
    if (drawn.picture.ready() &&
        drawn.picture.pixels.size() != 2u * static_cast<size_t>(input.options.screenWidth) * input.options.screenHeight)
        std::abort();

    input.options.drawPicture = false;
    const RenderResult measured = renderText(input);
    if (!measured.picture.pixels.empty() || measured.layout.glyphs.size() != drawn.layout.glyphs.size() ||
        measured.layout.lines.size() != drawn.layout.lines.size() || measured.layout.penX != drawn.layout.penX ||
        measured.layout.penY != drawn.layout.penY)
        std::abort();
    return 0;
}
