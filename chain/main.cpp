#include "Form1.hpp"

#include "surface/Startup.hpp"

int main(int argc, char* argv[])
{
    const surface::Startup startup(argc, argv, "kettlab", "org.wellenlabor.kettlab");
    chain::Form1 form;
    form.Form_Load();
    return QApplication::exec();
}
