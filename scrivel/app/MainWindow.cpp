#include "MainWindow.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>
#include <exception>

#include "EditorFonts.h"
#include "ScriptFilesWindow.h"
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

QLabel* statusPanel(QStatusBar* bar)
{
    auto* panel = new QLabel(bar);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return panel;
}

}  // namespace

MainWindow::MainWindow(platform::Platform& platform)
    : platform_(platform), commands_(state_, hex_, *this, platform)
{
    setFont(formFont());
    buildLayout();
    menu = buildMainMenu(*this);
    nameWidgets();
    connectMenu();

    // The screen at its stored size: the window is as large as the menu bar,
    // the screen and the status bar need.
    resize(render::ScreenWidth + PanelWidth, menuBar()->sizeHint().height() + render::ScreenHeight + StatusBarHeight);
    move(5, 56);

    initialise();

    textEditorWindow = std::make_unique<TextEditorWindow>();
    textEditorWindow->setChangeHandler([this] { run([this] { commands_.textEditorChanged(); }); });
    hexWindow = std::make_unique<HexWindow>(state_, hex_);
    fitListWindow = std::make_unique<FitListWindow>();
    fitListWindow->setChooseHandler([this](const script::FitProblem& problem) { goToFitProblem(problem); });
    // Rewrapping is wanted while typing: its shortcut also acts in the text editor.
    textEditorWindow->addAction(menu.rewrapSection);
}

MainWindow::~MainWindow() = default;

// Object names and captions: the window tests find the widgets by these
// names, and users know the captions; keep both exactly as they are. (The
// menu's own are set in buildMainMenu.)
void MainWindow::nameWidgets()
{
    setObjectName(QStringLiteral("VOForm"));
    setWindowTitle(QStringLiteral("Script Editor: Varkel Osti"));
    client_->setObjectName(QStringLiteral("Client"));
    screenWidget->setObjectName(QStringLiteral("Video"));
    listPanel->setObjectName(QStringLiteral("Panel1"));
    blockListBox->setObjectName(QStringLiteral("bList"));
    stringListBox->setObjectName(QStringLiteral("pList"));
    statusLine->setObjectName(QStringLiteral("StatusBar1"));
    statusPanels_[0]->setObjectName(QStringLiteral("StatusPanel0"));
    statusPanels_[0]->setText(QStringLiteral("Offset: 000000 | PTR: 0000"));
    statusPanels_[1]->setObjectName(QStringLiteral("StatusPanel1"));
    statusPanels_[1]->setText(QStringLiteral("Control Codes: Visible | VWF: Inactive"));
    fitPanel_->setObjectName(QStringLiteral("StatusPanel2"));
}

void MainWindow::buildLayout()
{
    client_ = new QWidget(this);
    paintBlack(client_);
    auto* row = new QHBoxLayout(client_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    screenWidget = new ScreenWidget(state_, client_);
    screenWidget->setMinimumSize(1, 1);
    screenWidget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    row->addWidget(screenWidget, 1);

    listPanel = new QFrame(client_);
    listPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    listPanel->setLineWidth(1);
    listPanel->setFixedWidth(PanelWidth);
    listPanel->installEventFilter(this);
    row->addWidget(listPanel);

    blockListBox = new ScriptListBox(listPanel);
    blockListBox->setGeometry(3, 3, 114, 187);
    blockListBox->setClickHandler([this] { run([this] { commands_.selectBlock(); }); });
    stringListBox = new ScriptListBox(listPanel);
    stringListBox->setGeometry(3, 3 + 187 + 1, 114, 175);
    stringListBox->setClickHandler([this] { run([this] { commands_.selectString(true); }); });

    setCentralWidget(client_);

    statusLine = new QStatusBar(this);
    statusLine->setSizeGripEnabled(false);
    statusLine->setFixedHeight(StatusBarHeight);
    statusPanels_[0] = statusPanel(statusLine);
    statusPanels_[0]->setFixedWidth(200);
    statusPanels_[1] = statusPanel(statusLine);
    statusPanels_[1]->setMinimumWidth(50);
    statusLine->addWidget(statusPanels_[0]);
    statusLine->addWidget(statusPanels_[1], 1);
    // Shown only while it has something to tell, so that panel 1 keeps its
    // room otherwise.
    fitPanel_ = statusPanel(statusLine);
    fitPanel_->setMinimumWidth(50);
    statusLine->addWidget(fitPanel_);
    fitPanel_->hide();
    setStatusBar(statusLine);
}

void MainWindow::connectMenu()
{
    auto on = [this](QAction* action, std::function<void()> command) {
        connect(action, &QAction::triggered, this, [this, command] {
            run(command);
            syncCheckItems();
        });
    };
    on(menu.openRom, [this] { commands_.openRom(); });
    on(menu.loadDataFile, [this] { commands_.loadDataFile(); });
    on(menu.saveTextFile, [this] { commands_.saveTextFile(); });
    on(menu.createAllScriptFiles, [this] { createAllScriptFiles(this, commands_); });
    on(menu.buildTranslatedRom, [this] { commands_.buildTranslatedRom(); });
    on(menu.exit, [this] { close(); });
    on(menu.showTextEditor, [this] { showTextEditor(); });
    on(menu.showTranslation, [this] { commands_.toggleTranslatedText(); });
    on(menu.showHexData, [this] { showHexWindow(); });
    on(menu.hideCodes, [this] { commands_.toggleHideCodes(); });
    on(menu.variableWidth, [this] { commands_.toggleVariableWidth(); });
    on(menu.defaultWindowSize, [this] { restoreDefaultSize(); });
    on(menu.rewrapSection, [this] { rewrapSection(); });
    on(menu.checkFit, [this] { showCheckFit(); });
}

void MainWindow::initialise()
{
    if (!screenWidget->createBitmap(render::ScreenWidth, render::ScreenHeight)) {
        platform_.showMessage("Fatal Error: Could not acquire Video Pointer.");
        requestClose();
        return;
    }
    if (commands_.initialise()) defaultSize_ = size();
}

void MainWindow::showAll()
{
    show();
    textEditorWindow->show();
    setOuterSize(*textEditorWindow, QSize(294, 266));
    hexWindow->show();
}

void MainWindow::run(const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& error) {
        platform_.showMessage(error.what());
    }
}

void MainWindow::syncCheckItems()
{
    menu.showTranslation->setChecked(state_.checks.showTranslation);
    menu.hideCodes->setChecked(state_.checks.hideCodes);
    menu.variableWidth->setChecked(state_.checks.variableWidth);
}

void MainWindow::setStatusText(int panel, const std::string& text)
{
    if (panel == 2) {
        fitPanel_->setText(QString::fromStdString(text));
        fitPanel_->setToolTip(fitPanel_->text());
        fitPanel_->setVisible(!text.empty());
        return;
    }
    if (panel < 0 || panel > 1) return;
    statusPanels_[panel]->setText(QString::fromStdString(text));
}

QString MainWindow::statusText(int panel) const
{
    if (panel == 2) return fitPanel_->text();
    return panel < 0 || panel > 1 ? QString() : statusPanels_[panel]->text();
}

void MainWindow::setCaption(const std::string& caption)
{
    setWindowTitle(QString::fromStdString(caption));
}

void MainWindow::setLoadDataFileEnabled(bool enabled)
{
    menu.loadDataFile->setEnabled(enabled);
}

void MainWindow::requestClose()
{
    closeRequested_ = true;
    // Closed from the event loop, once the command that asked has ended.
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void MainWindow::showReport(const std::string& title, const std::string& text)
{
    if (!reportWindow) reportWindow = new ReportWindow(this);
    reportWindow->showText(QString::fromStdString(title), QString::fromStdString(text));
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    layOutLists();
}

// The window's components are laid out after its own resize event: the rule
// runs again once the list panel (and the screen beside it) have their new
// size.
bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == listPanel && event->type() == QEvent::Resize) layOutLists();
    return QMainWindow::eventFilter(watched, event);
}

// Both lists get half the screen's height less 3; the block list stays at
// the top of the panel and the string list at its bottom.
void MainWindow::layOutLists()
{
    const int listHeight = (screenWidget->height() - 6) >> 1;
    const int inner = listPanel->frameWidth() + 2;
    blockListBox->setGeometry(inner, inner, blockListBox->width(), listHeight);
    stringListBox->setGeometry(inner, listPanel->height() - inner - listHeight, stringListBox->width(), listHeight);
}

void MainWindow::showTextEditor()
{
    if (textEditorWindow->isVisible()) return;
    textEditorWindow->show();
    textEditorWindow->raise();
    textEditorWindow->activateWindow();
}

void MainWindow::showHexWindow()
{
    if (hexWindow->isVisible()) return;
    hexWindow->show();
    hexWindow->raise();
    hexWindow->activateWindow();
}

void MainWindow::restoreDefaultSize()
{
    resize(width(), defaultSize_.height());
    resize(defaultSize_.width(), height());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Without the text editor window (creation failed) there is no text to save.
    bool mayClose = !textEditorWindow;
    if (!mayClose) run([&] { mayClose = commands_.confirmExit(); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    endSession();
    event->accept();
    emit closed();
}

void MainWindow::endSession()
{
    commands_.endSession();
    screenWidget->releaseBitmap();
    if (hexWindow) {
        hexWindow->releaseGlyphBitmap();
        hexWindow->hide();
    }
    if (textEditorWindow) textEditorWindow->hide();
    if (fitListWindow) fitListWindow->hide();
}

}  // namespace scrivel::app
