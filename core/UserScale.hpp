#pragma once

namespace core {

// A user coordinate system over a rectangle of pixels: x runs from `left` at
// the left edge to left + width, y from `top` at the top edge to top + height
// (a positive height makes y grow downward).
struct UserScale {
    double left = 0;
    double top = 0;
    double width = 1;
    double height = 1;

    double toPixelX(double x, double pixelWidth) const { return (x - left) * pixelWidth / width; }
    double toPixelY(double y, double pixelHeight) const { return (y - top) * pixelHeight / height; }
    double lengthToPixelsX(double w, double pixelWidth) const { return w * pixelWidth / width; }
    double lengthToPixelsY(double h, double pixelHeight) const { return h * pixelHeight / height; }
    double fromPixelX(double px, double pixelWidth) const { return left + px * width / pixelWidth; }
    double fromPixelY(double py, double pixelHeight) const { return top + py * height / pixelHeight; }
};

} // namespace core
