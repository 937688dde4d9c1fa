#pragma once

#include <QKeySequence>
#include <QString>

#include <functional>
#include <vector>

class QShortcut;
class QWidget;

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

// The German name and description a screen reader announces.
void describe(QWidget* control, const QString& name, const QString& description);

// "Dämpfung: an" or "Dämpfung: aus".
QString stateText(const QString& setting, bool on);

} // namespace surface
