#include "ScriptFilesWindow.h"

#include <QDialogButtonBox>
#include <algorithm>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QVBoxLayout>

namespace scrivel::app {

QString reportSummary(const editor::ScriptFilesReport& report)
{
    const size_t created = report.created();
    QString text = created == 1 ? QStringLiteral("1 script file created")
                                : QStringLiteral("%1 script files created").arg(created);
    text += QStringLiteral(", %1 kept (exists) in %2").arg(report.kept()).arg(QString::fromStdString(report.folder));
    if (report.cancelled) text += QStringLiteral(", stopped before the end");
    return text;
}

ScriptFilesWindow::ScriptFilesWindow(const editor::ScriptFilesReport& report, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ScriptFilesReport"));
    setWindowTitle(QStringLiteral("Create All Script Files"));
    setAttribute(Qt::WA_DeleteOnClose);

    summary = new QLabel(reportSummary(report), this);
    summary->setWordWrap(true);
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    lines = new QPlainTextEdit(this);
    lines->setReadOnly(true);
    lines->setLineWrapMode(QPlainTextEdit::NoWrap);
    QStringList all;
    for (const editor::ScriptFileLine& line : report.files) all << QString::fromStdString(editor::reportLine(line));
    lines->setPlainText(all.join(QLatin1Char('\n')));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(lines, 1);
    layout->addWidget(buttons);
    resize(360, 300);
}

ScriptFilesWindow* createAllScriptFiles(QWidget* window, editor::EditorCommands& commands)
{
    QProgressDialog progress(QStringLiteral("Creating the script files..."), QStringLiteral("Stop"), 0,
                             std::max(1, static_cast<int>(commands.state().dataFile.blocks.size())), window);
    progress.setWindowTitle(QStringLiteral("Create All Script Files"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoReset(false);
    const editor::ScriptFilesReport report =
        commands.createAllScriptFiles({}, [&](const editor::ScriptFileLine&, size_t done, size_t) {
            progress.setValue(static_cast<int>(done));
            return !progress.wasCanceled();
        });
    progress.close();
    if (report.files.empty() && !report.error.empty()) return nullptr;
    auto* dialog = new ScriptFilesWindow(report, window);
    dialog->open();
    return dialog;
}

}  // namespace scrivel::app
