#pragma once
#include <QObject>

namespace scrivel::app::testing {

class BuildTest : public QObject {
    Q_OBJECT
private slots:
    void buildAsksAboutUnsavedTextThenWritesAndReports_data();
    void buildAsksAboutUnsavedTextThenWritesAndReports();
    void aFailureShowsItsMessageAndWritesNothing();
    void cancellingTheSaveDialogWritesNothing();
};

}  // namespace scrivel::app::testing
