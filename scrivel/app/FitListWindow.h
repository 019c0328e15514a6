#pragma once
// The Check Fit window: the fit check's problems over the whole script, one
// entry each, worded as the command-line twin prints them. Choosing an entry
// hands its problem to the main window, which goes to it.

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "script/FitCheck.h"

class QLabel;
class QListWidget;

namespace scrivel::app {

class FitListWindow : public QWidget {
    Q_OBJECT
public:
    explicit FitListWindow(QWidget* parent = nullptr);

    // Fills the list; notes (files that could not be read) go in the summary.
    void showProblems(std::vector<script::FitProblem> problems, const std::vector<std::string>& notes);
    void setChooseHandler(std::function<void(const script::FitProblem&)> handler) { onChoose_ = std::move(handler); }

    QListWidget* list = nullptr;
    QLabel* summary = nullptr;

private:
    void choose(int row);

    std::vector<script::FitProblem> problems_;
    std::function<void(const script::FitProblem&)> onChoose_;
};

}  // namespace scrivel::app
