#include "Form1.hpp"

#include "surface/Twips.hpp"

namespace chain {

Form1::Form1()
    : Form1(surface::twips::screenSize())
{
}

Form1::Form1(QSizeF screenTwips)
    : Form1(std::make_unique<KettlabForm>(), screenTwips)
{
}

Form1::Form1(std::unique_ptr<KettlabForm> form, QSizeF screenTwips)
    : surface::ProgramWindow(std::move(form), screenTwips)
    , form_(static_cast<KettlabForm&>(programForm()))
{
}

} // namespace chain
