#pragma once
// The fonts of the editor's windows: "Courier New" at a pixel height, with
// the system's monospace font standing in where it is not installed.

#include <QFont>
#include <QStringList>

namespace scrivel::app {

inline QFont courierFont(int pixelHeight)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(pixelHeight);
    return font;
}

// The main window's own font: 11-pixel "MS Sans Serif", or a sans serif of
// similar width where it is not installed.
inline QFont formFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

}  // namespace scrivel::app
