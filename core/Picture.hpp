#pragma once

#include "Canvas.hpp"
#include "Raster.hpp"
#include "UserScale.hpp"

#include <cstdint>
#include <span>
#include <utility>

namespace core {

// A picture box's drawing without a window: the Canvas over a Raster at
// device resolution, in the box's user scale. Pen widths are design pixels,
// scaled by the zoom and the device pixel ratio to whole device pixels, so a
// dot or line drawn again in the background colour covers exactly the same
// pixels at every zoom. A front end sizes it to its widget, shows the
// raster's pixels and repaints what the raster reports as changed; it hears
// of each drawing through the two hooks.
class Picture : public Canvas {
public:
    Picture() = default;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    ~Picture() override = default;

    // Logical pixels and the device pixels per logical pixel. A new size or
    // ratio starts a blank picture; true when a picture was thrown away.
    bool setSize(int logicalWidth, int logicalHeight, double ratio);
    int logicalWidth() const { return width_; }
    int logicalHeight() const { return height_; }
    double ratio() const { return ratio_; }
    bool hasPixels() const { return raster_.width() > 0 && raster_.height() > 0; }

    void setScale(const UserScale& scale) { scale_ = scale; }
    const UserScale& scale() const { return scale_; }
    // Logical pixel position of a point in user units, and back.
    double toPixelX(double x) const { return scale_.toPixelX(x, width_); }
    double toPixelY(double y) const { return scale_.toPixelY(y, height_); }
    double toUserX(double px) const { return scale_.fromPixelX(px, width_); }
    double toUserY(double py) const { return scale_.fromPixelY(py, height_); }

    void setBackColor(Rgb colour);
    Rgb BackColor() const override { return back_; }
    Rgb ForeColor() const override { return fore_; }

    void setDrawWidth(int pixels) override;
    int DrawWidth() const override { return drawWidth_; }

    void PSet(float x, float y, Rgb colour) override;
    void Line(float x1, float y1, float x2, float y2) override;
    void Line(float x1, float y1, float x2, float y2, Rgb colour) override;
    void LineBox(float x1, float y1, float x2, float y2, Rgb colour) override;
    void Cls() override;
    // A line through points of growing x, filled column by column: each
    // device pixel column gets the span the line covers there, widened by
    // the pen. Not Qt's stroke, so nothing drawn by Qt before can be erased
    // with it; for plots of many short segments it costs a fraction.
    void Polyline(std::span<const std::pair<float, float>> points, Rgb colour);

    // The pixels, the held dot not yet among them; drawHeldDot completes them.
    Raster& raster() { return raster_; }
    const Raster& raster() const { return raster_; }

    static std::uint32_t pixelValue(Rgb c) { return 0xff000000U | (c.r << 16U) | (c.g << 8U) | c.b; }

protected:
    // Before each drawing: a front end that lends the pixels out makes them its own here.
    virtual void aboutToDraw() { }
    // After each drawing: a front end schedules its repaint here.
    virtual void drew() { }

private:
    void updateDevicePen();
    void stroke(float x1, float y1, float x2, float y2, Rgb colour, bool box);

    UserScale scale_;
    Rgb back_{255, 255, 255};
    Rgb fore_{0, 0, 0};
    int drawWidth_ = 1;
    int devicePen_ = 1;
    int width_ = 0;
    int height_ = 0;
    double ratio_ = 1;
    Raster raster_;
};

} // namespace core
