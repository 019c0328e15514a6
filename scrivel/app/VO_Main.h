#pragma once
// VOForm: the main window of the script editor. It holds the editor-wide
// state, the screen (Video), the block and string lists in Panel1, the
// status bar and the menus, and it creates the text editor window and the
// hex window after itself. Menu items and events call the editor's commands;
// this window only carries out the window-management commands itself.

#include <QMainWindow>
#include <functional>
#include <memory>

#include "HexData.h"
#include "MainMenu.h"
#include "ScreenVideo.h"
#include "ScriptListBox.h"
#include "TextEdit.h"
#include "editor/EditorCommands.h"
#include "editor/EditorState.h"
#include "editor/EditorView.h"
#include "editor/HexModel.h"
#include "platform/Platform.h"

class QFrame;
class QLabel;
class QStatusBar;

namespace scrivel::app {

class TVOForm : public QMainWindow, public EditorView {
    Q_OBJECT
public:
    // The stored layout: Video's size, Panel1's width, the status bar's height.
    static constexpr int VideoWidth = 320;
    static constexpr int VideoHeight = 369;
    static constexpr int PanelWidth = 120;
    static constexpr int StatusBarHeight = 19;

    explicit TVOForm(platform::Platform& platform);
    ~TVOForm() override;

    // Shows the main window, then the text editor and the hex window.
    void showAll();
    // True when creation failed and the window asked to be closed.
    bool closeRequested() const { return closeRequested_; }

    EditorState& state() { return state_; }
    HexModel& hexModel() { return hex_; }
    EditorCommands& commands() { return commands_; }

    // EditorView
    ListView& blockList() override { return *bList; }
    ListView& stringList() override { return *pList; }
    TextEditorView& textEditor() override { return *TxtForm->TDMemo; }
    ScreenView& screen() override { return *Video; }
    HexView& hexView() override { return *HexForm; }
    void setStatusText(int panel, const std::string& text) override;
    void setCaption(const std::string& caption) override;
    void setLoadDataFileEnabled(bool enabled) override;
    void requestClose() override;

    QString statusText(int panel) const;

    ScreenVideo* Video = nullptr;
    QFrame* Panel1 = nullptr;
    ScriptListBox* bList = nullptr;
    ScriptListBox* pList = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    MainMenu menu;
    std::unique_ptr<TTxtForm> TxtForm;
    std::unique_ptr<THexForm> HexForm;

signals:
    // The main window has closed; the program ends.
    void closed();

protected:
    void resizeEvent(QResizeEvent* event) override;  // FormResize
    void closeEvent(QCloseEvent* event) override;    // FormClose
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void connectMenu();
    void FormCreate();
    void FormResize();
    bool offerToSaveBeforeExit();
    void FormClose();
    void DisplayTextEditor1Click();
    void ViewHexData1Click();
    void DefaultWindowSize1Click();
    // Runs a command; an error escaping it is shown and the program goes on.
    void run(const std::function<void()>& command);
    void syncCheckItems();

    platform::Platform& platform_;
    EditorState state_;
    HexModel hex_;
    EditorCommands commands_;
    QLabel* statusPanels_[2] = {nullptr, nullptr};
    bool closeRequested_ = false;
};

}  // namespace scrivel::app
