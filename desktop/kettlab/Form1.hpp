#pragma once

#include "chain/KettlabForm.hpp"

#include "desktop/ProgramWindow.hpp"

namespace chain {

// The main window of KETTLAB: the chain on the drawing surface above, the
// control panels below, the info windows opened from it.
class Form1 : public desktop::ProgramWindow {
    Q_OBJECT

public:
    // screenTwips: the screen the window is sized for.
    explicit Form1(QSizeF screenTwips);
    Form1();

    ChainModel& model() { return form_.program().model(); }
    const ChainModel& model() const { return form_.program().model(); }

private:
    Form1(std::unique_ptr<KettlabForm> form, QSizeF screenTwips);

    KettlabForm& form_;
};

} // namespace chain
