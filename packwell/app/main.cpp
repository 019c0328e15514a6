// The file merger: the main window Form1 with its memo and menu, then the
// progress window Form2, hidden until the GAME Pack build shows it.

#include <QApplication>
#include <exception>

#include "ApplicationTitle.h"
#include "Merger.h"
#include "Percent.h"
#include "platform_qt/QtPlatform.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::QtPlatform platform(QString::fromLatin1(kApplicationTitle));
    try {
        TForm1 form1(platform);
        platform.setParentWindow(&form1);
        TForm2 form2;
        form1.setProgressForm(&form2);
        form1.show();
        return app.exec();
    } catch (const std::exception& e) {
        platform.setParentWindow(nullptr);
        platform.showMessage(e.what());
    }
    return 0;
}
