#pragma once
#include <QObject>

namespace scrivel::app::testing {

class NavigationTest : public QObject {
    Q_OBJECT
private slots:
    void openRomToFirstPicture();
    void stringSelectionByArrowKeys();
    void newBlockGetsTemplateFile();
    void blockSwitchAsksAboutUnsavedText_data();
    void blockSwitchAsksAboutUnsavedText();
    void saveWritesCrLfAndClearsFlag();
    void failedSaveKeepsFlag();
    void uncreatableScriptFileLeavesEditorEmpty();
    void markerSearchScrollsMarkerToTop();
    void wrappedLinesCountAsDisplayed();
    void previewFollowsTypingAndKeepsCaret();
};

}  // namespace scrivel::app::testing
