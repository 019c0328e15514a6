// Help > About: the program's name and version in a box captioned with the
// application's title, modal to the main window.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "GuiFixture.h"
#include "version/Version.h"

class AboutBoxTest : public QObject {
    Q_OBJECT
private slots:
    void aboutShowsNameAndVersion();
};

void AboutBoxTest::aboutShowsNameAndVersion()
{
    GuiFixture f;
    f.mergerWindow.show();
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
    f.trigger("About1");

    QCOMPARE(caption, QStringLiteral("Packwell"));
    QCOMPARE(text, QStringLiteral("Packwell ") + QString::fromLatin1(common::ProjectVersion));
    QCOMPARE(parent, &f.mergerWindow);
    QVERIFY(f.platform.messages().empty());
}

QObject* makeAboutBoxTest()
{
    return new AboutBoxTest;
}

#include "AboutBoxTest.moc"
