#pragma once

#include "Raster.hpp"
#include "UserScale.hpp"

namespace core {

// A control placed in a form's window units (a user scale over its client
// area of this many pixels): the pixels it covers, its edges rounded each on
// its own, so neighbours placed edge to edge neither overlap nor leave a gap.
core::PixelRect placeInUnits(const core::UserScale& scale, double left, double top, double width, double height,
    int clientWidth, int clientHeight);

} // namespace core
