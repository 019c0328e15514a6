#pragma once
// Video: the paint box of the emulated screen. It holds ScreenBitmap, the
// off-screen RGB565 picture of the last finished render, and draws it
// stretched over its whole client area whenever it is painted, as long as a
// ROM image is loaded. Painting never touches ScreenBuffer.

#include <QImage>
#include <QWidget>

#include "editor/EditorState.h"
#include "editor/EditorView.h"

namespace scrivel::app {

class ScreenVideo : public QWidget, public ScreenView {
    Q_OBJECT
public:
    ScreenVideo(const EditorState& state, QWidget* parent);

    // Creates ScreenBitmap with width x height RGB565 pixels, all 0.
    // Returns false when it cannot be had.
    bool createBitmap(int width, int height);
    void releaseBitmap() { ScreenBitmap = QImage(); }
    const QImage& bitmap() const { return ScreenBitmap; }

    void clearBitmap() override;
    void present(const uint16_t* pixels, int width, int height) override;

protected:
    void paintEvent(QPaintEvent* event) override;  // VideoPaint

private:
    const EditorState& state_;
    QImage ScreenBitmap;
};

}  // namespace scrivel::app
