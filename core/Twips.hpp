#pragma once

#include "Raster.hpp"

namespace core::twips {

constexpr double perInch = 1440.0;
constexpr double perPoint = perInch / 72;
// The logical resolution of a screen that tells none.
constexpr double standardDpi = 96.0;

// Twips per logical pixel at this resolution: 15 at 96 dpi, divided by the
// zoom, so that the design grows with it.
double perPixel(double dpi);

int toPixels(double twips, double twipsPerPixel);
double fromPixels(double pixels, double twipsPerPixel);

// A rectangle given in twips, in logical pixels, each number rounded on its own.
PixelRect toPixelRect(double left, double top, double width, double height, double twipsPerPixel);

} // namespace core::twips
