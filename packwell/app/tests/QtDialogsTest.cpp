// The menu commands through the program's own Qt dialogs and message boxes,
// answered as a user would answer them.

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/ApplicationTitle.h"
#include "app/MergerWindow.h"
#include "TestPrinting.h"
#include "platform_qt/QtPlatform.h"
#include "testing/TempDir.h"

namespace fs = std::filesystem;
using testing_support::writeFile;
using Lines = std::vector<std::string>;

namespace {

// Answers the modal windows of a command one after the other as they come
// up, each with its own step. A window still up after the last step, or
// after ten seconds, is closed so that a failing test ends.
class ModalScript {
public:
    explicit ModalScript(std::vector<std::function<void(QWidget*)>> steps) : steps_(std::move(steps))
    {
        clock_.start();
        poll();
    }
    size_t answered() const { return next_; }

private:
    void poll()
    {
        QTimer::singleShot(10, &context_, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal->isVisible()) {
                if (modal != last_ && next_ < steps_.size()) {
                    last_ = modal;
                    steps_[next_++](modal);
                } else if (clock_.elapsed() > 10000) {
                    modal->close();
                }
            }
            if (next_ < steps_.size() || (modal && modal->isVisible())) poll();
        });
    }
    std::vector<std::function<void(QWidget*)>> steps_;
    size_t next_ = 0;
    QPointer<QWidget> last_;
    QElapsedTimer clock_;
    QObject context_;
};

void chooseFile(QWidget* modal, const fs::path& path)
{
    // Types the full path into the name field and presses Open.
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    QVERIFY(dialog);
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    name->setText(QString::fromStdString(path.string()));
    static_cast<QDialog*>(dialog)->accept();
}

}  // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void mergeThroughFileDialog();
    void addShowsMessageCaptionedWithTitle();
};

void QtDialogsTest::mergeThroughFileDialog()
{
    testing_support::TempDir dir;
    dir.enter();
    const fs::path data = dir / "data";
    fs::create_directory(data);
    writeFile(data / "intro.bin", "abc");
    platform::QtPlatform qt(QString::fromLatin1(packwell::app::kApplicationTitle));
    packwell::app::MergerWindow form(qt);
    qt.setParentWindow(&form);
    form.show();

    QString title, folder;
    ModalScript user({[&](QWidget* modal) {
        title = modal->windowTitle();
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) folder = dialog->directory().absolutePath();
        chooseFile(modal, data / "intro.bin");
    }});
    form.findChild<QAction*>(QStringLiteral("MergeaGroupoffiles1"))->trigger();

    QCOMPARE(user.answered(), size_t(1));
    QCOMPARE(title, QStringLiteral("Select a file with GROUP's extension..."));
    QCOMPARE(folder, QString::fromStdString(dir.str()));
    QCOMPARE(fs::current_path(), data);
    QCOMPARE(form.report().line(0), std::string("  #define INTRO              0"));
    QVERIFY(fs::exists(data / "Merged.dat"));
}

void QtDialogsTest::addShowsMessageCaptionedWithTitle()
{
    testing_support::TempDir dir;
    dir.enter();
    writeFile(dir / "logo.bin", "0123456789ABCDEF");
    platform::QtPlatform qt(QString::fromLatin1(packwell::app::kApplicationTitle));
    packwell::app::MergerWindow form(qt);
    qt.setParentWindow(&form);
    form.show();

    QString caption, text;
    ModalScript user({[&](QWidget* modal) { chooseFile(modal, dir / "logo.bin"); },
                      [&](QWidget* modal) {
                          auto* box = qobject_cast<QMessageBox*>(modal);
                          QVERIFY(box);
                          caption = box->windowTitle();
                          text = box->text();
                          box->button(QMessageBox::Ok)->click();
                      }});
    form.findChild<QAction*>(QStringLiteral("AddMFile"))->trigger();

    QCOMPARE(user.answered(), size_t(2));
    QCOMPARE(caption, QStringLiteral("Packwell"));
    QCOMPARE(text, QString::fromStdString((dir / "logo.bin").string()) + QStringLiteral(" merged successfully!"));
    QCOMPARE(form.report().lines(), Lines{"#define LOGO                 0x00000000"});
    QCOMPARE(form.windowTitle(), QStringLiteral("File Merger"));
}

QObject* makeQtDialogsTest()
{
    return new QtDialogsTest;
}

#include "QtDialogsTest.moc"
