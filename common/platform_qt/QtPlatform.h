#pragma once
// The platform of the desktop programs: Qt's modal file dialogs and message
// boxes, parented to the program's main window and captioned with the
// application's title.

#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/Platform.h"

namespace platform {

class QtPlatform : public Platform {
public:
    explicit QtPlatform(QString applicationTitle) : title_(std::move(applicationTitle)) {}

    // Dialogs and message boxes are modal to this window.
    void setParentWindow(QWidget* window) { parent_ = window; }
    const QString& applicationTitle() const { return title_; }

    void showMessage(const std::string& text) override;
    Answer ask(const std::string& text, const std::string& caption, bool withCancel) override;
    void processEvents() override;

    // "Description | *.a; *.b;" (the stored filter form of the commands)
    // as a Qt name filter "Description (*.a *.b)".
    static QString qtFilter(const std::string& filter);

protected:
    std::optional<std::string> runOpenDialog(const FileDialogRequest& request) override;
    std::optional<std::string> runSaveDialog(const FileDialogRequest& request) override;

private:
    std::optional<std::string> runDialog(const FileDialogRequest& request, bool save);

    QString title_;
    QPointer<QWidget> parent_;
};

}  // namespace platform
