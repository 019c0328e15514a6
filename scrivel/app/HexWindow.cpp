#include "HexWindow.h"

#include <QFrame>
#include <QKeyEvent>
#include <QPainter>

#include "EditorFonts.h"
#include "editor/HexToken.h"
#include "render/Palette.h"

namespace scrivel::app {

namespace {

// Grid colours.
const QColor CursorText(0xFF, 0x00, 0x00);
const QColor CursorBackground(0xFF, 0xFF, 0xFF);
const QColor OddColumnText(0xFF, 0xFF, 0xFF);
const QColor EvenColumnText(0x00, 0x80, 0x80);
const QColor CellBackground(0x00, 0x00, 0x00);

// Where the glyph picture is stretched to: (264,4) up to (390,128), the
// right and bottom edges excluded.
const QRect GlyphRect(264, 4, 390 - 264, 128 - 4);

}  // namespace

HexWindow::HexWindow(const editor::EditorState& state, editor::HexModel& hex, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      state_(state),
      hex_(hex)
{
    splitter_ = new QFrame(this);

    // Object names and captions: the window tests find the widgets by these
    // names, and users know the caption; keep both exactly as they are.
    setObjectName(QStringLiteral("HexForm"));
    setWindowTitle(QStringLiteral("Hex Data"));
    splitter_->setObjectName(QStringLiteral("Splitter1"));

    setFixedSize(389, 141);
    move(454, 323);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    setFont(courierFont(FontHeight));
    setFocusPolicy(Qt::StrongFocus);

    QPalette white = splitter_->palette();
    white.setColor(QPalette::Window, Qt::white);
    splitter_->setPalette(white);
    splitter_->setAutoFillBackground(true);
    splitter_->setGeometry(256, -3, 2, 146);

    // The cursor at the first cell, and an empty glyph picture.
    hex_.columns = hex_.rows = hex_.cursorColumn = hex_.cursorRow = 0;
    glyphBitmap_ = QImage(16, 16, QImage::Format_RGB16);
    glyphBitmap_.fill(0);
}

void HexWindow::bytesChanged()
{
    if (!state_.romLoaded) return;
    hex_.layout(height(), LineHeight);
    showCursorByte();
    update();
}

void HexWindow::showCursorByte()
{
    if (!state_.romLoaded) return;
    if (!glyphBitmap_.isNull()) {
        const std::array<uint8_t, 256> picture = hex_.cursorGlyph(state_.fonts.game);
        for (int r = 0; r < 16; ++r) {
            auto* row = reinterpret_cast<uint16_t*>(glyphBitmap_.scanLine(r));
            for (int c = 0; c < 16; ++c) row[c] = picture[static_cast<size_t>(r * 16 + c)] ? render::Palette[15] : render::Palette[0];
        }
    }
    setWindowTitle(QString::fromStdString(editor::hexCaption(state_, hex_)));
}

void HexWindow::drawBytes(QPainter& painter)
{
    hex_.layout(height(), LineHeight);
    const QFontMetrics metrics(font());
    for (int i = 0; i < hex_.rows; ++i) {
        int x = 0;
        for (int j = 0; j < hex_.columns; ++j) {
            const int index = hex_.topOffset + i * 16 + j;
            const unsigned value = hex_.byteAt(index);
            const QString text = QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
            const bool cursor = j == hex_.cursorColumn && i == hex_.cursorRow;
            const QColor& ink = cursor ? CursorText : (j % 2 ? OddColumnText : EvenColumnText);
            const QColor& paper = cursor ? CursorBackground : CellBackground;
            const int width = metrics.horizontalAdvance(text);
            const QRect cell(x, i * LineHeight, width, metrics.height());
            painter.fillRect(cell, paper);
            painter.setPen(ink);
            painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop, text);
            x += width;
        }
    }
}

void HexWindow::drawGlyph(QPainter& painter)
{
    if (glyphBitmap_.isNull()) return;
    painter.drawImage(GlyphRect, glyphBitmap_);
}

void HexWindow::paintEvent(QPaintEvent*)
{
    if (!state_.romLoaded) return;
    QPainter painter(this);
    painter.setFont(font());
    drawBytes(painter);
    drawGlyph(painter);
}

void HexWindow::keyPressEvent(QKeyEvent* event)
{
    hex_.layout(height(), LineHeight);
    switch (event->key()) {
    case Qt::Key_Left:
        hex_.left();
        break;
    case Qt::Key_Up:
        hex_.up();
        break;
    case Qt::Key_Right:
        hex_.right();
        break;
    case Qt::Key_Down:
        hex_.down();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    showCursorByte();
    update();
}

}  // namespace scrivel::app
