#pragma once

#include "core/Twips.hpp"

#include <QRect>
#include <QSizeF>

namespace desktop::twips {

// The core's twips arithmetic, extended by what needs the screen.
using core::twips::fromPixels;
using core::twips::perPixel;
using core::twips::toPixels;

// Twips per logical pixel on the primary screen.
double perPixel();

int toPixels(double twips);
double fromPixels(double pixels);

// A rectangle given in twips, in logical pixels.
QRect toPixelRect(double left, double top, double width, double height);

// The primary screen's size in twips: at a zoom above 1 a smaller screen
// than the real one, as the design sees it.
QSizeF screenSize();

} // namespace desktop::twips
