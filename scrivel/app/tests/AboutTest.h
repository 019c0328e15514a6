#pragma once
#include <QObject>

namespace scrivel::app::testing {

class AboutTest : public QObject {
    Q_OBJECT
private slots:
    void aboutShowsNameAndVersion();
};

}  // namespace scrivel::app::testing
