#include "Renderer.h"

#include "GlyphCellDrawing.h"
#include "GlyphPictures.h"
#include "Palette.h"
#include "PixelOps.h"
#include "WindowFrame.h"
#include "rom/ByteCode.h"
#include "rom/ByteStream.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>

namespace scrivel::render {
namespace {

constexpr uint16_t PenStart = 16;
constexpr uint16_t LineStartColumn = 16;
constexpr uint16_t InitialFrameRows = 4;
constexpr uint16_t FrameRowsPerLine = 2;
constexpr size_t WindowOrigin = 8;
constexpr int LabelCellSide = 8;
constexpr int MaxCellSide = 16;

// One render: the pen, the colour, the stream being read and what has been
// drawn so far. Labels of control codes are drawn by a nested run over the
// label's own bytes with the same pen.
class TextPainter {
public:
    TextPainter(const RenderInput& input, RenderResult& result)
        : in_(input), options_(input.options), picture_(result.picture), layout_(result.layout)
    {
    }

    void run()
    {
        // Cleared, not replaced: a caller that renders again keeps the memory.
        layout_.glyphs.clear();
        layout_.lines.clear();
        layout_.wraps.clear();
        layout_.lines.push_back(LineLayout{PenStart, 0, 0, 0, 0, LineEnd::EndOfText});
        if (options_.drawPicture)
            picture_.reset(options_.screenWidth, options_.screenHeight);
        else
            picture_.reset(0, 0);

        textColour_ = TextColourIndex;
        penX_ = PenStart;
        penY_ = PenStart;
        frameRows_ = InitialFrameRows;
        const auto frameColumns = static_cast<uint16_t>(in_.format.lineWidth / 8);

        stream_ = rom::ByteStream(in_.bytes);
        drawText(false, options_.cellHeight, options_.cellWidth);
        layout_.bytesRead = stream_.pos;

        frameRows_ = static_cast<uint16_t>(std::min<int>(frameRows_, std::max(options_.screenHeight, 0) / 8));
        if (picture_.ready()) {
            // The map is only the window's outline; it lives on the heap for
            // the moment it takes to draw.
            auto map = std::make_unique<FrameMap>();
            buildFrameMap(*map, frameRows_, frameColumns);
            const auto width = static_cast<size_t>(picture_.width);
            drawWindowFrame(picture_.pixels, WindowOrigin * width + WindowOrigin, *map, width, true,
                            in_.fonts.windowTiles);
        }
        layout_.penX = penX_;
        layout_.penY = penY_;
        layout_.frameRows = frameRows_;
        layout_.frameColumns = frameColumns;
        // As buildFrameMap cuts them.
        layout_.frameMapRows = std::min<uint16_t>(frameRows_, FrameMapSide);
        layout_.frameMapColumns = std::min<uint16_t>(frameColumns, FrameMapSide);
        layout_.lineStartColumn = LineStartColumn;
        layout_.wrapColumn = in_.format.lineWidth;
    }

private:
    // Reads the stream until its end: a top-level text ends the render, a
    // nested one (a label) returns to the text that drew it.
    void drawText(bool nested, int cellHeight, int cellWidth)
    {
        const bool hideCodes = options_.hideCodes;
        for (;;) {
            const size_t at = stream_.pos;
            if (!nested) codeOffset_ = at;
            const uint8_t b = stream_.next();
            if (rom::isPlainCode(b)) {
                if (hideCodes) continue;
                char visible[16];
                std::snprintf(visible, sizeof visible, "[$%02X]", b);
                drawLabel(visible, std::span(&rom::EndOfString, 1), PlainCodeColourIndex, stream_.pos);
            } else if (rom::isTwoByteLead(b)) {
                const uint8_t second = stream_.next();
                drawGlyph(cellHeight, cellWidth, ((b & 0x0Fu) << 8) | second, true, nested ? codeOffset_ : at);
            } else if (b == rom::OperandCode) {
                if (!hideCodes) {
                    char visible[16];
                    std::snprintf(visible, sizeof visible, "[$FC%02X%02X]", stream_.peek(0), stream_.peek(1));
                    drawLabel(visible, std::span(&rom::EndOfString, 1), OperandCodeColourIndex, stream_.pos + 2);
                }
                stream_.skip(2);
            } else if (b == rom::LineBreak) {
                lineBreak(cellHeight, nextTextByte());
            } else if (b == rom::KeyPrompt) {
                if (hideCodes) continue;
                static constexpr uint8_t keyCodes[] = {rom::LineBreak, rom::LineBreak, rom::EndOfString};
                drawLabel("[KEY]>", keyCodes, KeyPromptColourIndex, stream_.pos);
            } else if (b == rom::EndOfString) {
                return;
            } else {
                drawGlyph(cellHeight, cellWidth, b, false, nested ? codeOffset_ : at);
            }
        }
    }

    // The input offset of the text's next byte: inside a label, the byte
    // after the code the label shows.
    size_t nextTextByte() const { return label_ ? labelResume_ : stream_.pos; }

    // Ends the current line and starts the next at byteOffset.
    void newLine(LineEnd end, size_t byteOffset)
    {
        layout_.lines.back().end = end;
        layout_.lines.push_back(LineLayout{penY_, 0, layout_.glyphs.size(), 0, byteOffset, LineEnd::EndOfText});
    }

    void lineBreak(int cellHeight, size_t nextByte)
    {
        penY_ = static_cast<uint16_t>(penY_ + cellHeight);
        penX_ = LineStartColumn;
        frameRows_ = static_cast<uint16_t>(frameRows_ + FrameRowsPerLine);
        newLine(LineEnd::LineBreak, nextByte);
    }

    // Draws cell_ (rows x columns) at the pen with its drop shadow. Returns
    // the rightmost set column of the glyph (0 for a blank one).
    int drawCell(int rows, int columns)
    {
        wrapPenToScreen();
        const uint8_t* cell = cell_.data();
        int rightmost = 0;
        for (int m = 0; m < rows; ++m)
            for (int n = columns - 1; n > rightmost; --n)
                if (cell[m * columns + n] != 0) rightmost = n;

        if (picture_.ready()) {
            const auto width = static_cast<size_t>(picture_.width);
            drawGlyphCell(picture_.pixels, static_cast<size_t>(penY_) * width + penX_, width, cell, rows, columns,
                          Palette[textColour_ & 31u]);
        }
        return rightmost;
    }

    // Text that runs below the screen's bottom continues at its top.
    void wrapPenToScreen()
    {
        if (options_.screenHeight > 0) penY_ = static_cast<uint16_t>(penY_ % options_.screenHeight);
    }

    GlyphPicture pictureOf(int cellHeight, int cellWidth, unsigned number, bool twoByte) const
    {
        const rom::FontFormat& f = in_.format;
        const Fonts& fonts = in_.fonts;
        const bool gameCell = cellHeight == f.cellHeight && cellWidth == f.cellWidth;
        if (gameCell && !options_.preview)
            return twoByte ? gameWideGlyphPicture(number, fonts.game) : gameHalfTilePicture(number, fonts.game);
        if (gameCell) return previewGlyphPicture(twoByte ? 2u * number : number, fonts.preview);
        return labelGlyphPicture(number & 0xFFu, fonts.label);
    }

    // The caller's cache entry of the glyph's rightmost column, or null
    // without a cache. A glyph is known by the picture it draws: its font
    // (game half tile, game wide glyph, preview one- or two-byte, label), its
    // number, and whether it is a label's (8 x 8 cells) or the text's.
    int8_t* cachedRightmost(int cellHeight, int cellWidth, unsigned number, bool twoByte) const
    {
        GlyphWidthCache* cache = in_.widths;
        if (!cache) return nullptr;
        constexpr size_t Numbers = 4096;  // two-byte indices reach 0x6FF
        constexpr size_t Kinds = 5;
        if (cache->rightmost.size() != 2 * Kinds * Numbers) cache->rightmost.assign(2 * Kinds * Numbers, -1);
        const bool gameCell = cellHeight == in_.format.cellHeight && cellWidth == in_.format.cellWidth;
        const size_t kind = gameCell ? (options_.preview ? 2u : 0u) + (twoByte ? 1u : 0u) : 4u;
        return &cache->rightmost[((label_ ? Kinds : 0) + kind) * Numbers + (number % Numbers)];
    }

    // Selects, draws and advances past one glyph: number is the byte of a
    // one-byte glyph or the index of a two-byte one.
    void drawGlyph(int cellHeight, int cellWidth, unsigned number, bool twoByte, size_t byteOffset)
    {
        const rom::FontFormat& f = in_.format;
        const bool proportional = options_.variableWidth || (cellHeight == LabelCellSide && cellWidth == LabelCellSide);

        int rightmost = 0;
        int8_t* known = proportional && !picture_.ready() ? cachedRightmost(cellHeight, cellWidth, number, twoByte)
                                                          : nullptr;
        if (known && *known >= 0) {
            rightmost = *known;
            wrapPenToScreen();
        } else if (picture_.ready() || proportional) {
            const GlyphPicture picture = pictureOf(cellHeight, cellWidth, number, twoByte);
            // Cells other than 16 x 16 take the picture's top-left part.
            const int rows = std::clamp(cellHeight, 0, MaxCellSide);
            const int columns = std::clamp(cellWidth, 0, MaxCellSide);
            for (int m = 0; m < rows; ++m)
                std::copy_n(picture.data() + m * MaxCellSide, columns, cell_.data() + m * columns);
            rightmost = drawCell(rows, columns);
            if (known) *known = static_cast<int8_t>(rightmost);
        } else {
            // A layout without a picture, in fixed advance, needs nothing of
            // the glyph's pixels: checking a whole script skips them.
            wrapPenToScreen();
        }

        int advance;
        if (proportional)
            advance = (rightmost == 0 ? 4 : rightmost) + 2;
        else if (!twoByte)
            advance = 8;
        else
            advance = cellWidth == f.cellWidth ? f.wideAdvance : 5;

        GlyphPlacement placed;
        placed.x = penX_;
        placed.y = penY_;
        placed.advance = advance;
        placed.line = static_cast<int>(layout_.lines.size()) - 1;
        placed.byteOffset = byteOffset;
        placed.number = number;
        placed.kind = label_ ? GlyphKind::Label : twoByte ? GlyphKind::TwoByte : GlyphKind::OneByte;
        layout_.glyphs.push_back(placed);

        penX_ = static_cast<uint16_t>(penX_ + advance);
        LineLayout& line = layout_.lines.back();
        ++line.glyphCount;
        line.width = penX_ - LineStartColumn;

        if (penX_ >= f.lineWidth) {
            penX_ = LineStartColumn;
            penY_ = static_cast<uint16_t>(penY_ + (cellHeight == LabelCellSide ? 16 : cellHeight));
            frameRows_ = static_cast<uint16_t>(frameRows_ + FrameRowsPerLine);
            const size_t next = nextTextByte();
            layout_.wraps.push_back(WrapPoint{placed.line, layout_.glyphs.size() - 1, next});
            newLine(LineEnd::Wrap, next);
        }
    }

    // Draws a label text (visible characters and their trailing codes) in the
    // given colour by a nested run; the caller's colour and stream survive.
    // resumeAt: where the text goes on after the code.
    void drawLabel(const char* visible, std::span<const uint8_t> codes, uint8_t colour, size_t resumeAt)
    {
        std::array<uint8_t, 256> text{};
        size_t length = 0;
        for (const char* c = visible; *c != '\0' && length < text.size(); ++c)
            text[length++] = static_cast<uint8_t>(*c);
        for (uint8_t code : codes)
            if (length < text.size()) text[length++] = code;

        const uint8_t savedColour = textColour_;
        const rom::ByteStream savedStream = stream_;
        textColour_ = colour;
        stream_ = rom::ByteStream(std::span<const uint8_t>(text.data(), length));
        label_ = true;
        labelResume_ = resumeAt;
        drawText(true, LabelCellSide, LabelCellSide);
        label_ = false;
        textColour_ = savedColour;
        stream_ = savedStream;
    }

    const RenderInput& in_;
    const RenderOptions& options_;
    Picture& picture_;
    Layout& layout_;

    rom::ByteStream stream_;
    uint16_t penX_ = 0;
    uint16_t penY_ = 0;
    uint8_t textColour_ = 0;
    uint16_t frameRows_ = 0;
    std::array<uint8_t, 256> cell_{};
    bool label_ = false;
    size_t codeOffset_ = 0;   // where the byte being drawn (or whose label is drawn) starts
    size_t labelResume_ = 0;  // see nextTextByte
};

}  // namespace

void renderText(const RenderInput& input, RenderResult& result)
{
    TextPainter(input, result).run();
}

RenderResult renderText(const RenderInput& input)
{
    RenderResult result;
    renderText(input, result);
    return result;
}

}  // namespace scrivel::render
