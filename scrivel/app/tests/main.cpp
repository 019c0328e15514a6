// The desktop program's window tests, run headless.

#include <QApplication>
#include <QTest>

#include "NavigationTest.h"
#include "StartStateTest.h"
#include "ViewAndHexTest.h"
#include "DemoTest.h"
#include "ExitTest.h"
#include "AboutTest.h"
#include "BuildTest.h"
#include "FontLineTest.h"
#include "FitTest.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    int failures = 0;
    {
        scrivel::app::testing::StartStateTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        scrivel::app::testing::NavigationTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        scrivel::app::testing::ViewAndHexTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        scrivel::app::testing::ExitTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        scrivel::app::testing::DemoTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        scrivel::app::testing::AboutTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        scrivel::app::testing::BuildTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        scrivel::app::testing::FontLineTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        scrivel::app::testing::FitTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
