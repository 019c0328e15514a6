#pragma once
// Outer sizes: a window's size including the frame that the window system
// draws around it, which is known only once the window is shown.

#include <QWidget>

namespace scrivel::app {

inline void setOuterSize(QWidget& window, QSize outer)
{
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    window.resize(outer - frame);
}

}  // namespace scrivel::app
