#include "HexData.h"

#include <QFrame>
#include <QKeyEvent>
#include <QPainter>

#include "EditorFonts.h"
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

THexForm::THexForm(const EditorState& state, HexModel& hex, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      state_(state),
      hex_(hex)
{
    setObjectName(QStringLiteral("HexForm"));
    setWindowTitle(QStringLiteral("Hex Data"));
    setFixedSize(389, 141);
    move(454, 323);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    setFont(courierFont(FontHeight));
    setFocusPolicy(Qt::StrongFocus);

    Splitter1 = new QFrame(this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    QPalette white = Splitter1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Splitter1->setPalette(white);
    Splitter1->setAutoFillBackground(true);
    Splitter1->setGeometry(256, -3, 2, 146);

    // FormCreate: the cursor at the first cell, and the glyph picture.
    hex_.HexColumns = hex_.HexRows = hex_.CursorColumn = hex_.CursorRow = 0;
    GlyphBitmap = QImage(16, 16, QImage::Format_RGB16);
    GlyphBitmap.fill(0);
}

void THexForm::bytesChanged()
{
    if (!state_.romLoaded) return;
    hex_.layout(height(), LineHeight);
    ShowCursorByte();
    update();
}

void THexForm::ShowCursorByte()
{
    if (!state_.romLoaded) return;
    if (!GlyphBitmap.isNull()) {
        const std::array<uint8_t, 256> picture = hex_.cursorGlyph();
        for (int r = 0; r < 16; ++r) {
            auto* row = reinterpret_cast<uint16_t*>(GlyphBitmap.scanLine(r));
            for (int c = 0; c < 16; ++c) row[c] = picture[static_cast<size_t>(r * 16 + c)] ? Palette[15] : Palette[0];
        }
    }
    setWindowTitle(QString::fromStdString(hex_.caption(state_)));
}

void THexForm::DrawBytes(QPainter& painter)
{
    hex_.layout(height(), LineHeight);
    const QFontMetrics metrics(font());
    for (int i = 0; i < hex_.HexRows; ++i) {
        int x = 0;
        for (int j = 0; j < hex_.HexColumns; ++j) {
            const int index = hex_.TopOffset + i * 16 + j;
            const unsigned value = index >= 0 && index < HexModel::Capacity ? hex_.HexBytes[static_cast<size_t>(index)] : 0;
            const QString text = QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
            const bool cursor = j == hex_.CursorColumn && i == hex_.CursorRow;
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

void THexForm::drawGlyph(QPainter& painter)
{
    if (GlyphBitmap.isNull()) return;
    painter.drawImage(GlyphRect, GlyphBitmap);
}

void THexForm::paintEvent(QPaintEvent*)
{
    if (!state_.romLoaded) return;
    QPainter painter(this);
    painter.setFont(font());
    DrawBytes(painter);
    drawGlyph(painter);
}

void THexForm::keyPressEvent(QKeyEvent* event)
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
    ShowCursorByte();
    update();
}

}  // namespace scrivel::app
