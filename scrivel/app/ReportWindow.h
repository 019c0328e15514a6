#pragma once
// A window that shows a command's report as plain text the user can read,
// select and copy (Build Translated ROM... shows what went where in it).
// It is not modal: the user can keep it open while going on with the work.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace scrivel::app {

class ReportWindow : public QDialog {
    Q_OBJECT
public:
    explicit ReportWindow(QWidget* parent);

    // Replaces the text and the caption, then shows the window in front.
    void showText(const QString& title, const QString& text);
    QString text() const;

    QPlainTextEdit* textView = nullptr;
    QPushButton* copyButton = nullptr;
    QPushButton* closeButton = nullptr;
};

}  // namespace scrivel::app
