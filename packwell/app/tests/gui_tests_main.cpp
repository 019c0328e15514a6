// Runs every window test class; headless with QT_QPA_PLATFORM=offscreen.

#include <QApplication>
#include <QtTest>
#include <memory>

QObject* makeTextLinesTest();
QObject* makeWindowLayoutTest();
QObject* makeMenuCommandsTest();
QObject* makeBuildAndExitTest();
QObject* makeQtDialogsTest();
QObject* makeAboutBoxTest();

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Tests close main windows; the application must outlive them.
    QApplication::setQuitOnLastWindowClosed(false);
    int failed = 0;
    for (auto make : {makeTextLinesTest, makeWindowLayoutTest, makeMenuCommandsTest, makeBuildAndExitTest, makeQtDialogsTest,
                      makeAboutBoxTest}) {
        std::unique_ptr<QObject> test(make());
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
