#pragma once

#include <QWidget>

#include <memory>

namespace chain {

class Form3;

// The info window on the ball-spring chain (torsion wave guide) and the use
// of the main window. Created once, reused, modeless and without an owner.
class Form2 : public QWidget {
    Q_OBJECT

public:
    Form2();
    ~Form2() override;

    Form3* infoWindow() const { return form3_.get(); }
    // Closes this window and the pendulum chain's window.
    void closeAll();

private:
    void Command1_Click();

    std::unique_ptr<Form3> form3_;
};

} // namespace chain
