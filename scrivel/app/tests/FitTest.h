#pragma once
#include <QObject>

namespace scrivel::app::testing {

class FitTest : public QObject {
    Q_OBJECT
private slots:
    void checkFitListGoesToTheProblem();
    void rewrapSectionIsOneUndoableEdit();
};

}  // namespace scrivel::app::testing
