#pragma once

#include "surface/DrawingSurface.hpp"

// Reading images and a drawing surface's backing image in tests, in image pixels.
namespace surfacePixels {

// Colours the programs paint with.
inline constexpr surface::Rgb light = surface::RGB(255, 255, 224);
inline constexpr surface::Rgb black = surface::RGB(0, 0, 0);
inline constexpr surface::Rgb pink = surface::RGB(255, 128, 128);

inline surface::Rgb rgbAt(const QImage& image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    return surface::RGB(c.red(), c.green(), c.blue());
}

inline surface::Rgb pixelAt(const surface::DrawingSurface& s, int x, int y)
{
    return rgbAt(s.image(), x, y);
}

inline int countInRow(const surface::DrawingSurface& s, int row, surface::Rgb colour)
{
    int n = 0;
    for (int x = 0; x < s.image().width(); ++x) {
        n += pixelAt(s, x, row) == colour ? 1 : 0;
    }
    return n;
}

inline int countInColumn(const surface::DrawingSurface& s, int column, surface::Rgb colour)
{
    int n = 0;
    for (int y = 0; y < s.image().height(); ++y) {
        n += pixelAt(s, column, y) == colour ? 1 : 0;
    }
    return n;
}

inline int countAll(const surface::DrawingSurface& s, surface::Rgb colour)
{
    int n = 0;
    for (int y = 0; y < s.image().height(); ++y) {
        n += countInRow(s, y, colour);
    }
    return n;
}

inline bool allBackground(const surface::DrawingSurface& s)
{
    return countAll(s, s.BackColor()) == s.image().width() * s.image().height();
}

} // namespace surfacePixels
