#pragma once
#include <QObject>

namespace scrivel::app::testing {

class ViewAndHexTest : public QObject {
    Q_OBJECT
private slots:
    void viewTogglesByShortcut();
    void togglesBeforeAnyRom();
    void hexWindowKeysAndCaption();
    void hexWindowDrawsGridAndGlyph();
    void ctrlXShowsHexOnlyInMainWindow();
    void displayTextEditorBringsItBack();
    void defaultWindowSizeAndListHeights();
    void resizingNeverTouchesScreenBuffer();
};

}  // namespace scrivel::app::testing
