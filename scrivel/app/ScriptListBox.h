#pragma once
// The block list and the string list: a single-selection list box whose click event runs on
// every change of its selection made by the user (mouse or arrow keys) and on
// a click on the entry that is already selected. Changes made by the program
// through the ListView operations run no event.

#include <QListWidget>
#include <functional>

#include "editor/EditorView.h"

namespace scrivel::app {

class ScriptListBox : public QListWidget, public editor::ListView {
    Q_OBJECT
public:
    explicit ScriptListBox(QWidget* parent);

    // The list's click event. It runs from the event loop, after the mouse
    // or key event that caused it has been handled.
    void setClickHandler(std::function<void()> handler) { onClick_ = std::move(handler); }

    void clear() override;
    void add(const std::string& entry) override;
    int count() const override;
    void select(int index) override;
    int selected() const override;
    std::string entry(int index) const override;
    void setHint(const std::string& hint) override;
    void focus() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void postClick();

    std::function<void()> onClick_;
    bool programChange_ = false;
    int rowBeforePress_ = -1;
};

}  // namespace scrivel::app
