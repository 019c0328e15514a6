#include "TextEditorWindow.h"

#include <QVBoxLayout>

namespace scrivel::app {

TextEditorWindow::TextEditorWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    scriptEdit = new ScriptTextEdit(this);

    // Object names and captions: the window tests find the widgets by these
    // names, and users know the captions; keep both exactly as they are.
    setObjectName(QStringLiteral("TxtForm"));
    setWindowTitle(QStringLiteral("Text Editor"));
    scriptEdit->setObjectName(QStringLiteral("TDMemo"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scriptEdit);
    move(454, 56);
    resize(294, 266);
    connect(scriptEdit, &QPlainTextEdit::textChanged, this, &TextEditorWindow::changed);
    // The editor fills the window, so its size follows the window's; its
    // lines are laid out for the new width by the time this runs.
    connect(scriptEdit, &ScriptTextEdit::resized, this, &TextEditorWindow::changed);
}

void TextEditorWindow::changed()
{
    if (onChange_) onChange_();
}

}  // namespace scrivel::app
