#pragma once

#include "core/Zoom.hpp"
#include "core/ZoomOption.hpp"

#include <QSize>

#include <optional>

namespace desktop::zoom {

// The core's zoom, extended by what needs the screen.
using core::zoom::designHeight;
using core::zoom::designWidth;
using core::zoom::factor;
using core::zoom::fitting;
using core::zoom::fromCommandLine;
using core::zoom::setFactor;

constexpr QSize designScreen(designWidth, designHeight);

// The zoom that fits the design screen into a screen of this size.
double fitting(QSize screenPixels);

// Sets the zoom asked for, or the one fitting the primary screen.
void apply(std::optional<double> asked);

} // namespace desktop::zoom
