#include "Form1.hpp"

#include "surface/Startup.hpp"

int main(int argc, char* argv[])
{
    const surface::Startup startup(argc, argv, "paarlab", "org.wellenlabor.paarlab");
    wavepair::Form1 form;
    form.Form_Load();
    return QApplication::exec();
}
