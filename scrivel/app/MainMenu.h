#pragma once
// The main window's File, Edit, View and Help menus, every item with its name,
// caption, shortcut and start state. The shortcuts act in the main window.

#include <QAction>
#include <QMenu>
#include <QMenuBar>

class QMainWindow;

namespace scrivel::app {

struct MainMenu {
    QMenuBar* menuBar = nullptr;
    QMenu* fileMenu = nullptr;
    QAction* openRom = nullptr;
    QAction* loadDataFile = nullptr;
    QAction* separator2 = nullptr;
    QAction* saveTextFile = nullptr;
    QAction* createAllScriptFiles = nullptr;
    QAction* buildTranslatedRom = nullptr;
    QAction* separator1 = nullptr;
    QAction* exit = nullptr;
    QMenu* editMenu = nullptr;
    QAction* rewrapSection = nullptr;
    QMenu* viewMenu = nullptr;
    QAction* showTextEditor = nullptr;
    QAction* showTranslation = nullptr;
    QAction* showHexData = nullptr;
    QAction* separator3 = nullptr;
    QAction* hideCodes = nullptr;
    QAction* separator4 = nullptr;
    QAction* variableWidth = nullptr;
    QAction* defaultWindowSize = nullptr;
    QAction* separator5 = nullptr;
    QAction* checkFit = nullptr;
    QMenu* helpMenu = nullptr;  // About, shown by the menu itself
};

MainMenu buildMainMenu(QMainWindow& window);

}  // namespace scrivel::app
