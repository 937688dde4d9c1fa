#pragma once

#include <QWidget>

namespace chain {

// The info window on the pendulum chain and how it differs from the
// ball-spring chain. Created once, reused, modeless and without an owner.
class Form3 : public QWidget {
    Q_OBJECT

public:
    Form3();
};

} // namespace chain
