#pragma once
// The progress window: a small fixed window with a bar and a "100%" label,
// created hidden and shown by the GAME Pack build while it works through
// the source lines. It keeps its caption and bar position between uses.

#include <QWidget>

#include "pack/MergerSession.h"

class QLabel;
class QProgressBar;

namespace packwell::app {

class ProgressWindow : public QWidget {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* parent = nullptr);

    QProgressBar* bar() const { return bar_; }
    QLabel* percentLabel() const { return percentLabel_; }

protected:
    // Centres the window on its screen each time it is shown.
    void showEvent(QShowEvent* event) override;

private:
    void setNamesAndCaptions();

    QProgressBar* bar_;
    QLabel* percentLabel_;
};

// The build's view of the progress window. Without a window attached it
// shows nothing.
class ProgressWindowDisplay : public pack::ProgressDisplay {
public:
    void attach(ProgressWindow* window) { window_ = window; }
    ProgressWindow* window() const { return window_; }

    void show() override;
    void setCaption(const std::string& caption) override;
    void setPosition(int percent) override;
    void close() override;

private:
    ProgressWindow* window_ = nullptr;
};

}  // namespace packwell::app
