#pragma once
// The fonts of the editor's windows: "Courier New" at a pixel height, with
// the system's monospace font standing in where it is not installed.

#include <QFont>

namespace scrivel::app {

inline QFont courierFont(int pixelHeight)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(pixelHeight);
    return font;
}

}  // namespace scrivel::app
