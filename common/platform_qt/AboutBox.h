#pragma once
// Help > About of the desktop programs: a message box with the program's name
// and the project's version, captioned with the application's title.

#include <QString>

class QMenu;
class QMenuBar;
class QWidget;

namespace platform {

// Shows the About box, "programName version" (e.g. "Scrivel 1.1.0"), modal
// to parent, until the user closes it.
void showAboutBox(QWidget* parent, const QString& title, const QString& programName);

// Appends a Help menu ("Help1") with one item, About ("About1"), that shows
// the About box over the menu bar's window. Returns the new menu.
QMenu* addHelpMenu(QMenuBar* bar, const QString& title, const QString& programName);

}  // namespace platform
