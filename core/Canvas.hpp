#pragma once

#include "Rgb.hpp"

namespace core {

// The drawing seam between a program's display code and a drawing surface.
// Coordinates are in the surface's user units and arrive as 32-bit floats;
// widths are in pixels. Drawing is immediate: what is painted stays until it
// is painted over, so a dot or line is erased by drawing it again in the
// background colour.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void setDrawWidth(int pixels) = 0;
    virtual int DrawWidth() const = 0;

    // A round dot of diameter DrawWidth centred on (x, y).
    virtual void PSet(float x, float y, Rgb colour) = 0;
    // A straight line in the foreground colour, or in the given colour.
    virtual void Line(float x1, float y1, float x2, float y2) = 0;
    virtual void Line(float x1, float y1, float x2, float y2, Rgb colour) = 0;
    // The outline of the axis-parallel rectangle with these corners.
    virtual void LineBox(float x1, float y1, float x2, float y2, Rgb colour) = 0;
    // Clears everything to the background colour.
    virtual void Cls() = 0;

    virtual Rgb BackColor() const = 0;
    virtual Rgb ForeColor() const = 0;
};

} // namespace core
