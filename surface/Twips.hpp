#pragma once

#include <QRect>
#include <QSizeF>

namespace surface::twips {

constexpr double perInch = 1440.0;

// Twips per logical pixel on the primary screen: 15 at 96 dpi, divided by
// the zoom, so that the design grows with it.
double perPixel();

int toPixels(double twips);
double fromPixels(double pixels);

// A rectangle given in twips, in logical pixels.
QRect toPixelRect(double left, double top, double width, double height);

// The primary screen's size in twips: at a zoom above 1 a smaller screen
// than the real one, as the design sees it.
QSizeF screenSize();

} // namespace surface::twips
