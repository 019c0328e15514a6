#include "Percent.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <algorithm>

#include "LineText.h"

TForm2::TForm2(QWidget* parent) : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("..."));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(200, 20);

    pBar_ = new QProgressBar(this);
    pBar_->setObjectName(QStringLiteral("pBar"));
    pBar_->setGeometry(0, 1, 168, 18);
    pBar_->setRange(0, 100);
    pBar_->setValue(0);
    pBar_->setTextVisible(false);

    staticText1_ = new QLabel(QStringLiteral("100%"), this);
    staticText1_->setObjectName(QStringLiteral("StaticText1"));
    staticText1_->setGeometry(168, 1, 30, 18);
    staticText1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    staticText1_->setLineWidth(1);
    staticText1_->setIndent(0);
    staticText1_->setAlignment(Qt::AlignCenter);
    // The box is as narrow as the label of the original layout; a wider
    // substitute font gives up a pixel of height rather than clip the text.
    QFont labelFont = font;
    while (labelFont.pixelSize() > 8 &&
           QFontMetrics(labelFont).horizontalAdvance(staticText1_->text()) > staticText1_->contentsRect().width())
        labelFont.setPixelSize(labelFont.pixelSize() - 1);
    staticText1_->setFont(labelFont);
}

void TForm2::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (const QScreen* s = screen()) {
        QRect area = s->availableGeometry();
        QRect frame = frameGeometry();
        move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
}

void PercentProgress::show()
{
    if (!form_) return;
    form_->show();
    form_->raise();
}

void PercentProgress::setCaption(const std::string& caption)
{
    if (form_) form_->setWindowTitle(linetext::toDisplay(caption));
}

void PercentProgress::setPosition(int percent)
{
    if (form_) form_->pBar()->setValue(std::clamp(percent, 0, 100));
}

void PercentProgress::close()
{
    if (form_) form_->hide();
}
