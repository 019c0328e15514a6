#include "MergerWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QFont>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTimer>
#include <exception>

#include "pack/MergerCommands.h"
#include "ApplicationTitle.h"
#include "platform/Platform.h"
#include "platform_qt/AboutBox.h"

namespace packwell::app {
namespace {

constexpr int kLeft = 13;
constexpr int kTop = 55;
constexpr int kOuterWidth = 446;
constexpr int kOuterHeight = 380;
constexpr char kUnknownFailure[] = "Error: the command failed for an unknown reason.";

QFont memoFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                      QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(11);
    return font;
}

}  // namespace

MergerWindow::MergerWindow(platform::Platform& platform, QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      memo_(new QPlainTextEdit(this)),
      report_(memo_),
      session_(platform, report_, progress_)
{
    memo_->setFont(memoFont());
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setCentralWidget(memo_);

    createMenu();
    setNamesAndCaptions();
    move(kLeft, kTop);
    resize(kOuterWidth, kOuterHeight);
}

void MergerWindow::createMenu()
{
    QMenuBar* bar = menuBar();
    Menu& m = menu_;
    m.file = bar->addMenu(QString());
    m.openSource = addItem(m.file, &MergerWindow::openPackSource);
    m.saveSource = addItem(m.file, &MergerWindow::savePackSource);
    m.fileSeparator = m.file->addSeparator();
    m.exit = addItem(m.file, &MergerWindow::exitSavingReport);
    m.exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));

    m.edit = bar->addMenu(QString());
    m.addFile = addItem(m.edit, &MergerWindow::addFileToMerged);
    m.addSeparator = m.edit->addSeparator();
    m.merge = addItem(m.edit, &MergerWindow::mergeGroup);
    m.createSource = addItem(m.edit, &MergerWindow::createPackSource);
    m.build = addItem(m.edit, &MergerWindow::buildPack);
    m.buildSeparator = m.edit->addSeparator();
    m.compressHuffman = addItem(m.edit, &MergerWindow::compressGroupHuffman);
    m.compressRle = addItem(m.edit, &MergerWindow::compressGroupRle);
    m.compressSeparator = m.edit->addSeparator();
    m.erase = addItem(m.edit, &MergerWindow::eraseReport);

    m.help = platform::addHelpMenu(bar, QString::fromLatin1(kApplicationTitle), QStringLiteral("Packwell"));
}

// The object names and captions of the window and everything in it. They
// stay exactly as they are: the window tests find the widgets by these
// names, and users know the captions.
void MergerWindow::setNamesAndCaptions()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("File Merger"));
    memo_->setObjectName(QStringLiteral("memo"));
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));

    const auto name = [](QObject* object, const char* objectName) {
        object->setObjectName(QString::fromLatin1(objectName));
    };
    const auto item = [&](QAction* action, const char* objectName, const char* caption) {
        name(action, objectName);
        action->setText(QString::fromLatin1(caption));
    };
    const Menu& m = menu_;
    name(m.file, "File1");
    m.file->setTitle(QStringLiteral("&File"));
    item(m.openSource, "OpenGAMEPackSourceFile1", "Open GAME Pack Source File");
    item(m.saveSource, "SaveRPGPackTemplateSourceFile1", "Save GAME Pack Source File");
    name(m.fileSeparator, "N1");
    item(m.exit, "Exit1", "E&xit");

    name(m.edit, "Edit1");
    m.edit->setTitle(QStringLiteral("&Edit"));
    item(m.addFile, "AddMFile", "Add File to Merged File");
    name(m.addSeparator, "N4");
    item(m.merge, "MergeaGroupoffiles1", "Merge a Group of files...");
    item(m.createSource, "CreateRPGPackTemplate1", "Create GAME Pack Source File");
    item(m.build, "CreateRPGPack1", "Create GAME Pack");
    name(m.buildSeparator, "N2");
    item(m.compressHuffman, "CompressagroupofFiles1", "Compress a group of Files... [ Huffman ]");
    item(m.compressRle, "CompressagroupofFilesRLE1", "Compress a group of Files... [ RLE ]");
    name(m.compressSeparator, "N3");
    item(m.erase, "FlushTextDataonForm1", "Erase Text Data on Form");
}

QAction* MergerWindow::addItem(QMenu* menu, void (MergerWindow::*handler)())
{
    QAction* action = menu->addAction(QString());
    connect(action, &QAction::triggered, this, handler);
    items_.append(action);
    return action;
}

void MergerWindow::runCommand(void (*command)(pack::MergerSession&))
{
    try {
        command(session_);
    } catch (const std::exception& e) {
        platform_.showMessage(e.what());
    } catch (...) {
        platform_.showMessage(kUnknownFailure);
    }
    report_.revealAppended();
}

void MergerWindow::setMenuEnabled(bool enabled)
{
    for (QAction* action : items_) action->setEnabled(enabled);
    for (QMenu* menu : {menu_.file, menu_.edit, menu_.help}) menu->menuAction()->setEnabled(enabled);
}

void MergerWindow::openPackSource()
{
    runCommand(pack::openPackSource);
}

void MergerWindow::savePackSource()
{
    runCommand(pack::savePackSource);
}

void MergerWindow::exitSavingReport()
{
    if (building_) return;
    bool saved = false;
    try {
        saved = pack::saveReportOnExit(session_);
    } catch (const std::exception& e) {
        platform_.showMessage(e.what());
    } catch (...) {
        platform_.showMessage(kUnknownFailure);
    }
    if (saved) close();
}

void MergerWindow::addFileToMerged()
{
    runCommand(pack::addFileToMerged);
}

void MergerWindow::mergeGroup()
{
    runCommand(pack::mergeGroup);
}

void MergerWindow::createPackSource()
{
    runCommand(pack::createPackSource);
}

void MergerWindow::buildPack()
{
    if (building_) return;
    // The build lets window events through between lines. Until it ends no
    // other command may start, the memo it reads stays as it is, and a
    // request to close the window waits.
    building_ = true;
    const bool wasReadOnly = memo_->isReadOnly();
    setMenuEnabled(false);
    memo_->setReadOnly(true);
    runCommand(pack::buildPack);
    progress_.close();
    memo_->setReadOnly(wasReadOnly);
    setMenuEnabled(true);
    building_ = false;
    if (closePending_) {
        closePending_ = false;
        close();
    }
}

void MergerWindow::compressGroupHuffman()
{
    runCommand(pack::compressGroupHuffman);
}

void MergerWindow::compressGroupRle()
{
    runCommand(pack::compressGroupRle);
}

void MergerWindow::eraseReport()
{
    runCommand(pack::eraseReport);
}

void MergerWindow::closeEvent(QCloseEvent* event)
{
    if (building_) {
        closePending_ = true;
        event->ignore();
        return;
    }
    progress_.close();
    event->accept();
}

void MergerWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!sized_) {
        sized_ = true;
        // Some window systems know the frame now, others once the window
        // manager has framed the window.
        fitOuterSize();
        QTimer::singleShot(0, this, &MergerWindow::fitOuterSize);
    }
}

void MergerWindow::fitOuterSize()
{
    // 446 x 380 is the size with the frame; without a frame (or before the
    // window manager tells it) the window itself gets that size.
    QSize frame = frameGeometry().size() - geometry().size();
    if (frame.width() > 0 || frame.height() > 0) resize(kOuterWidth - frame.width(), kOuterHeight - frame.height());
}

}  // namespace packwell::app
