// What the two windows look like when the program starts, and what the
// build's calls do to the progress window.

#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

#include "GuiFixture.h"
#include "TestPrinting.h"

class WindowLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void mainWindowHasItsNameCaptionPlaceAndSize();
    void memoIsAnUnwrappedFixedPitchEditorFillingTheWindow();
    void menuOrderNamesAndShortcuts();
    void progressWindowAtStart();
    void progressWindowDrivenByBuild();
};

void WindowLayoutTest::mainWindowHasItsNameCaptionPlaceAndSize()
{
    GuiFixture f;
    QCOMPARE(f.mergerWindow.objectName(), QStringLiteral("Form1"));
    QCOMPARE(f.mergerWindow.windowTitle(), QStringLiteral("File Merger"));
    QCOMPARE(f.mergerWindow.frameGeometry().topLeft(), QPoint(13, 55));
    QCOMPARE(f.mergerWindow.frameGeometry().size(), QSize(446, 380));
    QCOMPARE(f.mergerWindow.centralWidget(), static_cast<QWidget*>(f.mergerWindow.memo()));
    QVERIFY(!f.progressWindow.isVisible());
    QVERIFY(qApp->applicationDisplayName() == qApp->applicationName());
}

void WindowLayoutTest::memoIsAnUnwrappedFixedPitchEditorFillingTheWindow()
{
    GuiFixture f;
    QPlainTextEdit* memo = f.mergerWindow.findChild<QPlainTextEdit*>(QStringLiteral("memo"));
    QVERIFY(memo);
    QFontInfo font(memo->font());
    QVERIFY2(font.fixedPitch(), qPrintable(font.family()));
    QCOMPARE(font.pixelSize(), 11);
    QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(!memo->isReadOnly());
    // It fills everything below the menu bar.
    QCOMPARE(memo->width(), f.mergerWindow.width());
    QCOMPARE(memo->geometry().bottom(), f.mergerWindow.height() - 1);
    QVERIFY(memo->geometry().top() >= f.mergerWindow.menuBar()->height());
    QVERIFY(f.memoLines().empty());
}

void WindowLayoutTest::menuOrderNamesAndShortcuts()
{
    GuiFixture f;
    struct Item {
        QString caption, name;
    };
    const QList<QPair<QString, QList<Item>>> expected{
        {QStringLiteral("&File"),
         {{QStringLiteral("Open GAME Pack Source File"), QStringLiteral("OpenGAMEPackSourceFile1")},
          {QStringLiteral("Save GAME Pack Source File"), QStringLiteral("SaveRPGPackTemplateSourceFile1")},
          {QString(), QStringLiteral("N1")},
          {QStringLiteral("E&xit"), QStringLiteral("Exit1")}}},
        {QStringLiteral("&Edit"),
         {{QStringLiteral("Add File to Merged File"), QStringLiteral("AddMFile")},
          {QString(), QStringLiteral("N4")},
          {QStringLiteral("Merge a Group of files..."), QStringLiteral("MergeaGroupoffiles1")},
          {QStringLiteral("Create GAME Pack Source File"), QStringLiteral("CreateRPGPackTemplate1")},
          {QStringLiteral("Create GAME Pack"), QStringLiteral("CreateRPGPack1")},
          {QString(), QStringLiteral("N2")},
          {QStringLiteral("Compress a group of Files... [ Huffman ]"), QStringLiteral("CompressagroupofFiles1")},
          {QStringLiteral("Compress a group of Files... [ RLE ]"), QStringLiteral("CompressagroupofFilesRLE1")},
          {QString(), QStringLiteral("N3")},
          {QStringLiteral("Erase Text Data on Form"), QStringLiteral("FlushTextDataonForm1")}}},
        {QStringLiteral("&Help"), {{QStringLiteral("&About"), QStringLiteral("About1")}}},
    };
    QMenuBar* bar = f.mergerWindow.menuBar();
    QCOMPARE(bar->objectName(), QStringLiteral("MainMenu1"));
    const QList<QAction*> menus = bar->actions();
    QCOMPARE(menus.size(), expected.size());
    for (qsizetype m = 0; m < menus.size(); ++m) {
        QCOMPARE(menus[m]->text(), expected[m].first);
        const QList<QAction*> items = menus[m]->menu()->actions();
        QCOMPARE(items.size(), expected[m].second.size());
        for (qsizetype i = 0; i < items.size(); ++i) {
            const Item& want = expected[m].second[i];
            QCOMPARE(items[i]->objectName(), want.name);
            QCOMPARE(items[i]->isSeparator(), want.caption.isEmpty());
            if (!want.caption.isEmpty()) QCOMPARE(items[i]->text(), want.caption);
            const QKeySequence shortcut = items[i]->shortcut();
            if (want.name == QLatin1String("Exit1"))
                QCOMPARE(shortcut, QKeySequence(Qt::ALT | Qt::Key_X));
            else
                QVERIFY2(shortcut.isEmpty(), qPrintable(want.name));
        }
    }
}

void WindowLayoutTest::progressWindowAtStart()
{
    GuiFixture f;
    packwell::app::ProgressWindow& w = f.progressWindow;
    QCOMPARE(w.objectName(), QStringLiteral("Form2"));
    QVERIFY(w.isWindow());
    QCOMPARE(w.windowTitle(), QStringLiteral("..."));
    QCOMPARE(w.size(), QSize(200, 20));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QProgressBar* bar = w.findChild<QProgressBar*>(QStringLiteral("pBar"));
    QVERIFY(bar);
    QCOMPARE(bar->geometry(), QRect(0, 1, 168, 18));
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 100);
    QCOMPARE(bar->value(), 0);
    QVERIFY(!bar->isTextVisible());
    QLabel* label = w.findChild<QLabel*>(QStringLiteral("StaticText1"));
    QVERIFY(label);
    QCOMPARE(label->geometry(), QRect(168, 1, 30, 18));
    QCOMPARE(label->text(), QStringLiteral("100%"));
    QCOMPARE(label->frameShadow(), QFrame::Sunken);
    QVERIFY(label->frameShape() != QFrame::NoFrame);
    // The label's text fits its box.
    QCOMPARE(label->indent(), 0);
    QCOMPARE(label->margin(), 0);
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width());
}

void WindowLayoutTest::progressWindowDrivenByBuild()
{
    GuiFixture f;
    packwell::app::ProgressWindow& w = f.progressWindow;
    packwell::app::ProgressWindowDisplay progress;
    progress.attach(&w);

    progress.show();
    QVERIFY(w.isVisible());
    const QPoint screenCentre = w.screen()->availableGeometry().center();
    QVERIFY2((w.frameGeometry().center() - screenCentre).manhattanLength() <= 2,
             qPrintable(QStringLiteral("window at %1,%2").arg(w.x()).arg(w.y())));
    QCOMPARE(w.windowTitle(), QStringLiteral("..."));

    progress.setCaption("Creating Game Pack");
    progress.setPosition(42);
    QCOMPARE(w.windowTitle(), QStringLiteral("Creating Game Pack"));
    QCOMPARE(w.bar()->value(), 42);
    QCOMPARE(w.percentLabel()->text(), QStringLiteral("100%"));

    progress.close();
    QVERIFY(!w.isVisible());
    QVERIFY(f.mergerWindow.isVisible());

    // Shown again, it reads as it was last set.
    progress.show();
    QCOMPARE(w.windowTitle(), QStringLiteral("Creating Game Pack"));
    QCOMPARE(w.bar()->value(), 42);
    progress.close();
}

QObject* makeWindowLayoutTest()
{
    return new WindowLayoutTest;
}

#include "WindowLayoutTest.moc"
