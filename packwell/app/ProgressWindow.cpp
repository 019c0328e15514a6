#include "ProgressWindow.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <algorithm>

#include "LineText.h"

namespace packwell::app {

ProgressWindow::ProgressWindow(QWidget* parent) : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(200, 20);

    bar_ = new QProgressBar(this);
    bar_->setGeometry(0, 1, 168, 18);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);

    percentLabel_ = new QLabel(this);
    percentLabel_->setGeometry(168, 1, 30, 18);
    percentLabel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    percentLabel_->setLineWidth(1);
    percentLabel_->setIndent(0);
    percentLabel_->setAlignment(Qt::AlignCenter);
    setNamesAndCaptions();

    // The box is as narrow as the label of the original layout; a wider
    // substitute font gives up a pixel of height rather than clip the text.
    QFont labelFont = font;
    while (labelFont.pixelSize() > 8 &&
           QFontMetrics(labelFont).horizontalAdvance(percentLabel_->text()) > percentLabel_->contentsRect().width())
        labelFont.setPixelSize(labelFont.pixelSize() - 1);
    percentLabel_->setFont(labelFont);
}

// The object names and captions of the window and its parts. They stay
// exactly as they are: the window tests find the widgets by these names, and
// users know the captions.
void ProgressWindow::setNamesAndCaptions()
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("..."));
    bar_->setObjectName(QStringLiteral("pBar"));
    percentLabel_->setObjectName(QStringLiteral("StaticText1"));
    percentLabel_->setText(QStringLiteral("100%"));
}

void ProgressWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (const QScreen* s = screen()) {
        QRect area = s->availableGeometry();
        QRect frame = frameGeometry();
        move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
}

void ProgressWindowDisplay::show()
{
    if (!window_) return;
    window_->show();
    window_->raise();
}

void ProgressWindowDisplay::setCaption(const std::string& caption)
{
    if (window_) window_->setWindowTitle(toDisplay(caption));
}

void ProgressWindowDisplay::setPosition(int percent)
{
    if (window_) window_->bar()->setValue(std::clamp(percent, 0, 100));
}

void ProgressWindowDisplay::close()
{
    if (window_) window_->hide();
}

}  // namespace packwell::app
