#pragma once
#include <QObject>

namespace scrivel::app::testing {

class StartStateTest : public QObject {
    Q_OBJECT
private slots:
    void windowsCaptionsAndPlaces();
    void menuItems_data();
    void menuItems();
    void menuOrder();
};

}  // namespace scrivel::app::testing
