#pragma once
// MainMenu1: the main window's File, View and Help menus, every item with its name,
// caption, shortcut and start state. The shortcuts act in the main window.

#include <QAction>
#include <QMenu>
#include <QMenuBar>

class QMainWindow;

namespace scrivel::app {

struct MainMenu {
    QMenuBar* MainMenu1 = nullptr;
    QMenu* File1 = nullptr;
    QAction* OpenBinaryTextData1 = nullptr;
    QAction* LoadDataFile = nullptr;
    QAction* N2 = nullptr;
    QAction* SaveTextFile1 = nullptr;
    QAction* N1 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* View1 = nullptr;
    QAction* DisplayTextEditor1 = nullptr;
    QAction* DTT = nullptr;
    QAction* ViewHexData1 = nullptr;
    QAction* N3 = nullptr;
    QAction* HideCodes = nullptr;
    QAction* N4 = nullptr;
    QAction* UseVWFRoutine1 = nullptr;
    QAction* DefaultWindowSize1 = nullptr;
    QMenu* Help1 = nullptr;  // About, shown by the menu itself
};

MainMenu buildMainMenu(QMainWindow& window);

}  // namespace scrivel::app
