#pragma once
// HexForm: the hex window. It draws what the HexModel holds: the grid of the
// current string's bytes with the cursor, the stretched picture of the glyph
// under the cursor and the cursor byte's address in the caption. The arrow
// keys move the cursor. Closing it only hides it.

#include <QImage>
#include <QWidget>

#include "editor/EditorState.h"
#include "editor/EditorView.h"
#include "editor/HexModel.h"

class QFrame;

namespace scrivel::app {

class THexForm : public QWidget, public HexView {
    Q_OBJECT
public:
    THexForm(const EditorState& state, HexModel& hex, QWidget* parent = nullptr);

    // ShowBytes has copied new bytes: draw them and the cursor byte.
    void bytesChanged() override;

    void releaseGlyphBitmap() { GlyphBitmap = QImage(); }
    const QImage& glyphBitmap() const { return GlyphBitmap; }

    // Grid row height: the font height plus 2.
    static constexpr int FontHeight = 13;
    static constexpr int LineHeight = FontHeight + 2;

protected:
    void paintEvent(QPaintEvent* event) override;      // FormPaint
    void keyPressEvent(QKeyEvent* event) override;     // FormKeyDown

private:
    void ShowCursorByte();   // the glyph picture and the caption
    void DrawBytes(class QPainter& painter);
    void drawGlyph(class QPainter& painter);

    const EditorState& state_;
    HexModel& hex_;
    QImage GlyphBitmap;
    QFrame* Splitter1;
};

}  // namespace scrivel::app
