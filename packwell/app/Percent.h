#pragma once
// The progress window: a small fixed window with a bar and a "100%" label,
// created hidden and shown by the GAME Pack build while it works through
// the source lines. It keeps its caption and bar position between uses.

#include <QWidget>

#include "pack/MergerSession.h"

class QLabel;
class QProgressBar;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    QProgressBar* pBar() const { return pBar_; }
    QLabel* StaticText1() const { return staticText1_; }

protected:
    // Centres the window on its screen each time it is shown.
    void showEvent(QShowEvent* event) override;

private:
    QProgressBar* pBar_;
    QLabel* staticText1_;
};

// The build's view of Form2. Without a form attached it does nothing.
class PercentProgress : public pack::ProgressWindow {
public:
    void attach(TForm2* form) { form_ = form; }
    TForm2* form() const { return form_; }

    void show() override;
    void setCaption(const std::string& caption) override;
    void setPosition(int percent) override;
    void close() override;

private:
    TForm2* form_ = nullptr;
};
