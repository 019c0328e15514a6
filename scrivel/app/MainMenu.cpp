#include "MainMenu.h"

#include <QMainWindow>

#include "AppTitle.h"
#include "platform_qt/AboutBox.h"

namespace scrivel::app {

namespace {

QAction* item(QMenu* menu, const char* name, const char* caption, QKeySequence shortcut)
{
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

QAction* checkItem(QMenu* menu, const char* name, const char* caption, QKeySequence shortcut)
{
    QAction* action = item(menu, name, caption, shortcut);
    action->setCheckable(true);
    action->setChecked(false);
    return action;
}

QAction* separator(QMenu* menu, const char* name)
{
    QAction* action = menu->addSeparator();
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu* menu(QMenuBar* bar, const char* name, const char* caption)
{
    QMenu* m = bar->addMenu(QString::fromLatin1(caption));
    m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setObjectName(QString::fromLatin1(name));
    return m;
}

}  // namespace

MainMenu buildMainMenu(QMainWindow& window)
{
    // Object names and captions: the window tests find the items by these
    // names, and users know the captions and shortcuts; keep them exactly as
    // they are.
    MainMenu m;
    m.menuBar = window.menuBar();
    m.menuBar->setObjectName(QStringLiteral("MainMenu1"));
    m.menuBar->setNativeMenuBar(false);

    m.fileMenu = menu(m.menuBar, "File1", "&File");
    m.openRom = item(m.fileMenu, "OpenBinaryTextData1", "&Open ROM File", QKeySequence(Qt::CTRL | Qt::Key_O));
    m.loadDataFile = item(m.fileMenu, "LoadDataFile", "Load Text Block Data File", QKeySequence(Qt::CTRL | Qt::Key_F));
    m.loadDataFile->setEnabled(false);
    m.separator2 = separator(m.fileMenu, "N2");
    m.saveTextFile = item(m.fileMenu, "SaveTextFile1", "&Save Text File", QKeySequence(Qt::CTRL | Qt::Key_S));
    m.createAllScriptFiles = item(m.fileMenu, "CreateAllScriptFiles", "Create All Script Files", QKeySequence());
    m.buildTranslatedRom = item(m.fileMenu, "BuildTranslatedRom", "Build Translated ROM...",
                                QKeySequence(Qt::CTRL | Qt::Key_B));
    m.separator1 = separator(m.fileMenu, "N1");
    m.exit = item(m.fileMenu, "Exit1", "E&xit", QKeySequence(Qt::ALT | Qt::Key_X));

    m.editMenu = menu(m.menuBar, "Edit1", "&Edit");
    m.rewrapSection = item(m.editMenu, "RewrapSection1", "Rewrap Section", QKeySequence(Qt::CTRL | Qt::Key_R));

    m.viewMenu = menu(m.menuBar, "View1", "&View");
    m.showTextEditor =
        item(m.viewMenu, "DisplayTextEditor1", "Display &Text Editor", QKeySequence(Qt::CTRL | Qt::Key_T));
    m.showTranslation = checkItem(m.viewMenu, "DTT", "&Display Translated Text", QKeySequence(Qt::CTRL | Qt::Key_D));
    m.showHexData = item(m.viewMenu, "ViewHexData1", "Display He&x Data", QKeySequence(Qt::CTRL | Qt::Key_X));
    m.separator3 = separator(m.viewMenu, "N3");
    m.hideCodes = checkItem(m.viewMenu, "HideCodes", "&Hide Control Codes", QKeySequence(Qt::CTRL | Qt::Key_H));
    m.separator4 = separator(m.viewMenu, "N4");
    m.variableWidth = checkItem(m.viewMenu, "UseVWFRoutine1", "&Use VWF Routine", QKeySequence(Qt::CTRL | Qt::Key_U));
    m.defaultWindowSize =
        item(m.viewMenu, "DefaultWindowSize1", "Default Window Size", QKeySequence(Qt::CTRL | Qt::Key_W));
    m.separator5 = separator(m.viewMenu, "N5");
    m.checkFit = item(m.viewMenu, "CheckFit1", "Check Fit...", QKeySequence());
    m.helpMenu = platform::addHelpMenu(m.menuBar, QString::fromUtf8(ApplicationTitle), QStringLiteral("Scrivel"));
    return m;
}

}  // namespace scrivel::app
