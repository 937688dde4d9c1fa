#pragma once

namespace wavepair {

class Form1;

// Keyboard operation, screen-reader texts and picture export of PAARLAB's
// main window, laid over its controls (found by their design names):
// F5 Halt/Weiter, F6 one pass while halted, F7 automatic excitation on/off,
// F8 Löschen, Ctrl+C copy and Ctrl+S save the picture; Up, Down and Home on
// the focused hand-excitation field move the left end as a left drag would.
// Call once, after the window's own handlers are connected, so that the
// texts are brought up to date after each handler has run.
void installKeys(Form1& form);

} // namespace wavepair
