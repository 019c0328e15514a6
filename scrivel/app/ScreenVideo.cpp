#include "ScreenVideo.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

namespace scrivel::app {

ScreenVideo::ScreenVideo(const EditorState& state, QWidget* parent) : QWidget(parent), state_(state)
{
    setObjectName(QStringLiteral("Video"));
}

bool ScreenVideo::createBitmap(int width, int height)
{
    if (width <= 0 || height <= 0) return false;
    ScreenBitmap = QImage(width, height, QImage::Format_RGB16);
    if (ScreenBitmap.isNull()) return false;
    ScreenBitmap.fill(0);
    return true;
}

void ScreenVideo::clearBitmap()
{
    if (ScreenBitmap.isNull()) return;
    ScreenBitmap.fill(0);
    update();
}

void ScreenVideo::present(const uint16_t* pixels, int width, int height)
{
    if (ScreenBitmap.isNull() || !pixels) return;
    const int rows = std::min(height, ScreenBitmap.height());
    const int columns = std::min(width, ScreenBitmap.width());
    for (int k = 0; k < rows; ++k)
        std::memcpy(ScreenBitmap.scanLine(k), pixels + static_cast<size_t>(k) * width,
                    static_cast<size_t>(columns) * sizeof(uint16_t));
    update();
}

void ScreenVideo::paintEvent(QPaintEvent*)
{
    if (!state_.romLoaded || ScreenBitmap.isNull()) return;
    QPainter painter(this);
    painter.drawImage(rect(), ScreenBitmap);
}

}  // namespace scrivel::app
