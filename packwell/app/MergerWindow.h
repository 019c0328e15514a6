#pragma once
// The merger's main window: the memo that holds reports and the GAME Pack
// source, and the menu from which every command starts. The commands
// themselves live in the pack library; the window runs them through a
// session over its memo, the progress window and the platform.

#include <QList>
#include <QMainWindow>

#include "MemoReport.h"
#include "ProgressWindow.h"
#include "pack/MergerSession.h"

class QAction;
class QCloseEvent;
class QMenu;
class QPlainTextEdit;
class QShowEvent;

namespace platform {
class Platform;
}

namespace packwell::app {

class MergerWindow : public QMainWindow {
    Q_OBJECT
public:
    // Dialogs and messages go through platform (the Qt one in the program,
    // a scripted one in tests).
    explicit MergerWindow(platform::Platform& platform, QWidget* parent = nullptr);

    // The progress window that the GAME Pack build drives.
    void setProgressWindow(ProgressWindow* window) { progress_.attach(window); }

    QPlainTextEdit* memo() const { return memo_; }
    MemoReport& report() { return report_; }
    pack::MergerSession& session() { return session_; }
    bool buildRunning() const { return building_; }

public slots:
    void openPackSource();
    void savePackSource();
    void exitSavingReport();
    void addFileToMerged();
    void mergeGroup();
    void createPackSource();
    void buildPack();
    void compressGroupHuffman();
    void compressGroupRle();
    void eraseReport();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The menu's entries, in menu order.
    struct Menu {
        QMenu* file;
        QAction* openSource;
        QAction* saveSource;
        QAction* fileSeparator;
        QAction* exit;
        QMenu* edit;
        QAction* addFile;
        QAction* addSeparator;
        QAction* merge;
        QAction* createSource;
        QAction* build;
        QAction* buildSeparator;
        QAction* compressHuffman;
        QAction* compressRle;
        QAction* compressSeparator;
        QAction* erase;
        QMenu* help;  // Help > About
    };

    void createMenu();
    void setNamesAndCaptions();
    QAction* addItem(QMenu* menu, void (MergerWindow::*handler)());
    // Runs a command; a failure that escapes it is shown in a message box.
    void runCommand(void (*command)(pack::MergerSession&));
    void setMenuEnabled(bool enabled);
    void fitOuterSize();

    platform::Platform& platform_;
    QPlainTextEdit* memo_;
    MemoReport report_;
    ProgressWindowDisplay progress_;
    pack::MergerSession session_;
    Menu menu_{};
    QList<QAction*> items_;
    bool building_ = false;
    bool closePending_ = false;
    bool sized_ = false;
};

}  // namespace packwell::app
