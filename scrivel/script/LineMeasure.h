#pragma once
// How one translated script line comes out in the game's window. The line is
// compiled on its own with an end byte and laid out by the renderer as the
// preview draws it (16 x 16 cells, the preview font, control codes hidden
// since they take no room in the game's window), only without a picture, so
// the screen, the fit check and the rewrap share one layout routine.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "PreviewCompiler.h"
#include "render/Renderer.h"
#include "rom/FontFormat.h"

namespace scrivel::script {

// What a line is measured against.
struct FitSettings {
    rom::FontFormat format;  // its line width; no line width: the default format
    render::Fonts fonts = render::builtInFonts();
    bool variableWidth = false;  // glyphs advance by their width, as with Use VWF Routine
};

struct LineFit {
    // The pixels of advance the line's glyphs need: the widest stretch
    // between line breaks the line itself holds, as if the window had no edge.
    int width = 0;
    // The pixels a line has before the renderer wraps it.
    int available = 0;
    // The renderer wraps the line by itself and then draws at least one more
    // of its glyphs. A line that fills the window exactly does not overflow.
    bool overflows = false;
    // Characters of the text (not of bracket codes) that the preview font
    // cannot show, each once, in the order they first appear.
    std::vector<char32_t> missingGlyphs;
    // The line's last code, when it takes the byte after the line (the line
    // end or the string's end) as its operand.
    std::optional<uint8_t> shortCode;
};

class LineMeasure {
public:
    explicit LineMeasure(const FitSettings& settings);
    // The render input points into the object itself.
    LineMeasure(const LineMeasure&) = delete;
    LineMeasure& operator=(const LineMeasure&) = delete;

    // All of a line's findings. line is UTF-8; a byte that is not part of a
    // valid sequence counts as the character of its own value.
    LineFit measure(const std::string& line);
    // Only the width and the overflow (the glyph and end checks skipped).
    LineFit measureWidth(const std::string& line);

    const FitSettings& settings() const { return settings_; }

private:
    bool isBlankGlyph(char32_t c);

    FitSettings settings_;
    render::RenderInput input_;
    render::RenderResult result_;
    render::GlyphWidthCache widths_;  // the settings never change: one cache serves every line
    std::array<uint8_t, PreviewSize> bytes_{};
    // Per preview glyph: 0 not yet looked at, 1 blank, 2 drawn.
    std::array<uint8_t, render::PreviewFontGlyphs> blank_{};
};

}  // namespace scrivel::script
