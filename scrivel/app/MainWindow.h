#pragma once
// The main window of the script editor. It holds the session (state, hex
// model, commands), the screen, the block and string lists beside it, the
// status bar and the menus, and it creates the text editor window and the
// hex window after itself. Menu items and events call the editor's
// commands; this window only carries out the window-management commands
// itself.

#include <QMainWindow>
#include <functional>
#include <memory>

#include "FitListWindow.h"
#include "HexWindow.h"
#include "ReportWindow.h"
#include "MainMenu.h"
#include "ScreenWidget.h"
#include "ScriptListBox.h"
#include "TextEditorWindow.h"
#include "editor/EditorCommands.h"
#include "editor/EditorState.h"
#include "editor/EditorView.h"
#include "editor/HexModel.h"
#include "platform/Platform.h"
#include "render/Screen.h"

class QFrame;
class QLabel;
class QStatusBar;

namespace scrivel::app {

class MainWindow : public QMainWindow, public editor::EditorView {
    Q_OBJECT
public:
    // The stored layout: the list panel's width and the status bar's height
    // (the screen has the game screen's size).
    static constexpr int PanelWidth = 120;
    static constexpr int StatusBarHeight = 19;

    explicit MainWindow(platform::Platform& platform);
    ~MainWindow() override;

    // Shows the main window, then the text editor and the hex window.
    void showAll();
    // True when creation failed and the window asked to be closed.
    bool closeRequested() const { return closeRequested_; }

    editor::EditorState& state() { return state_; }
    editor::HexModel& hexModel() { return hex_; }
    editor::EditorCommands& commands() { return commands_; }
    // The window's size right after it was created, restored by Default
    // Window Size.
    QSize defaultSize() const { return defaultSize_; }

    // EditorView
    editor::ListView& blockList() override { return *blockListBox; }
    editor::ListView& stringList() override { return *stringListBox; }
    editor::TextEditorView& textEditor() override { return *textEditorWindow->scriptEdit; }
    editor::ScreenView& screen() override { return *screenWidget; }
    editor::HexView& hexView() override { return *hexWindow; }
    void setStatusText(int panel, const std::string& text) override;
    void setCaption(const std::string& caption) override;
    void setLoadDataFileEnabled(bool enabled) override;
    void requestClose() override;
    void showReport(const std::string& title, const std::string& text) override;

    QString statusText(int panel) const;

    ScreenWidget* screenWidget = nullptr;
    QFrame* listPanel = nullptr;
    ScriptListBox* blockListBox = nullptr;
    ScriptListBox* stringListBox = nullptr;
    QStatusBar* statusLine = nullptr;
    MainMenu menu;
    std::unique_ptr<TextEditorWindow> textEditorWindow;
    std::unique_ptr<HexWindow> hexWindow;
    // The last report shown (Build Translated ROM...), kept open beside the
    // main window until the user closes it.
    ReportWindow* reportWindow = nullptr;
    std::unique_ptr<FitListWindow> fitListWindow;  // View > Check Fit...

signals:
    // The main window has closed; the program ends.
    void closed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void nameWidgets();
    void connectMenu();
    void initialise();
    void layOutLists();
    void endSession();
    void showTextEditor();
    void showHexWindow();
    void restoreDefaultSize();
    // View > Check Fit...: checks the whole script and lists the problems.
    void showCheckFit();
    // Selects the problem's block and string and puts the caret on its line.
    void goToFitProblem(const script::FitProblem& problem);
    // Edit > Rewrap Section: one edit, undone as one.
    void rewrapSection();
    // Runs a command; an error escaping it is shown and the program goes on.
    void run(const std::function<void()>& command);
    void syncCheckItems();

    platform::Platform& platform_;
    editor::EditorState state_;
    editor::HexModel hex_;
    editor::EditorCommands commands_;
    QWidget* client_ = nullptr;
    QLabel* statusPanels_[2] = {nullptr, nullptr};
    QLabel* fitPanel_ = nullptr;  // status panel 2: whether the current string fits
    QSize defaultSize_;
    bool closeRequested_ = false;
};

}  // namespace scrivel::app
