#pragma once

#include "WavePairProgram.hpp"

#include "core/FormDesign.hpp"

#include <vector>

namespace wavepair {

// PAARLAB's window as designed, and what it does when it loads.
const core::FormDesign& form1Design();

// The window on a screen of this size, in twips.
core::FormLoad form1Load(double screenWidth, double screenHeight);

// What the window shows of the program's state.
core::FormView formView(const WavePairView& view);

// The screen-reader texts that follow what the window shows.
std::vector<core::StateText> stateTexts(const WavePairView& view);

} // namespace wavepair
