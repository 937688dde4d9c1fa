#pragma once

#include "wavepair/PaarlabForm.hpp"

#include "desktop/ProgramWindow.hpp"

namespace wavepair {

// The window of PAARLAB: the display of both waves with its two small
// fields, the control panels below.
class Form1 : public desktop::ProgramWindow {
    Q_OBJECT

public:
    // screenTwips: the screen the window is sized for.
    explicit Form1(QSizeF screenTwips);
    Form1();

    WavePairModel& model() { return form_.program().model(); }
    const WavePairModel& model() const { return form_.program().model(); }
    float markerX() const { return form_.program().markerX(); }

private:
    Form1(std::unique_ptr<PaarlabForm> form, QSizeF screenTwips);

    PaarlabForm& form_;
};

} // namespace wavepair
