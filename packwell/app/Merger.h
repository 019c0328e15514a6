#pragma once
// The merger's main window: the memo that holds reports and the GAME Pack
// source, and the menu from which every command starts. The commands
// themselves live in the pack and compress libraries; the window runs them
// through a session over its memo, the progress window and the platform.

#include <QList>
#include <QMainWindow>

#include "MemoReport.h"
#include "Percent.h"
#include "pack/MergerSession.h"

class QAction;
class QCloseEvent;
class QMenu;
class QPlainTextEdit;
class QShowEvent;

namespace platform {
class Platform;
}

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // Dialogs and messages go through platform (the Qt one in the program,
    // a scripted one in tests).
    explicit TForm1(platform::Platform& platform, QWidget* parent = nullptr);

    // The progress window the GAME Pack build drives (Form2).
    void setProgressForm(TForm2* form) { progress_.attach(form); }

    QPlainTextEdit* memo() const { return memo_; }
    MemoReport& report() { return report_; }
    pack::MergerSession& session() { return session_; }
    bool buildRunning() const { return building_; }

public slots:
    void OpenGAMEPackSourceFile1Click();
    void SaveRPGPackTemplateSourceFile1Click();
    void Exit1Click();
    void AddMFileClick();
    void MergeaGroupoffiles1Click();
    void CreateRPGPackTemplate1Click();
    void CreateRPGPack1Click();
    void CompressagroupofFiles1Click();
    void CompressagroupofFilesRLE1Click();
    void FlushTextDataonForm1Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void createMenu();
    QAction* addItem(QMenu* menu, const QString& caption, const QString& name, void (TForm1::*handler)());
    QAction* addSeparator(QMenu* menu, const QString& name);
    // Runs a command; a failure that escapes it is shown in a message box.
    void runCommand(void (*command)(pack::MergerSession&));
    void setMenuEnabled(bool enabled);
    void fitOuterSize();

    platform::Platform& platform_;
    QPlainTextEdit* memo_;
    MemoReport report_;
    PercentProgress progress_;
    pack::MergerSession session_;
    QList<QAction*> items_;
    QList<QMenu*> menus_;
    bool building_ = false;
    bool closePending_ = false;
    bool sized_ = false;
};
