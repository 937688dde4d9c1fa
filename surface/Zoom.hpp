#pragma once

#include "core/Zoom.hpp"
#include "core/ZoomOption.hpp"

#include <QSize>

#include <optional>

namespace surface::zoom {

constexpr QSize designScreen(designWidth, designHeight);

// The zoom that fits the design screen into a screen of this size.
double fitting(QSize screenPixels);

// Sets the zoom asked for, or the one fitting the primary screen.
void apply(std::optional<double> asked);

} // namespace surface::zoom
