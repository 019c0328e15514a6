#pragma once
// The text editor window, holding the script editor over its whole client
// area. Closing it only hides it.

#include <QWidget>
#include <functional>

#include "ScriptTextEdit.h"

namespace scrivel::app {

class TextEditorWindow : public QWidget {
    Q_OBJECT
public:
    explicit TextEditorWindow(QWidget* parent = nullptr);

    // Run on every change of the editor's text and of the window's size.
    void setChangeHandler(std::function<void()> handler) { onChange_ = std::move(handler); }

    ScriptTextEdit* scriptEdit;

private:
    void changed();

    std::function<void()> onChange_;
};

}  // namespace scrivel::app
