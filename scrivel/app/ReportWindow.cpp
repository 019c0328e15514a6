#include "ReportWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace scrivel::app {

ReportWindow::ReportWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ReportWindow"));
    setModal(false);
    textView = new QPlainTextEdit(this);
    textView->setObjectName(QStringLiteral("ReportText"));
    textView->setReadOnly(true);
    textView->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Columns of numbers line up in a fixed-width font.
    textView->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* buttons = new QDialogButtonBox(this);
    copyButton = buttons->addButton(QStringLiteral("&Copy All"), QDialogButtonBox::ActionRole);
    copyButton->setObjectName(QStringLiteral("ReportCopy"));
    closeButton = buttons->addButton(QDialogButtonBox::Close);
    closeButton->setObjectName(QStringLiteral("ReportClose"));
    connect(copyButton, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(textView->toPlainText()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textView);
    layout->addWidget(buttons);
    resize(760, 360);
}

void ReportWindow::showText(const QString& title, const QString& text)
{
    setWindowTitle(title);
    textView->setPlainText(text);
    show();
    raise();
    activateWindow();
}

QString ReportWindow::text() const { return textView->toPlainText(); }

}  // namespace scrivel::app
