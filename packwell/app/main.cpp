// The file merger: the main window with its memo and menu, then the progress
// window, hidden until the GAME Pack build shows it.

#include <QApplication>
#include <exception>

#include "ApplicationTitle.h"
#include "MergerWindow.h"
#include "ProgressWindow.h"
#include "platform_qt/QtPlatform.h"

int main(int argc, char** argv)
{
    using namespace packwell::app;
    QApplication app(argc, argv);
    platform::QtPlatform platform(QString::fromLatin1(kApplicationTitle));
    try {
        MergerWindow mergerWindow(platform);
        platform.setParentWindow(&mergerWindow);
        ProgressWindow progressWindow;
        mergerWindow.setProgressWindow(&progressWindow);
        mergerWindow.show();
        return app.exec();
    } catch (const std::exception& e) {
        platform.setParentWindow(nullptr);
        platform.showMessage(e.what());
    }
    return 0;
}
