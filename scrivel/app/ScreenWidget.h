#pragma once
// The paint box of the emulated screen. It holds its own off-screen RGB565
// picture of the last finished render, and draws it stretched over its whole
// client area whenever it is painted, as long as a ROM image is loaded.
// Painting never touches the session's picture.

#include <QImage>
#include <QWidget>

#include "editor/EditorState.h"
#include "editor/EditorView.h"

namespace scrivel::app {

class ScreenWidget : public QWidget, public editor::ScreenView {
    Q_OBJECT
public:
    ScreenWidget(const editor::EditorState& state, QWidget* parent);

    // Creates screenBitmap with width x height RGB565 pixels, all 0.
    // Returns false when it cannot be had.
    bool createBitmap(int width, int height);
    void releaseBitmap() { screenBitmap = QImage(); }
    const QImage& bitmap() const { return screenBitmap; }

    void clearBitmap() override;
    void present(const uint16_t* pixels, int width, int height) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const editor::EditorState& state_;
    QImage screenBitmap;
};

}  // namespace scrivel::app
