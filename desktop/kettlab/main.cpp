#include "Form1.hpp"

#include "desktop/Startup.hpp"

int main(int argc, char* argv[])
{
    return desktop::runProgram<chain::Form1>(argc, argv, "kettlab", "org.wellenlabor.kettlab");
}
