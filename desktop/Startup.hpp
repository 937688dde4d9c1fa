#pragma once

#include "Zoom.hpp"

#include <QApplication>
#include <QtGlobal>

namespace desktop {

// Loads the toolkit's own German texts (context menus, dialog buttons) into
// the running application; false when they are not installed.
bool installToolkitGerman();

// What both programs do before their main window: the toolkit started on the
// display, in the classic style, speaking German, and named for the desktop.
// Without a display to show on, the program ends with a plain message on
// stderr and exit status 1.
class Startup {
public:
    Startup(int& argc, char** argv, const char* program, const char* desktopId);
    ~Startup();

    Startup(const Startup&) = delete;
    Startup& operator=(const Startup&) = delete;

private:
    QtMessageHandler toolkitHandler_;
    QApplication app_;
};

// A program's whole run: the zoom from the command line or the environment,
// the start-up, the main window loaded, the event loop.
template <typename Window> int runProgram(int argc, char* argv[], const char* program, const char* desktopId)
{
    const auto zoom = core::zoom::fromCommandLine(argc, argv, program);
    const Startup startup(argc, argv, program, desktopId);
    zoom::apply(zoom);
    Window window;
    window.Form_Load();
    return QApplication::exec();
}

} // namespace desktop
