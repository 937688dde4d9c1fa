#include "Form1.hpp"

#include "surface/Startup.hpp"
#include "surface/Zoom.hpp"

int main(int argc, char* argv[])
{
    const auto zoom = surface::zoom::fromCommandLine(argc, argv, "paarlab");
    const surface::Startup startup(argc, argv, "paarlab", "org.wellenlabor.paarlab");
    surface::zoom::apply(zoom);
    wavepair::Form1 form;
    form.Form_Load();
    return QApplication::exec();
}
