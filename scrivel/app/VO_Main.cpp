#include "VO_Main.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>
#include <exception>

#include "EditorFonts.h"
#include "WindowPlacement.h"

namespace scrivel::app {

namespace {

void paintBlack(QWidget* widget)
{
    QPalette black = widget->palette();
    black.setColor(QPalette::Window, Qt::black);
    widget->setPalette(black);
    widget->setAutoFillBackground(true);
}

QLabel* statusPanel(QStatusBar* bar, const char* name, const char* text)
{
    auto* panel = new QLabel(QString::fromLatin1(text), bar);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return panel;
}

}  // namespace

TVOForm::TVOForm(platform::Platform& platform)
    : platform_(platform), commands_(state_, hex_, *this, platform)
{
    setObjectName(QStringLiteral("VOForm"));
    setWindowTitle(QStringLiteral("Script Editor: Varkel Osti"));
    setFont(formFont());
    buildLayout();
    menu = buildMainMenu(*this);
    connectMenu();

    // Video at its stored size: the window is as large as the menu bar, the
    // screen and the status bar need.
    resize(VideoWidth + PanelWidth, menuBar()->sizeHint().height() + VideoHeight + StatusBarHeight);
    move(5, 56);

    FormCreate();

    TxtForm = std::make_unique<TTxtForm>();
    TxtForm->setChangeHandler([this] { run([this] { commands_.textEditorChanged(); }); });
    HexForm = std::make_unique<THexForm>(state_, hex_);
}

TVOForm::~TVOForm() = default;

void TVOForm::buildLayout()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    paintBlack(client);
    auto* row = new QHBoxLayout(client);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    Video = new ScreenVideo(state_, client);
    Video->setMinimumSize(1, 1);
    Video->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    row->addWidget(Video, 1);

    Panel1 = new QFrame(client);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setFixedWidth(PanelWidth);
    Panel1->installEventFilter(this);
    row->addWidget(Panel1);

    bList = new ScriptListBox(QStringLiteral("bList"), Panel1);
    bList->setGeometry(3, 3, 114, 187);
    bList->setClickHandler([this] { run([this] { commands_.blockListClick(); }); });
    pList = new ScriptListBox(QStringLiteral("pList"), Panel1);
    pList->setGeometry(3, 3 + 187 + 1, 114, 175);
    pList->setClickHandler([this] { run([this] { commands_.stringListClick(true); }); });

    setCentralWidget(client);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(StatusBarHeight);
    statusPanels_[0] = statusPanel(StatusBar1, "StatusPanel0", "Offset: 000000 | PTR: 0000");
    statusPanels_[0]->setFixedWidth(200);
    statusPanels_[1] = statusPanel(StatusBar1, "StatusPanel1", "Control Codes: Visible | VWF: Inactive");
    statusPanels_[1]->setMinimumWidth(50);
    StatusBar1->addWidget(statusPanels_[0]);
    StatusBar1->addWidget(statusPanels_[1], 1);
    setStatusBar(StatusBar1);
}

void TVOForm::connectMenu()
{
    auto on = [this](QAction* action, std::function<void()> command) {
        connect(action, &QAction::triggered, this, [this, command] {
            run(command);
            syncCheckItems();
        });
    };
    on(menu.OpenBinaryTextData1, [this] { commands_.openRom(); });
    on(menu.LoadDataFile, [this] { commands_.loadDataFile(); });
    on(menu.SaveTextFile1, [this] { commands_.saveTextFile(); });
    on(menu.Exit1, [this] { close(); });
    on(menu.DisplayTextEditor1, [this] { DisplayTextEditor1Click(); });
    on(menu.DTT, [this] { commands_.toggleTranslatedText(); });
    on(menu.ViewHexData1, [this] { ViewHexData1Click(); });
    on(menu.HideCodes, [this] { commands_.toggleHideCodes(); });
    on(menu.UseVWFRoutine1, [this] { commands_.toggleVwf(); });
    on(menu.DefaultWindowSize1, [this] { DefaultWindowSize1Click(); });
}

void TVOForm::FormCreate()
{
    if (!Video->createBitmap(VideoWidth, VideoHeight)) {
        platform_.showMessage("Fatal Error: Could not acquire Video Pointer.");
        requestClose();
        return;
    }
    commands_.formCreate(VideoWidth, VideoHeight, width(), height());
}

void TVOForm::showAll()
{
    show();
    TxtForm->show();
    setOuterSize(*TxtForm, QSize(294, 266));
    HexForm->show();
}

void TVOForm::run(const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& error) {
        platform_.showMessage(error.what());
    }
}

void TVOForm::syncCheckItems()
{
    menu.DTT->setChecked(state_.Checks.DTT);
    menu.HideCodes->setChecked(state_.Checks.HideCodes);
    menu.UseVWFRoutine1->setChecked(state_.Checks.UseVWFRoutine1);
}

void TVOForm::setStatusText(int panel, const std::string& text)
{
    if (panel < 0 || panel > 1) return;
    statusPanels_[panel]->setText(QString::fromStdString(text));
}

QString TVOForm::statusText(int panel) const
{
    return panel < 0 || panel > 1 ? QString() : statusPanels_[panel]->text();
}

void TVOForm::setCaption(const std::string& caption)
{
    setWindowTitle(QString::fromStdString(caption));
}

void TVOForm::setLoadDataFileEnabled(bool enabled)
{
    menu.LoadDataFile->setEnabled(enabled);
}

void TVOForm::requestClose()
{
    closeRequested_ = true;
    // Closed from the event loop, once the command that asked has ended.
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TVOForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

// The window's components are laid out after its own resize event: the rule
// runs again once Panel1 (and Video beside it) have their new size.
bool TVOForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Panel1 && event->type() == QEvent::Resize) FormResize();
    return QMainWindow::eventFilter(watched, event);
}

// Both lists get half the screen's height less 3; bList stays at the top of
// Panel1 and pList at its bottom.
void TVOForm::FormResize()
{
    const int listHeight = (Video->height() - 6) >> 1;
    const int inner = Panel1->frameWidth() + 2;
    bList->setGeometry(inner, inner, bList->width(), listHeight);
    pList->setGeometry(inner, Panel1->height() - inner - listHeight, pList->width(), listHeight);
}

void TVOForm::DisplayTextEditor1Click()
{
    if (TxtForm->isVisible()) return;
    TxtForm->show();
    TxtForm->raise();
    TxtForm->activateWindow();
}

void TVOForm::ViewHexData1Click()
{
    if (HexForm->isVisible()) return;
    HexForm->show();
    HexForm->raise();
    HexForm->activateWindow();
}

void TVOForm::DefaultWindowSize1Click()
{
    resize(width(), state_.DefaultHeight);
    resize(state_.DefaultWidth, height());
}

// Unsaved script text is offered for saving first: Yes saves (and a failed
// save keeps the program open), No drops the text, Cancel keeps the program
// open.
bool TVOForm::offerToSaveBeforeExit()
{
    if (!TxtForm) return true;
    TextEditorView& editor = textEditor();
    if (!editor.modified()) return true;
    switch (platform_.ask("Current data not saved. Do you wish to save it?", "File Modified...", true)) {
    case platform::Answer::Cancel:
        return false;
    case platform::Answer::No:
        return true;
    case platform::Answer::Yes:
        run([this] { commands_.saveTextFile(); });
        return !editor.modified();
    }
    return false;
}

void TVOForm::closeEvent(QCloseEvent* event)
{
    if (!offerToSaveBeforeExit()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
    emit closed();
}

void TVOForm::FormClose()
{
    state_.RomImage.clear();
    state_.RomImage.shrink_to_fit();
    state_.romLoaded = false;
    state_.ScreenBuffer.clear();
    state_.ScreenBuffer.shrink_to_fit();
    Video->releaseBitmap();
    if (HexForm) {
        HexForm->releaseGlyphBitmap();
        HexForm->hide();
    }
    if (TxtForm) TxtForm->hide();
}

}  // namespace scrivel::app
