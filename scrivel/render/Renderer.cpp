#include "Renderer.h"

#include "GlyphCellDrawing.h"
#include "GlyphPictures.h"
#include "Palette.h"
#include "PixelOps.h"
#include "Screen.h"
#include "WindowFrame.h"
#include "rom/Pointers.h"

#include <algorithm>
#include <cstdio>
#include <span>

namespace scrivel {
namespace {

constexpr uint16_t PenStart = 16;
constexpr uint16_t LineStartColumn = 16;
constexpr uint16_t InitialFrameRows = 4;
constexpr uint16_t FrameRowsPerLine = 2;
constexpr size_t WindowOrigin = 8;
constexpr int LabelCellSide = 8;
constexpr int MaxCellSide = 16;

constexpr uint8_t EndOfString = 0xFF;
constexpr uint8_t LineBreak = 0xFD;
constexpr uint8_t KeyPrompt = 0xFE;
constexpr uint8_t OperandCode = 0xFC;

// What the hex window is shown for a string that starts outside the image.
constexpr uint8_t EmptyString[1] = {EndOfString};

void storeFormatDefaults(FontFormat& f)
{
    f.LineWidth = 144;
    f.CellHeight = 16;
    f.CellWidth = 16;
    f.Fourth = 1;
    f.WideAdvance = 16;
    f.Sixth = 0;
    f.Seventh = 1;
    f.Eighth = 2;
    f.Ninth = 3;
}

// The bytes of the image from offset on; empty when offset lies outside it.
ByteStream romStream(const EditorState& s, int64_t offset)
{
    if (offset < 0 || static_cast<uint64_t>(offset) >= s.RomImage.size()) return {};
    const auto start = static_cast<size_t>(offset);
    return {s.RomImage.data() + start, s.RomImage.size() - start, 0};
}

void lineBreak(EditorState& s, int cellHeight)
{
    s.PenY = static_cast<uint16_t>(s.PenY + cellHeight);
    s.PenX = LineStartColumn;
    s.FrameRows = static_cast<uint16_t>(s.FrameRows + FrameRowsPerLine);
}

// Draws GlyphCell (rows x columns) at the pen with its drop shadow. Returns
// the rightmost set column of the glyph (0 for a blank one).
int drawCell(EditorState& s, int rows, int columns)
{
    if (s.ScreenHeight > 0) s.PenY = static_cast<uint16_t>(s.PenY % s.ScreenHeight);
    const uint8_t* cell = s.GlyphCell.data();
    int rightmost = 0;
    for (int m = 0; m < rows; ++m)
        for (int n = columns - 1; n > rightmost; --n)
            if (cell[m * columns + n] != 0) rightmost = n;

    if (screenReady(s)) {
        const auto width = static_cast<size_t>(s.ScreenWidth);
        drawGlyphCell(s.ScreenBuffer, static_cast<size_t>(s.PenY) * width + s.PenX, width, cell, rows, columns,
                      Palette[s.TextColour & 31u]);
    }
    return rightmost;
}

// Selects, draws and advances past one glyph: number is the byte of a
// one-byte glyph or the index of a two-byte one.
void drawGlyph(EditorState& s, int cellHeight, int cellWidth, unsigned number, bool twoByte)
{
    const FontFormat& f = s.Format;
    const bool gameCell = cellHeight == f.CellHeight && cellWidth == f.CellWidth;
    GlyphPicture picture;
    if (gameCell && !s.Checks.DTT)
        picture = twoByte ? gameWideGlyphPicture(number) : gameHalfTilePicture(number);
    else if (gameCell)
        picture = previewGlyphPicture(twoByte ? 2u * number : number);
    else
        picture = labelGlyphPicture(number & 0xFFu);

    // Cells other than 16 x 16 take the picture's top-left part.
    const int rows = std::clamp(cellHeight, 0, MaxCellSide);
    const int columns = std::clamp(cellWidth, 0, MaxCellSide);
    for (int m = 0; m < rows; ++m)
        std::copy_n(picture.data() + m * MaxCellSide, columns, s.GlyphCell.data() + m * columns);

    const int rightmost = drawCell(s, rows, columns);

    int advance;
    if (s.Checks.UseVWFRoutine1 || (cellHeight == LabelCellSide && cellWidth == LabelCellSide))
        advance = (rightmost == 0 ? 4 : rightmost) + 2;
    else if (!twoByte)
        advance = 8;
    else
        advance = cellWidth == f.CellWidth ? f.WideAdvance : 5;
    s.PenX = static_cast<uint16_t>(s.PenX + advance);

    if (s.PenX >= f.LineWidth) {
        s.PenX = LineStartColumn;
        s.PenY = static_cast<uint16_t>(s.PenY + (cellHeight == LabelCellSide ? 16 : cellHeight));
        s.FrameRows = static_cast<uint16_t>(s.FrameRows + FrameRowsPerLine);
    }
}

// Draws a label text (visible characters and their trailing codes) in the
// given colour by a nested render; the caller's colour and stream survive.
void drawLabel(EditorState& s, RenderTargets& targets, const char* visible, std::span<const uint8_t> codes, uint8_t colour)
{
    std::array<uint8_t, 256> text{};
    size_t length = 0;
    for (const char* c = visible; *c != '\0' && length < text.size(); ++c) text[length++] = static_cast<uint8_t>(*c);
    for (uint8_t code : codes)
        if (length < text.size()) text[length++] = code;

    const uint8_t savedColour = s.TextColour;
    const ByteStream savedStream = s.StreamPos;
    s.TextColour = colour;
    s.StreamPos = {text.data(), length, 0};
    RenderText(s, targets, true, LabelCellSide, LabelCellSide);
    s.TextColour = savedColour;
    s.StreamPos = savedStream;
}

void startTopLevel(EditorState& s, RenderTargets& targets)
{
    s.TextColour = TextColourIndex;
    s.PenY = PenStart;
    s.PenX = PenStart;
    s.GlyphCell.fill(0);

    targets.screen.clearBitmap();

    if (s.Checks.DTT)
        s.StreamPos = {s.PreviewBytes.data(), s.PreviewBytes.size(), 0};
    else
        s.StreamPos = romStream(s, lookupCurrentString(s));

    s.FrameColumns = static_cast<uint16_t>(s.Format.LineWidth / 8);

    if (s.StreamPos.size > 0)
        targets.hex.showBytes(s.StreamPos.data, s.StreamPos.size, s.romLoaded);
    else
        targets.hex.showBytes(EmptyString, sizeof EmptyString, s.romLoaded);
    targets.hexView.bytesChanged();

    s.FrameRows = InitialFrameRows;
    s.FrameMap.tiles.fill(0);

    if (screenReady(s))
        FillPixels(s.ScreenBuffer.data(), 0, static_cast<size_t>(s.ScreenWidth) * static_cast<size_t>(s.ScreenHeight));
}

void finishTopLevel(EditorState& s, RenderTargets& targets)
{
    s.FrameRows = static_cast<uint16_t>(std::min<int>(s.FrameRows, std::max(s.ScreenHeight, 0) / 8));
    BuildFrameMap(s.FrameMap, s.FrameRows, s.FrameColumns);
    if (screenReady(s)) {
        const auto width = static_cast<size_t>(s.ScreenWidth);
        DrawWindowFrame(s.ScreenBuffer, WindowOrigin * width + WindowOrigin, s.FrameMap, width, true);
    }
    ShowScreen(s, targets.screen);
    readCurrentPointer(s);
}

}  // namespace

void RenderText(EditorState& s, RenderTargets& targets, bool nested, int cellHeight, int cellWidth)
{
    if (!s.romLoaded) return;
    if (s.Format.LineWidth == 0) {
        storeFormatDefaults(s.Format);
        return;
    }
    if (!nested) startTopLevel(s, targets);

    const bool hideCodes = s.Checks.HideCodes;
    for (;;) {
        const uint8_t b = s.StreamPos.next();
        if (b >= 0xF7 && b <= 0xFB) {
            if (hideCodes) continue;
            char visible[16];
            std::snprintf(visible, sizeof visible, "[$%02X]", b);
            drawLabel(s, targets, visible, std::span(&EndOfString, 1), PlainCodeColourIndex);
        } else if (b >= 0xF0 && b <= 0xF6) {
            const uint8_t second = s.StreamPos.next();
            drawGlyph(s, cellHeight, cellWidth, ((b & 0x0Fu) << 8) | second, true);
        } else if (b == OperandCode) {
            if (!hideCodes) {
                char visible[16];
                std::snprintf(visible, sizeof visible, "[$FC%02X%02X]", s.StreamPos.peek(0), s.StreamPos.peek(1));
                drawLabel(s, targets, visible, std::span(&EndOfString, 1), OperandCodeColourIndex);
            }
            s.StreamPos.pos += 2;
        } else if (b == LineBreak) {
            lineBreak(s, cellHeight);
        } else if (b == KeyPrompt) {
            if (hideCodes) continue;
            static constexpr uint8_t keyCodes[] = {LineBreak, LineBreak, EndOfString};
            drawLabel(s, targets, "[KEY]>", keyCodes, KeyPromptColourIndex);
        } else if (b == EndOfString) {
            if (nested) return;
            break;
        } else {
            drawGlyph(s, cellHeight, cellWidth, b, false);
        }
    }
    finishTopLevel(s, targets);
}

}  // namespace scrivel
