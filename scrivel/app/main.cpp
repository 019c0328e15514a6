// scrivel: the script editor's desktop program.

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <exception>

#include "AppTitle.h"
#include "LaunchArguments.h"
#include "LaunchPlatform.h"
#include "MainWindow.h"
#include "platform_qt/CommandLine.h"

using namespace scrivel::app;

int main(int argc, char** argv)
{
    // --help and --version need no display: answered before Qt looks for one.
    const LaunchArguments early = parseLaunchArguments(platform::rawArguments(argc, argv).mid(1));
    if (early.help || early.version) return *answerLaunchRequest(early);

    QApplication application(argc, argv);
    const LaunchArguments args = parseLaunchArguments(application.arguments().mid(1));
    if (const auto status = answerLaunchRequest(args)) return *status;

    LaunchPlatform platform(QString::fromUtf8(ApplicationTitle));
    if (args.rom) platform.presetOpenChoice("Open ROM File", *args.rom);
    if (args.data) platform.presetOpenChoice("Open Text Block Data File", *args.data);

    try {
        MainWindow window(platform);
        platform.setParentWindow(&window);
        if (window.closeRequested()) return 0;
        QObject::connect(&window, &MainWindow::closed, &application, &QApplication::quit);
        window.showAll();
        if (args.rom) QTimer::singleShot(0, window.menu.openRom, &QAction::trigger);
        application.exec();
    } catch (const std::exception& error) {
        QMessageBox box(QMessageBox::Critical, QString::fromUtf8(ApplicationTitle), QString::fromLocal8Bit(error.what()));
        box.exec();
    }
    return 0;
}
