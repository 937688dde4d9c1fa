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

} // namespace core::twips
