#include "Form1.hpp"

#include "desktop/Startup.hpp"
#include "desktop/Zoom.hpp"

int main(int argc, char* argv[])
{
    const auto zoom = core::zoom::fromCommandLine(argc, argv, "paarlab");
    const desktop::Startup startup(argc, argv, "paarlab", "org.wellenlabor.paarlab");
    desktop::zoom::apply(zoom);
    wavepair::Form1 form;
    form.Form_Load();
    return QApplication::exec();
}
