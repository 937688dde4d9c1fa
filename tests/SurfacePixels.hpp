#pragma once

#include "desktop/DrawingSurface.hpp"

// Reading images and a drawing surface's backing image in tests, in image pixels.
namespace surfacePixels {

// Colours the programs paint with.
inline constexpr core::Rgb light = core::RGB(255, 255, 224);
inline constexpr core::Rgb black = core::RGB(0, 0, 0);
inline constexpr core::Rgb pink = core::RGB(255, 128, 128);

inline core::Rgb rgbAt(const QImage& image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    return core::RGB(c.red(), c.green(), c.blue());
}

inline core::Rgb pixelAt(const desktop::DrawingSurface& s, int x, int y)
{
    return rgbAt(s.image(), x, y);
}

inline int countInRow(const desktop::DrawingSurface& s, int row, core::Rgb colour)
{
    int n = 0;
    for (int x = 0; x < s.image().width(); ++x) {
        n += pixelAt(s, x, row) == colour ? 1 : 0;
    }
    return n;
}

inline int countInColumn(const desktop::DrawingSurface& s, int column, core::Rgb colour)
{
    int n = 0;
    for (int y = 0; y < s.image().height(); ++y) {
        n += pixelAt(s, column, y) == colour ? 1 : 0;
    }
    return n;
}

inline int countAll(const desktop::DrawingSurface& s, core::Rgb colour)
{
    int n = 0;
    for (int y = 0; y < s.image().height(); ++y) {
        n += countInRow(s, y, colour);
    }
    return n;
}

inline bool allBackground(const desktop::DrawingSurface& s)
{
    return countAll(s, s.BackColor()) == s.image().width() * s.image().height();
}

} // namespace surfacePixels
