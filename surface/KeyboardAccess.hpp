#pragma once

#include <QKeySequence>
#include <QString>
#include <QWidget>

#include <functional>
#include <span>
#include <vector>

class QShortcut;

namespace surface {

class DrawingSurface;

// Keyboard and screen-reader services both main windows install on top of
// their controls, without changing how the controls look or act.

// True while the focus is in a control that takes typed text; the program's
// own keys keep out of its way then.
bool typingIntoText(const QWidget* focus);

// A key for the whole window that runs action, except while the user types
// into a text-taking control.
QShortcut* addWindowKey(QWidget* window, const QKeySequence& key, std::function<void()> action);

// Makes the controls Tab stops in this order and draws a frame around
// whichever of them has the focus, whatever the style shows by itself.
void setTabChain(QWidget* window, const std::vector<QWidget*>& chain);

// Up and Down move the driven end of the chain by one step, Home puts it
// back to 0, while the surface has the focus. Each key acts as a drag with
// the left button to the new height: it sends the surface's mouseMove with
// button 1, so the window's own mouse handler does the rest. height reads the
// end's present height in the surface's units; new heights stay on the
// surface and on the grid of steps.
void addHandKeys(DrawingSurface* surface, std::function<double()> height, double step);

// The keys both main windows share, bound to their controls' design names:
// F5 clicks "Command11" (Halt/Weiter), F6 makes a single step, F7 clicks
// "Command7" (the excitation), F8 clicks "Command5" (Löschen); Ctrl+C copies
// and Ctrl+S saves the picture; Up, Down and Home move the driven end on the
// hand field. After every button click the screen-reader texts are brought
// up to date, so install the keys after the window's own handlers.
struct ProgramKeys {
    QString program; // names the saved pictures
    DrawingSurface* picture = nullptr;
    DrawingSurface* handField = nullptr;
    std::function<double()> handHeight;
    double handStep = 0.1;
    std::function<void()> singleStep;
    std::function<void()> refreshTexts;
};
void addProgramKeys(QWidget* window, const ProgramKeys& keys);

// A control of the window by its design name.
template <typename Control = QWidget> Control* designControl(const QWidget& window, const char* name)
{
    return window.findChild<Control*>(QString::fromLatin1(name));
}

// What a screen reader announces of a control found by its design name; an
// empty name keeps the one the control has or gets from its state.
struct ControlText {
    const char* control;
    const char* name;
    const char* description;
};
void describeControls(const QWidget& window, std::span<const ControlText> texts);

// The German name and description a screen reader announces.
void describe(QWidget* control, const QString& name, const QString& description);

// "Dämpfung: an" or "Dämpfung: aus".
QString stateText(const QString& setting, bool on);

} // namespace surface
