#include "Picture.hpp"

#include "Zoom.hpp"

#include <algorithm>
#include <cmath>

namespace core {

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

void Picture::Polyline(std::span<const std::pair<float, float>> points, Rgb colour)
{
    if (points.empty()) {
        return;
    }
    aboutToDraw();
    const std::uint32_t value = pixelValue(colour);
    const int half = devicePen_ / 2;
    const auto fillColumn = [&](long long column, double low, double high) {
        if (!Raster::drawable(0, low) || !Raster::drawable(0, high)) {
            return;
        }
        const auto top = static_cast<int>(std::floor(low));
        raster_.fillRect({static_cast<int>(column) - half, top - half, devicePen_,
                             static_cast<int>(std::floor(high)) - top + devicePen_},
            value);
    };
    // Only the raster's columns and the pen's width beside them are filled.
    const long long firstColumn = -devicePen_;
    const long long lastColumn = raster_.width() + devicePen_;
    double x = toPixelX(points[0].first) * ratio_;
    double y = toPixelY(points[0].second) * ratio_;
    auto column = static_cast<long long>(std::floor(std::clamp(x, -1e9, 1e9)));
    double low = y;
    double high = y;
    for (const auto& [userX, userY] : points.subspan(1)) {
        const double nextX = toPixelX(userX) * ratio_;
        const double nextY = toPixelY(userY) * ratio_;
        const auto nextColumn = static_cast<long long>(std::floor(std::clamp(nextX, -1e9, 1e9)));
        // Where the segment leaves each column it crosses, the next begins.
        for (long long c = std::max(column, firstColumn - 1); c < std::min(nextColumn, lastColumn + 1); ++c) {
            const double atEdge = y + (nextY - y) * (static_cast<double>(c + 1) - x) / (nextX - x);
            if (c >= firstColumn) {
                fillColumn(c, std::min(low, atEdge), std::max(high, atEdge));
            }
            low = atEdge;
            high = atEdge;
        }
        column = nextColumn;
        low = std::min(low, nextY);
        high = std::max(high, nextY);
        x = nextX;
        y = nextY;
    }
    if (column >= firstColumn && column <= lastColumn) {
        fillColumn(column, low, high);
    }
    drew();
}

void Picture::Cls()
{
    aboutToDraw();
    raster_.fill(pixelValue(back_));
    drew();
}

} // namespace core
