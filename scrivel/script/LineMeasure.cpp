#include "LineMeasure.h"

#include <algorithm>
#include <string_view>

#include "BracketCode.h"
#include "ScriptEncoding.h"
#include "render/GlyphPictures.h"
#include "rom/StringExtent.h"

namespace scrivel::script {

LineMeasure::LineMeasure(const FitSettings& settings) : settings_(settings)
{
    if (settings_.format.lineWidth == 0) settings_.format = rom::defaultFontFormat();
    input_.format = settings_.format;
    input_.fonts = settings_.fonts;
    // As the preview draws: 16 x 16 cells whatever the format's cell.
    input_.options.cellHeight = 16;
    input_.options.cellWidth = 16;
    input_.options.hideCodes = true;
    input_.options.variableWidth = settings_.variableWidth;
    input_.options.preview = true;
    input_.options.drawPicture = false;
    input_.widths = &widths_;
}

LineFit LineMeasure::measureWidth(const std::string& line)
{
    PreviewOutput out(bytes_);
    compileLine(line, out);
    const size_t count = out.count();
    out.finish();

    LineFit fit;
    fit.shortCode = rom::codeShortOfOperands(bytes_.data(), count);
    // The span ends with the end byte: a code short of its operands takes it,
    // and the renderer then reads nothing past it.
    input_.bytes = std::span<const uint8_t>(bytes_.data(), count + 1);
    render::renderText(input_, result_);
    const render::Layout& layout = result_.layout;
    fit.available = layout.wrapColumn - layout.lineStartColumn;

    // Glyphs that reach into the end byte are not the line's own: that is
    // the short code's fault, reported as such.
    int stretch = 0;
    for (size_t i = 0; i < layout.lines.size(); ++i) {
        const render::LineLayout& row = layout.lines[i];
        size_t own = 0;
        for (size_t g = row.firstGlyph; g < row.firstGlyph + row.glyphCount; ++g) {
            const render::GlyphPlacement& glyph = layout.glyphs[g];
            if (glyph.kind == render::GlyphKind::Label) continue;
            const size_t end = glyph.byteOffset + (glyph.kind == render::GlyphKind::TwoByte ? 2 : 1);
            if (end > count) break;
            stretch += glyph.advance;
            ++own;
        }
        if (own > 0 && i > 0 && layout.lines[i - 1].end == render::LineEnd::Wrap) fit.overflows = true;
        fit.width = std::max(fit.width, stretch);
        if (row.end != render::LineEnd::Wrap) stretch = 0;
    }
    return fit;
}

LineFit LineMeasure::measure(const std::string& line)
{
    LineFit fit = measureWidth(line);
    const std::string_view text(line);
    for (size_t p = 0; p < text.size();) {
        if (const size_t codeEnd = bracketCodeEnd(text, p)) {
            p = codeEnd;
            continue;
        }
        char32_t c = 0;
        p += readCodePoint(text, p, c);
        if (c == U' ' || !isBlankGlyph(c)) continue;
        if (std::find(fit.missingGlyphs.begin(), fit.missingGlyphs.end(), c) == fit.missingGlyphs.end())
            fit.missingGlyphs.push_back(c);
    }
    return fit;
}

// Codes of 0x80 and above have no preview glyph; below, a glyph without a
// set pixel shows nothing.
bool LineMeasure::isBlankGlyph(char32_t c)
{
    if (c >= render::PreviewFontGlyphs) return true;
    uint8_t& known = blank_[c];
    if (known == 0) {
        const render::GlyphPicture picture = render::previewGlyphPicture(static_cast<unsigned>(c), settings_.fonts.preview);
        known = std::all_of(picture.begin(), picture.end(), [](uint8_t p) { return p == 0; }) ? 1 : 2;
    }
    return known == 1;
}

}  // namespace scrivel::script
