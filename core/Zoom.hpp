#pragma once

namespace core::zoom {

// The screen the layouts were designed for, in pixels at 15 twips each.
constexpr int designWidth = 1024;
constexpr int designHeight = 768;

// The zoom of this process: everything shown is scaled by it, as if the
// screen had that many times the pixel density. 1 until set at start-up.
double factor();
void setFactor(double z);

// The zoom that fits the design screen into a screen of this many pixels.
double fitting(int width, int height);

} // namespace core::zoom
