#pragma once
// File > Create All Script Files in the desktop program: a progress window
// while the files are written (shown only when the work takes a while), then
// a small report window with one line per block, as the command-line twin
// prints them.

#include <QDialog>

#include "editor/EditorCommands.h"

class QLabel;
class QPlainTextEdit;

namespace scrivel::app {

class ScriptFilesWindow : public QDialog {
    Q_OBJECT
public:
    ScriptFilesWindow(const editor::ScriptFilesReport& report, QWidget* parent);

    QLabel* summary = nullptr;
    QPlainTextEdit* lines = nullptr;
};

// "2 script files created, 1 kept (exists) in /home/u/Dumps" (and ", stopped
// before the end" when cancelled).
QString reportSummary(const editor::ScriptFilesReport& report);

// Runs the command for the window and opens the report (window-modal, not
// blocking); an error has been shown by the command by then, and the report
// still lists what was done before it. Returns the report window, or null
// when nothing was done.
ScriptFilesWindow* createAllScriptFiles(QWidget* window, editor::EditorCommands& commands);

}  // namespace scrivel::app
