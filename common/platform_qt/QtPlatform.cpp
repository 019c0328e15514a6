#include "QtPlatform.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace platform {

void QtPlatform::showMessage(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, title_, QString::fromStdString(text), QMessageBox::Ok, parent_);
    box.exec();
}

Answer QtPlatform::ask(const std::string& text, const std::string& caption, bool withCancel)
{
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel) buttons |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption), QString::fromStdString(text), buttons,
                    parent_);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return withCancel ? Answer::Cancel : Answer::No;
    }
}

void QtPlatform::processEvents()
{
    QApplication::processEvents();
}

QString QtPlatform::qtFilter(const std::string& filter)
{
    QString f = QString::fromStdString(filter);
    if (f.trimmed().isEmpty()) return QString();
    QStringList parts = f.split('|');
    QString description = parts.value(0).trimmed();
    QString patterns = parts.size() > 1 ? parts.value(1) : QStringLiteral("*");
    QStringList list;
    for (const QString& p : patterns.split(';', Qt::SkipEmptyParts)) {
        QString t = p.trimmed();
        if (!t.isEmpty()) list << t;
    }
    return QStringLiteral("%1 (%2)").arg(description, list.join(' '));
}

std::optional<std::string> QtPlatform::runOpenDialog(const FileDialogRequest& request)
{
    return runDialog(request, false);
}

std::optional<std::string> QtPlatform::runSaveDialog(const FileDialogRequest& request)
{
    return runDialog(request, true);
}

std::optional<std::string> QtPlatform::runDialog(const FileDialogRequest& request, bool save)
{
    QFileDialog dialog(parent_, QString::fromStdString(request.title), QString::fromStdString(request.initialFolder));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QString filter = qtFilter(request.filter);
    if (!filter.isEmpty()) dialog.setNameFilter(filter);
    if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    return files.first().toStdString();
}

}  // namespace platform
