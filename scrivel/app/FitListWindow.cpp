#include "FitListWindow.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "EditorFonts.h"

namespace scrivel::app {

FitListWindow::FitListWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("CheckFitForm"));
    setWindowTitle(QStringLiteral("Check Fit"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(4);

    summary = new QLabel(this);
    summary->setObjectName(QStringLiteral("FitSummary"));
    summary->setWordWrap(true);
    column->addWidget(summary);

    list = new QListWidget(this);
    list->setObjectName(QStringLiteral("FitList"));
    list->setFont(courierFont(12));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    column->addWidget(list, 1);
    connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { choose(list->row(item)); });
    connect(list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { choose(list->row(item)); });
    // Below the main window and the hex window, as wide as both.
    move(5, 490);
    resize(743, 230);
}

void FitListWindow::showProblems(std::vector<script::FitProblem> problems, const std::vector<std::string>& notes)
{
    problems_ = std::move(problems);
    list->clear();
    for (const script::FitProblem& problem : problems_)
        list->addItem(QString::fromStdString(script::problemText(problem)));

    QString text = problems_.empty() ? QStringLiteral("Every translated line fits.")
                   : problems_.size() == 1 ? QStringLiteral("1 problem.")
                                           : QStringLiteral("%1 problems.").arg(problems_.size());
    for (const std::string& note : notes) text += QLatin1Char('\n') + QString::fromStdString(note);
    summary->setText(text);
}

void FitListWindow::choose(int row)
{
    if (row < 0 || static_cast<size_t>(row) >= problems_.size() || !onChoose_) return;
    onChoose_(problems_[static_cast<size_t>(row)]);
}

}  // namespace scrivel::app
