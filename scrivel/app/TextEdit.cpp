#include "TextEdit.h"

#include <QVBoxLayout>

namespace scrivel::app {

TTxtForm::TTxtForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TxtForm"));
    setWindowTitle(QStringLiteral("Text Editor"));
    TDMemo = new ScriptMemo(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(TDMemo);
    move(454, 56);
    resize(294, 266);
    connect(TDMemo, &QPlainTextEdit::textChanged, this, &TTxtForm::TDMemoChange);
    // The editor fills the window, so its size follows the window's; its
    // lines are laid out for the new width by the time this runs.
    connect(TDMemo, &ScriptMemo::resized, this, &TTxtForm::FormResize);
}

void TTxtForm::TDMemoChange()
{
    if (onChange_) onChange_();
}

void TTxtForm::FormResize()
{
    if (onChange_) onChange_();
}

}  // namespace scrivel::app
