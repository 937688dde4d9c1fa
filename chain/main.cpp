#include "Form1.hpp"

#include "surface/Startup.hpp"
#include "surface/Zoom.hpp"

int main(int argc, char* argv[])
{
    const auto zoom = surface::zoom::fromCommandLine(argc, argv, "kettlab");
    const surface::Startup startup(argc, argv, "kettlab", "org.wellenlabor.kettlab");
    surface::zoom::apply(zoom);
    chain::Form1 form;
    form.Form_Load();
    return QApplication::exec();
}
