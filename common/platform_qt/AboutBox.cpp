#include "AboutBox.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "CommandLine.h"

namespace platform {

void showAboutBox(QWidget* parent, const QString& title, const QString& programName)
{
    QMessageBox box(QMessageBox::Information, title, versionText(programName), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("AboutBox"));
    box.exec();
}

QMenu* addHelpMenu(QMenuBar* bar, const QString& title, const QString& programName)
{
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    help->menuAction()->setObjectName(QStringLiteral("Help1"));
    QAction* about = help->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("About1"));
    QObject::connect(about, &QAction::triggered, bar,
                     [bar, title, programName] { showAboutBox(bar->window(), title, programName); });
    return help;
}

}  // namespace platform
