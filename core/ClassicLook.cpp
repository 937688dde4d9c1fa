#include "ClassicLook.hpp"

#include <algorithm>
#include <cmath>

namespace core::classic {

int zoomedPixels(double designPixels, double zoom)
{
    return std::max(1, static_cast<int>(std::lround(designPixels * zoom)));
}

} // namespace core::classic
