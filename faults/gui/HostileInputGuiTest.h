#pragma once
// The script editor's main window, offscreen, over the hostile inputs the
// fuzz targets exercise: Open ROM, Load Text Block Data File and string
// selection (with every view option and the hex window) must survive them.

#include <QObject>

namespace faults::gui {

class HostileInputGuiTest : public QObject {
    Q_OBJECT
private slots:
    void romOfJustTheTitleWithTablesOutsideIt();
    void stringsWithoutEndRunToTheEndOfTheImage();
    void dataFileOfJunkLongLinesAndTooManyBlocks();
    void extremeFormatNumbers();
};

}  // namespace faults::gui
