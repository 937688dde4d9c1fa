#pragma once

#include <QSize>

#include <optional>
#include <string_view>

namespace surface::zoom {

// The screen the layouts were designed for, in pixels at 15 twips each.
constexpr QSize designScreen(1024, 768);
constexpr double largest = 8.0;

// The zoom of this process: everything shown is scaled by it, as if the
// screen had that many times the pixel density. 1 until set at start-up.
double factor();
void setFactor(double z);

// The zoom that fits the design screen into a screen of this size.
double fitting(QSize screenPixels);

// A zoom given as text: a number above 0 and at most `largest`.
std::optional<double> parse(std::string_view text);

// The --zoom option and the WELLENLABOR_ZOOM variable, read before the
// application object exists so that --help needs no display. Prints help
// and exits with 0 for --help, prints the fault and exits with 2 for a bad
// value; returns the zoom asked for, if any (the option wins).
std::optional<double> fromCommandLine(int argc, char* argv[], const char* program);

// Sets the zoom asked for, or the one fitting the primary screen.
void apply(std::optional<double> asked);

} // namespace surface::zoom
