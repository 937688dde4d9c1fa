#pragma once

#include "ChainProgram.hpp"

#include "core/FormDesign.hpp"

#include <optional>
#include <string>
#include <vector>

namespace chain {

// KETTLAB's windows as designed: the main window, the info window and the
// pendulum chain's info window, and what the main window does when it loads.
const core::FormDesign& form1Design();
const core::FormDesign& form2Design();
const core::FormDesign& form3Design();

// The main window on a screen of this size, in twips.
core::FormLoad form1Load(double screenWidth, double screenHeight);

// What the main window shows of the program's state.
core::FormView formView(const ChainView& view);
// The clock's box, shown after every pass; nothing until the clock has run.
std::optional<std::string> clockText(const ChainView& view);

// The screen-reader texts that follow what the main window shows.
std::vector<core::StateText> stateTexts(const ChainView& view);

} // namespace chain
