#include "Merger.h"

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

TForm1::TForm1(platform::Platform& platform, QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      memo_(new QPlainTextEdit(this)),
      report_(memo_),
      session_(platform, report_, progress_)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("File Merger"));

    memo_->setObjectName(QStringLiteral("memo"));
    memo_->setFont(memoFont());
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setCentralWidget(memo_);

    createMenu();
    move(kLeft, kTop);
    resize(kOuterWidth, kOuterHeight);
    FormCreate();
}

void TForm1::FormCreate()
{
    session_.dialogFolder.clear();
}

void TForm1::createMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    addItem(file, QStringLiteral("Open GAME Pack Source File"), QStringLiteral("OpenGAMEPackSourceFile1"),
            &TForm1::OpenGAMEPackSourceFile1Click);
    addItem(file, QStringLiteral("Save GAME Pack Source File"), QStringLiteral("SaveRPGPackTemplateSourceFile1"),
            &TForm1::SaveRPGPackTemplateSourceFile1Click);
    addSeparator(file, QStringLiteral("N1"));
    QAction* exit = addItem(file, QStringLiteral("E&xit"), QStringLiteral("Exit1"), &TForm1::Exit1Click);
    exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));

    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("Edit1"));
    addItem(edit, QStringLiteral("Add File to Merged File"), QStringLiteral("AddMFile"), &TForm1::AddMFileClick);
    addSeparator(edit, QStringLiteral("N4"));
    addItem(edit, QStringLiteral("Merge a Group of files..."), QStringLiteral("MergeaGroupoffiles1"),
            &TForm1::MergeaGroupoffiles1Click);
    addItem(edit, QStringLiteral("Create GAME Pack Source File"), QStringLiteral("CreateRPGPackTemplate1"),
            &TForm1::CreateRPGPackTemplate1Click);
    addItem(edit, QStringLiteral("Create GAME Pack"), QStringLiteral("CreateRPGPack1"), &TForm1::CreateRPGPack1Click);
    addSeparator(edit, QStringLiteral("N2"));
    addItem(edit, QStringLiteral("Compress a group of Files... [ Huffman ]"), QStringLiteral("CompressagroupofFiles1"),
            &TForm1::CompressagroupofFiles1Click);
    addItem(edit, QStringLiteral("Compress a group of Files... [ RLE ]"), QStringLiteral("CompressagroupofFilesRLE1"),
            &TForm1::CompressagroupofFilesRLE1Click);
    addSeparator(edit, QStringLiteral("N3"));
    addItem(edit, QStringLiteral("Erase Text Data on Form"), QStringLiteral("FlushTextDataonForm1"),
            &TForm1::FlushTextDataonForm1Click);

    menus_ = {file, edit,
              platform::addHelpMenu(bar, QString::fromLatin1(kApplicationTitle), QStringLiteral("Packwell"))};
}

QAction* TForm1::addItem(QMenu* menu, const QString& caption, const QString& name, void (TForm1::*handler)())
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
    items_.append(action);
    return action;
}

QAction* TForm1::addSeparator(QMenu* menu, const QString& name)
{
    QAction* separator = menu->addSeparator();
    separator->setObjectName(name);
    return separator;
}

void TForm1::runCommand(void (*command)(pack::MergerSession&))
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

void TForm1::setMenuEnabled(bool enabled)
{
    for (QAction* action : items_) action->setEnabled(enabled);
    for (QMenu* menu : menus_) menu->menuAction()->setEnabled(enabled);
}

void TForm1::OpenGAMEPackSourceFile1Click()
{
    runCommand(pack::openPackSource);
}

void TForm1::SaveRPGPackTemplateSourceFile1Click()
{
    runCommand(pack::savePackSource);
}

void TForm1::Exit1Click()
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

void TForm1::AddMFileClick()
{
    runCommand(pack::addFileToMerged);
}

void TForm1::MergeaGroupoffiles1Click()
{
    runCommand(pack::mergeGroup);
}

void TForm1::CreateRPGPackTemplate1Click()
{
    runCommand(pack::createPackSource);
}

void TForm1::CreateRPGPack1Click()
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

void TForm1::CompressagroupofFiles1Click()
{
    runCommand(pack::compressGroupHuffman);
}

void TForm1::CompressagroupofFilesRLE1Click()
{
    runCommand(pack::compressGroupRle);
}

void TForm1::FlushTextDataonForm1Click()
{
    runCommand(pack::eraseReport);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (building_) {
        closePending_ = true;
        event->ignore();
        return;
    }
    progress_.close();
    event->accept();
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!sized_) {
        sized_ = true;
        // Some window systems know the frame now, others once the window
        // manager has framed the window.
        fitOuterSize();
        QTimer::singleShot(0, this, &TForm1::fitOuterSize);
    }
}

void TForm1::fitOuterSize()
{
    // 446 x 380 is the size with the frame; without a frame (or before the
    // window manager tells it) the window itself gets that size.
    QSize frame = frameGeometry().size() - geometry().size();
    if (frame.width() > 0 || frame.height() > 0) resize(kOuterWidth - frame.width(), kOuterHeight - frame.height());
}
