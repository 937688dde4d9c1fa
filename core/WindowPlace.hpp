#pragma once

namespace core {

// A rectangle on the screen, in any one unit.
struct ScreenRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

// Where a window of the given size opens next to a main window, inside the
// screen's free area: right of it, below it, left of it or above it, the
// first of these with room, aligned with the main window's edge where it can
// be. Without room anywhere it goes to the corner of the area where it covers
// least of `keepClear`, the main window's picture. Returns its top-left corner.
ScreenRect placeBeside(
    const ScreenRect& main, const ScreenRect& keepClear, double width, double height, const ScreenRect& area);

} // namespace core
