#include "Form1.hpp"

#include "desktop/Twips.hpp"

namespace chain {

Form1::Form1()
    : Form1(desktop::twips::screenSize())
{
}

Form1::Form1(QSizeF screenTwips)
    : Form1(std::make_unique<KettlabForm>(), screenTwips)
{
}

Form1::Form1(std::unique_ptr<KettlabForm> form, QSizeF screenTwips)
    : desktop::ProgramWindow(std::move(form), screenTwips)
    , form_(static_cast<KettlabForm&>(programForm()))
{
}

} // namespace chain
