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
    MainMenu m;
    m.MainMenu1 = window.menuBar();
    m.MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    m.MainMenu1->setNativeMenuBar(false);

    m.File1 = menu(m.MainMenu1, "File1", "&File");
    m.OpenBinaryTextData1 = item(m.File1, "OpenBinaryTextData1", "&Open ROM File", QKeySequence(Qt::CTRL | Qt::Key_O));
    m.LoadDataFile = item(m.File1, "LoadDataFile", "Load Text Block Data File", QKeySequence(Qt::CTRL | Qt::Key_F));
    m.LoadDataFile->setEnabled(false);
    m.N2 = separator(m.File1, "N2");
    m.SaveTextFile1 = item(m.File1, "SaveTextFile1", "&Save Text File", QKeySequence(Qt::CTRL | Qt::Key_S));
    m.N1 = separator(m.File1, "N1");
    m.Exit1 = item(m.File1, "Exit1", "E&xit", QKeySequence(Qt::ALT | Qt::Key_X));

    m.View1 = menu(m.MainMenu1, "View1", "&View");
    m.DisplayTextEditor1 =
        item(m.View1, "DisplayTextEditor1", "Display &Text Editor", QKeySequence(Qt::CTRL | Qt::Key_T));
    m.DTT = checkItem(m.View1, "DTT", "&Display Translated Text", QKeySequence(Qt::CTRL | Qt::Key_D));
    m.ViewHexData1 = item(m.View1, "ViewHexData1", "Display He&x Data", QKeySequence(Qt::CTRL | Qt::Key_X));
    m.N3 = separator(m.View1, "N3");
    m.HideCodes = checkItem(m.View1, "HideCodes", "&Hide Control Codes", QKeySequence(Qt::CTRL | Qt::Key_H));
    m.N4 = separator(m.View1, "N4");
    m.UseVWFRoutine1 = checkItem(m.View1, "UseVWFRoutine1", "&Use VWF Routine", QKeySequence(Qt::CTRL | Qt::Key_U));
    m.DefaultWindowSize1 =
        item(m.View1, "DefaultWindowSize1", "Default Window Size", QKeySequence(Qt::CTRL | Qt::Key_W));
    m.Help1 = platform::addHelpMenu(m.MainMenu1, QString::fromUtf8(ApplicationTitle), QStringLiteral("Scrivel"));
    return m;
}

}  // namespace scrivel::app
