#pragma once
#include <QObject>

namespace scrivel::app::testing {

// The program on the demo ROM that the build generates, compared with the
// command-line twin's render of the same string.
class DemoTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void pictureEqualsTwinRender_data();
    void pictureEqualsTwinRender();
    void typedTranslationIsPreviewedAndSaved();
    void newBlockFileShowsTheOriginalsAsTheTwinDumpsThem();
    void kanjiTypedIsSavedAndReadBackWithoutLoss();
    void createAllScriptFilesReportsEveryBlock();
};

}  // namespace scrivel::app::testing
