#include "Twips.hpp"

#include "Zoom.hpp"

#include <cmath>

namespace core::twips {

double perPixel(double dpi)
{
    return perInch / dpi / zoom::factor();
}

int toPixels(double twips, double twipsPerPixel)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

double fromPixels(double pixels, double twipsPerPixel)
{
    return pixels * twipsPerPixel;
}

PixelRect toPixelRect(double left, double top, double width, double height, double twipsPerPixel)
{
    return {toPixels(left, twipsPerPixel), toPixels(top, twipsPerPixel), toPixels(width, twipsPerPixel),
        toPixels(height, twipsPerPixel)};
}

} // namespace core::twips
