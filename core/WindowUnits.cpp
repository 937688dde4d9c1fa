#include "WindowUnits.hpp"

#include <cmath>

namespace core {

core::PixelRect placeInUnits(const core::UserScale& scale, double left, double top, double width, double height,
    int clientWidth, int clientHeight)
{
    const auto x = [&](double units) {
        return static_cast<int>(std::lround(scale.toPixelX(units, clientWidth)));
    };
    const auto y = [&](double units) {
        return static_cast<int>(std::lround(scale.toPixelY(units, clientHeight)));
    };
    const int l = x(left);
    const int t = y(top);
    return {l, t, x(left + width) - l, y(top + height) - t};
}

} // namespace core
