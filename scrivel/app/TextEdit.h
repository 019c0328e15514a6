#pragma once
// TxtForm: the text editor window, holding TDMemo over its whole client
// area. Closing it only hides it.

#include <QWidget>
#include <functional>

#include "ScriptMemo.h"

namespace scrivel::app {

class TTxtForm : public QWidget {
    Q_OBJECT
public:
    explicit TTxtForm(QWidget* parent = nullptr);

    // Run on every change of the editor's text (TDMemoChange) and of the
    // window's size (FormResize).
    void setChangeHandler(std::function<void()> handler) { onChange_ = std::move(handler); }

    ScriptMemo* TDMemo;

private:
    void TDMemoChange();
    void FormResize();

    std::function<void()> onChange_;
};

}  // namespace scrivel::app
