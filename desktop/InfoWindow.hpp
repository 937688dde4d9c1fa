#pragma once

#include "core/FormDesign.hpp"

class QWidget;

namespace desktop {

// Builds an info window from its design: its word-wrapped labels at their
// places and the window where it first appears, kept on the screen. An info
// window left open does not keep the program alive.
void buildInfoWindow(QWidget* window, const core::FormDesign& design);

} // namespace desktop
