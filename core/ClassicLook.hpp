#pragma once

#include "Rgb.hpp"

namespace core::classic {

// The classic controls' drawing, in design pixels, scaled by the zoom to
// whole pixels of at least one.
int zoomedPixels(double designPixels, double zoom);

// A button's border: two rings of this width, lit at the top and left and
// shaded at the bottom and right (swapped while pressed).
constexpr double borderLine = 1;
constexpr int borderRings = 2;

// A framed group box: an etched frame of a dark and a light line, its top
// line through the middle of the caption, broken for it with some padding.
constexpr double frameLine = 1;
constexpr double captionIndent = 6;
constexpr double captionPadding = 2;
constexpr core::Rgb etchShadow{128, 128, 128};
constexpr core::Rgb etchLight{255, 255, 255};

// The captions' face, the classic "MS Sans Serif", then its stand-ins.
inline constexpr const char* fontFamilies[] = {"MS Sans Serif", "Liberation Sans", "Arial", "Helvetica", "DejaVu Sans"};

// An info window's text that needs more lines than its labels have: all its
// labels shrink by this step together, down to the smallest share of the size.
constexpr double fitStep = 0.95;
constexpr double fitSmallest = 0.7;

} // namespace core::classic
