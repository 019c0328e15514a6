#pragma once
#include <QObject>

namespace scrivel::app::testing {

class FontLineTest : public QObject {
    Q_OBJECT
private slots:
    void badFontLineShowsTheMessageAndDrawsTheStandIn();
    void loadedGameFontDrawsTheScreenAndTheHexGlyph();
};

}  // namespace scrivel::app::testing
