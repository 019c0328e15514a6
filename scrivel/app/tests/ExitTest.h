#pragma once
#include <QObject>

namespace scrivel::app::testing {

class ExitTest : public QObject {
    Q_OBJECT
private slots:
    void exitWithoutUnsavedTextAsksNothing();
    void exitWithUnsavedText_data();
    void exitWithUnsavedText();
    void failedSaveOnExitKeepsProgramOpen();
    void launchArguments();
    void launchPresetsAnswerTheirDialogsOnce();
};

}  // namespace scrivel::app::testing
