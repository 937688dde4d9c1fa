#include "WindowPlace.hpp"

#include <algorithm>
#include <array>

namespace core {

namespace {

double overlap(const ScreenRect& a, const ScreenRect& b)
{
    const double w = std::min(a.right(), b.right()) - std::max(a.left, b.left);
    const double h = std::min(a.bottom(), b.bottom()) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

bool inside(const ScreenRect& r, const ScreenRect& area)
{
    return r.left >= area.left && r.top >= area.top && r.right() <= area.right() && r.bottom() <= area.bottom();
}

// Moved into the area as far as it fits.
ScreenRect clamped(ScreenRect r, const ScreenRect& area)
{
    r.left = std::max(area.left, std::min(r.left, area.right() - r.width));
    r.top = std::max(area.top, std::min(r.top, area.bottom() - r.height));
    return r;
}

} // namespace

ScreenRect placeBeside(
    const ScreenRect& main, const ScreenRect& keepClear, double width, double height, const ScreenRect& area)
{
    const std::array<ScreenRect, 4> beside{{
        {main.right(), main.top, width, height},
        {main.left, main.bottom(), width, height},
        {main.left - width, main.top, width, height},
        {main.left, main.top - height, width, height},
    }};
    for (const ScreenRect& r : beside) {
        // Slid along the main window's edge into the area, it must still not cover it.
        const ScreenRect moved = clamped(r, area);
        if (inside(moved, area) && overlap(moved, main) == 0) {
            return moved;
        }
    }
    const std::array<ScreenRect, 4> corners{{
        {area.right() - width, area.bottom() - height, width, height},
        {area.left, area.bottom() - height, width, height},
        {area.right() - width, area.top, width, height},
        {area.left, area.top, width, height},
    }};
    const auto least = std::min_element(corners.begin(), corners.end(), [&](const auto& a, const auto& b) {
        return overlap(clamped(a, area), keepClear) < overlap(clamped(b, area), keepClear);
    });
    return clamped(*least, area);
}

} // namespace core
