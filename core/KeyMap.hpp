#pragma once

#include <span>

namespace core {

// The keys both main windows share. F5 to F8 and the picture keys act on the
// whole window, except while the user types into a text; the hand keys act
// while the hand field has the focus.
enum class Key { f5, f6, f7, f8, f9, ctrlC, ctrlS, up, down, home };

enum class KeyAction {
    click,      // presses the named button
    singleStep, // one pass while halted
    recorder,   // opens or closes the chart recorder
    copyPicture,
    savePicture,
    handUp, // the driven end a step up, down, or back to 0
    handDown,
    handHome,
};

struct KeyBinding {
    Key key;
    KeyAction action;
    const char* button = nullptr; // for click: the button's design name
};

inline constexpr KeyBinding programKeys[] = {
    {Key::f5, KeyAction::click, "Command11"}, // Halt / Weiter
    {Key::f6, KeyAction::singleStep},
    {Key::f7, KeyAction::click, "Command7"}, // the excitation
    {Key::f8, KeyAction::click, "Command5"}, // Löschen
    {Key::f9, KeyAction::recorder},
    {Key::ctrlC, KeyAction::copyPicture},
    {Key::ctrlS, KeyAction::savePicture},
    {Key::up, KeyAction::handUp},
    {Key::down, KeyAction::handDown},
    {Key::home, KeyAction::handHome},
};

inline bool isHandKey(KeyAction action)
{
    return action == KeyAction::handUp || action == KeyAction::handDown || action == KeyAction::handHome;
}

// Where a hand key puts the driven end: on the grid of steps nearest its
// present height, one step up (y grows downward) or down, or at 0; never
// beyond the field's top and bottom edges, given in its user units.
double handKeyHeight(KeyAction action, double present, double step, double top, double bottom);

} // namespace core
