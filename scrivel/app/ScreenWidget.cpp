#include "ScreenWidget.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

namespace scrivel::app {

ScreenWidget::ScreenWidget(const editor::EditorState& state, QWidget* parent) : QWidget(parent), state_(state) {}

bool ScreenWidget::createBitmap(int width, int height)
{
    if (width <= 0 || height <= 0) return false;
    screenBitmap = QImage(width, height, QImage::Format_RGB16);
    if (screenBitmap.isNull()) return false;
    screenBitmap.fill(0);
    return true;
}

void ScreenWidget::clearBitmap()
{
    if (screenBitmap.isNull()) return;
    screenBitmap.fill(0);
    update();
}

void ScreenWidget::present(const uint16_t* pixels, int width, int height)
{
    if (screenBitmap.isNull() || !pixels) return;
    const int rows = std::min(height, screenBitmap.height());
    const int columns = std::min(width, screenBitmap.width());
    for (int k = 0; k < rows; ++k)
        std::memcpy(screenBitmap.scanLine(k), pixels + static_cast<size_t>(k) * width,
                    static_cast<size_t>(columns) * sizeof(uint16_t));
    update();
}

void ScreenWidget::paintEvent(QPaintEvent*)
{
    if (!state_.romLoaded || screenBitmap.isNull()) return;
    QPainter painter(this);
    painter.drawImage(rect(), screenBitmap);
}

}  // namespace scrivel::app
