#pragma once
// The hex window. It draws what the HexModel holds: the grid of the
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

class HexWindow : public QWidget, public editor::HexView {
    Q_OBJECT
public:
    HexWindow(const editor::EditorState& state, editor::HexModel& hex, QWidget* parent = nullptr);

    // The model holds new bytes: draw them and the cursor byte.
    void bytesChanged() override;

    void releaseGlyphBitmap() { glyphBitmap_ = QImage(); }
    const QImage& glyphBitmap() const { return glyphBitmap_; }

    // Grid row height: the font height plus 2.
    static constexpr int FontHeight = 13;
    static constexpr int LineHeight = FontHeight + 2;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showCursorByte();  // the glyph picture and the caption
    void drawBytes(class QPainter& painter);
    void drawGlyph(class QPainter& painter);

    const editor::EditorState& state_;
    editor::HexModel& hex_;
    QImage glyphBitmap_;
    QFrame* splitter_;
};

}  // namespace scrivel::app
