// Help > About: the program's name and version in a box captioned with the
// application's title, modal to the main window.

#include "AboutTest.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "AppTitle.h"
#include "GuiFixture.h"
#include "version/Version.h"

namespace scrivel::app::testing {

void AboutTest::aboutShowsNameAndVersion()
{
    GuiFixture f;
    QString caption, text;
    QWidget* parent = nullptr;
    // Answers the box as a user would; any other window is closed so that a
    // failing test ends.
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            caption = box->windowTitle();
            text = box->text();
            parent = box->parentWidget();
            box->button(QMessageBox::Ok)->click();
        } else if (modal) {
            modal->close();
        }
    });
    QCOMPARE(f.form->menu.helpMenu->title(), QStringLiteral("&Help"));
    auto* about = f.form->findChild<QAction*>(QStringLiteral("About1"));
    QVERIFY(about && f.form->menu.helpMenu->actions().contains(about));
    about->trigger();

    QCOMPARE(caption, QString::fromUtf8(ApplicationTitle));
    QCOMPARE(text, QStringLiteral("Scrivel ") + QString::fromLatin1(common::ProjectVersion));
    QCOMPARE(parent, f.form.get());
    QVERIFY(f.platform.messages().empty());
}

}  // namespace scrivel::app::testing
