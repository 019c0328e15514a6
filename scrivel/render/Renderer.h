#pragma once
// The script renderer: a function of the string's bytes, the format numbers,
// the fonts and a few options, which gives the screen picture and a record of
// where every glyph went. It keeps no state between calls and knows nothing
// of the editor: the editor picks the bytes, shows the picture and updates
// its own windows.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "Fonts.h"
#include "Screen.h"
#include "rom/FontFormat.h"

namespace scrivel::render {

struct RenderOptions {
    // The cell glyphs are drawn in. Only the format's own cell draws from
    // the game font (or, with preview, the preview font); any other cell
    // draws label glyphs, and 8 x 8 places them proportionally.
    int cellHeight = 16;
    int cellWidth = 16;
    bool hideCodes = false;      // control codes draw nothing and break no line
    bool variableWidth = false;  // every glyph advances by its rightmost column + 2
    bool preview = false;        // the bytes were compiled from a script: preview font
    // The screen drawn on; text below its bottom continues at its top.
    int screenWidth = ScreenWidth;
    int screenHeight = ScreenHeight;
    // False: only the layout is worked out, and no picture is made.
    bool drawPicture = true;
};

// The rightmost set column of each glyph that renders have looked at, kept
// by a caller that lays out many strings with one set of fonts, format and
// options (the fit check over a whole script): proportional advance then
// reads a glyph's pixels once instead of at every use. Only renders without
// a picture use it. A new cache (or a cleared one) goes with any change of
// the fonts, the format or the options.
struct GlyphWidthCache {
    std::vector<int8_t> rightmost;  // by glyph; -1: not looked at yet
};

struct RenderInput {
    // The string, from its first byte on. Reads past the end give 0xFF, so
    // a string without its end stops there.
    std::span<const uint8_t> bytes;
    rom::FontFormat format;
    Fonts fonts = builtInFonts();
    RenderOptions options;
    GlyphWidthCache* widths = nullptr;
};

enum class GlyphKind {
    OneByte,  // a byte of the string
    TwoByte,  // a lead byte 0xF0-0xF6 and the byte after it
    Label,    // a character of a control code's label ("[$F8]", "[KEY]>")
};

struct GlyphPlacement {
    int x = 0;  // top-left pixel of the cell on the screen
    int y = 0;
    int advance = 0;  // how far the pen moved after it
    int line = 0;     // index into Layout::lines
    // Where the glyph's bytes start in the input; for a label character, the
    // control code the label shows.
    size_t byteOffset = 0;
    unsigned number = 0;  // the byte, the two-byte glyph's index, or the label character
    GlyphKind kind = GlyphKind::OneByte;
};

enum class LineEnd {
    EndOfText,  // the string ended on this line
    LineBreak,  // a line break code (0xFD, also the two inside the key prompt's label)
    Wrap,       // the pen reached the format's line width
};

struct LineLayout {
    int y = 0;               // the pen's row when the line began
    int width = 0;           // pixels from the line's start column to the pen after its last glyph
    size_t firstGlyph = 0;   // index into Layout::glyphs
    size_t glyphCount = 0;
    size_t firstByte = 0;    // offset in the input where the line began
    LineEnd end = LineEnd::EndOfText;
};

// An automatic wrap: the glyph glyphIndex moved the pen to the line width or
// beyond, so line ended there and the next glyph starts a new line.
struct WrapPoint {
    int line = 0;
    size_t glyphIndex = 0;
    size_t byteOffset = 0;  // the input offset just after that glyph's bytes
};

struct Layout {
    std::vector<GlyphPlacement> glyphs;
    std::vector<LineLayout> lines;  // at least one
    std::vector<WrapPoint> wraps;
    int penX = 0;  // where the pen stood at the end
    int penY = 0;
    // Input bytes read up to and including the closing 0xFF; more than the
    // input holds when the string ran past its end.
    size_t bytesRead = 0;
    // The text window: its rows (two per line, cut to the screen's height)
    // and columns (the line width in tiles), and the drawn tile map's size
    // (cut to 128 x 128 tiles).
    uint16_t frameRows = 0;
    uint16_t frameColumns = 0;
    uint16_t frameMapRows = 0;
    uint16_t frameMapColumns = 0;
    // The column every line starts at, and the pen column that wraps a line
    // (the format's line width): a line holds wrapColumn - lineStartColumn
    // pixels of advance before the renderer wraps it.
    int lineStartColumn = 0;
    int wrapColumn = 0;

    // True when a glyph was drawn after the wrap (on its new line or later).
    bool drawsAfter(const WrapPoint& wrap) const { return wrap.glyphIndex + 1 < glyphs.size(); }
};

struct RenderResult {
    Picture picture;  // empty when no picture was asked for or the screen has no size
    Layout layout;
};

// Draws the string. With drawPicture, the picture holds the visible screen
// and its spare half, as the editor shows it.
RenderResult renderText(const RenderInput& input);

// The same into result, reusing the memory result already holds: the editor
// renders on every keystroke and keeps one picture for the whole run.
void renderText(const RenderInput& input, RenderResult& result);

}  // namespace scrivel::render
