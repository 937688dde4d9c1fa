#include "Form1.hpp"

#include "desktop/Startup.hpp"

int main(int argc, char* argv[])
{
    return desktop::runProgram<wavepair::Form1>(argc, argv, "paarlab", "org.wellenlabor.paarlab");
}
