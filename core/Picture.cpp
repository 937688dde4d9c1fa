#include "Picture.hpp"

#include "Zoom.hpp"

#include <algorithm>
#include <cmath>

namespace surface {

bool Picture::setSize(int logicalWidth, int logicalHeight, double ratio)
{
    const int deviceWidth = static_cast<int>(std::lround(logicalWidth * ratio));
    const int deviceHeight = static_cast<int>(std::lround(logicalHeight * ratio));
    width_ = logicalWidth;
    height_ = logicalHeight;
    if (raster_.width() == deviceWidth && raster_.height() == deviceHeight && ratio_ == ratio && hasPixels()) {
        return false;
    }
    const bool hadPicture = hasPixels();
    ratio_ = ratio;
    raster_ = Raster(std::max(0, deviceWidth), std::max(0, deviceHeight), pixelValue(back_));
    updateDevicePen();
    return hadPicture;
}

void Picture::setBackColor(Rgb colour)
{
    back_ = colour;
    Cls();
}

void Picture::setDrawWidth(int pixels)
{
    drawWidth_ = std::max(1, pixels);
    updateDevicePen();
}

void Picture::updateDevicePen()
{
    devicePen_ = std::max(1, static_cast<int>(std::lround(drawWidth_ * zoom::factor() * ratio_)));
}

void Picture::PSet(float x, float y, Rgb colour)
{
    aboutToDraw();
    raster_.dot(toPixelX(x) * ratio_, toPixelY(y) * ratio_, devicePen_, pixelValue(colour));
    drew();
}

void Picture::Line(float x1, float y1, float x2, float y2)
{
    stroke(x1, y1, x2, y2, fore_, false);
}

void Picture::Line(float x1, float y1, float x2, float y2, Rgb colour)
{
    stroke(x1, y1, x2, y2, colour, false);
}

void Picture::LineBox(float x1, float y1, float x2, float y2, Rgb colour)
{
    stroke(x1, y1, x2, y2, colour, true);
}

void Picture::stroke(float x1, float y1, float x2, float y2, Rgb colour, bool box)
{
    aboutToDraw();
    const double fromX = toPixelX(x1) * ratio_;
    const double fromY = toPixelY(y1) * ratio_;
    const double toX = toPixelX(x2) * ratio_;
    const double toY = toPixelY(y2) * ratio_;
    if (!Raster::drawable(fromX, fromY) || !Raster::drawable(toX, toY)) {
        return;
    }
    if (box) {
        raster_.box(fromX, fromY, toX, toY, devicePen_, pixelValue(colour));
    } else {
        raster_.line(fromX, fromY, toX, toY, devicePen_, pixelValue(colour));
    }
    drew();
}

void Picture::Cls()
{
    aboutToDraw();
    raster_.fill(pixelValue(back_));
    drew();
}

} // namespace surface
