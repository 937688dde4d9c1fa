#pragma once

#include <QKeySequence>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QShortcut;

namespace desktop {

class DrawingSurface;

// Keyboard and screen-reader services both main windows install on top of
// their controls, without changing how the controls look or act.

// True while the focus is in a control that takes typed text; the program's
// own keys keep out of its way then.
bool typingIntoText(const QWidget* focus);

// A key for the whole window that runs action, except while the user types
// into a text-taking control.
QShortcut* addWindowKey(QWidget* window, const QKeySequence& key, std::function<void()> action);

// Makes the controls named in the chain Tab stops in this order and draws a
// frame around whichever of them has the focus, whatever the style shows by itself.
void setTabChain(QWidget* window, const std::vector<const char*>& names);

// Up and Down move the driven end of the chain by one step, Home puts it
// back to 0, while the surface has the focus. Each key acts as a drag with
// the left button to the new height: it sends the surface's mouseMove with
// button 1, so the window's own mouse handler does the rest. height reads the
// end's present height in the surface's units; new heights stay on the
// surface and on the grid of steps.
void addHandKeys(DrawingSurface* surface, std::function<double()> height, double step);

// The keys both main windows share (the core's key map): buttons are
// pressed by their design names, F6 makes a single step, Ctrl+C copies and
// Ctrl+S saves the picture, Up, Down and Home move the driven end on the hand
// field, F9 opens or closes the chart recorder. Also makes the window's Tab chain. After every button click the
// screen-reader texts are brought up to date, so install the keys after the
// window's own handlers.
struct ProgramKeys {
    QString program; // names the saved pictures
    std::vector<const char*> tabChain;
    DrawingSurface* picture = nullptr;
    DrawingSurface* handField = nullptr;
    std::function<double()> handHeight;
    double handStep = 0.1;
    std::function<void()> singleStep;
    std::function<void()> switchRecorder;
    std::function<void()> refreshTexts;
};
void addProgramKeys(QWidget* window, const ProgramKeys& keys);

// A control of the window by its design name.
template <typename Control = QWidget> Control* designControl(const QWidget& window, const char* name)
{
    return window.findChild<Control*>(QString::fromLatin1(name));
}

} // namespace desktop
