#include "Twips.hpp"

#include <QGuiApplication>
#include <QScreen>

namespace desktop::twips {

double perPixel()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr && screen->logicalDotsPerInchX() > 0 ? screen->logicalDotsPerInchX()
                                                                              : core::twips::standardDpi;
    return perPixel(dpi);
}

int toPixels(double twips)
{
    return toPixels(twips, perPixel());
}

double fromPixels(double pixels)
{
    return fromPixels(pixels, perPixel());
}

QRect toPixelRect(double left, double top, double width, double height)
{
    const core::PixelRect r = core::twips::toPixelRect(left, top, width, height, perPixel());
    return {r.left, r.top, r.width, r.height};
}

QSizeF screenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize pixels = screen != nullptr ? screen->geometry().size() : QSize(1024, 768);
    return {fromPixels(pixels.width()), fromPixels(pixels.height())};
}

} // namespace desktop::twips
