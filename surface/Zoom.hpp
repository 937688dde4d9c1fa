#pragma once

#include "core/ZoomOption.hpp"

#include <QSize>

#include <optional>

namespace surface::zoom {

// The screen the layouts were designed for, in pixels at 15 twips each.
constexpr QSize designScreen(1024, 768);

// The zoom of this process: everything shown is scaled by it, as if the
// screen had that many times the pixel density. 1 until set at start-up.
double factor();
void setFactor(double z);

// The zoom that fits the design screen into a screen of this size.
double fitting(QSize screenPixels);

// Sets the zoom asked for, or the one fitting the primary screen.
void apply(std::optional<double> asked);

} // namespace surface::zoom
