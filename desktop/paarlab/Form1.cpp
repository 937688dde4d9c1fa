#include "Form1.hpp"

#include "desktop/Twips.hpp"

namespace wavepair {

Form1::Form1()
    : Form1(desktop::twips::screenSize())
{
}

Form1::Form1(QSizeF screenTwips)
    : Form1(std::make_unique<PaarlabForm>(), screenTwips)
{
}

Form1::Form1(std::unique_ptr<PaarlabForm> form, QSizeF screenTwips)
    : desktop::ProgramWindow(std::move(form), screenTwips)
    , form_(static_cast<PaarlabForm&>(programForm()))
{
}

} // namespace wavepair
