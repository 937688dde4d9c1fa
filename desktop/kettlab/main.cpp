#include "Form1.hpp"

#include "desktop/Startup.hpp"
#include "desktop/Zoom.hpp"

int main(int argc, char* argv[])
{
    const auto zoom = core::zoom::fromCommandLine(argc, argv, "kettlab");
    const desktop::Startup startup(argc, argv, "kettlab", "org.wellenlabor.kettlab");
    desktop::zoom::apply(zoom);
    chain::Form1 form;
    form.Form_Load();
    return QApplication::exec();
}
