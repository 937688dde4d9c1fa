#include "Twips.hpp"

#include "Zoom.hpp"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace surface::twips {

double perPixel()
{
    constexpr double standardDpi = 96.0;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi
        = screen != nullptr && screen->logicalDotsPerInchX() > 0 ? screen->logicalDotsPerInchX() : standardDpi;
    return perInch / dpi / zoom::factor();
}

int toPixels(double twips)
{
    return static_cast<int>(std::lround(twips / perPixel()));
}

double fromPixels(double pixels)
{
    return pixels * perPixel();
}

QRect toPixelRect(double left, double top, double width, double height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

QSizeF screenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize pixels = screen != nullptr ? screen->geometry().size() : QSize(1024, 768);
    return {fromPixels(pixels.width()), fromPixels(pixels.height())};
}

} // namespace surface::twips
