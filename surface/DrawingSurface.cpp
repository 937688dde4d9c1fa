#include "DrawingSurface.hpp"

#include "TouchAsMouse.hpp"
#include "Zoom.hpp"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace surface {

namespace {

QColor toQColor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int buttonsHeld(Qt::MouseButtons buttons)
{
    return (buttons.testFlag(Qt::LeftButton) ? 1 : 0) + (buttons.testFlag(Qt::RightButton) ? 2 : 0)
        + (buttons.testFlag(Qt::MiddleButton) ? 4 : 0);
}

int shiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) + (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0)
        + (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

QRgb toQRgb(Rgb c)
{
    return qRgb(c.r, c.g, c.b);
}

QRect toQRect(const PixelRect& r)
{
    return {r.left, r.top, r.width, r.height};
}

} // namespace

DrawingSurface::DrawingSurface(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    touch_ = new TouchAsMouse(this); // a finger on a touch screen acts as the mouse
}

void DrawingSurface::setScale(const UserScale& scale)
{
    scale_ = scale;
    placeChildren();
}

void DrawingSurface::setTouchHoldGivesRightButton(bool gives)
{
    touch_->setHoldGivesRightButton(gives);
}

void DrawingSurface::setBackColor(Rgb colour)
{
    back_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(colour));
    setPalette(p);
    Cls();
}

Rgb DrawingSurface::ForeColor() const
{
    const QColor c = palette().color(QPalette::WindowText);
    return RGB(c.red(), c.green(), c.blue());
}

QPointF DrawingSurface::toPixel(double x, double y) const
{
    return {scale_.toPixelX(x, width()), scale_.toPixelY(y, height())};
}

QPointF DrawingSurface::toUser(QPointF pixel) const
{
    return {scale_.fromPixelX(pixel.x(), width()), scale_.fromPixelY(pixel.y(), height())};
}

bool DrawingSurface::ensureImage()
{
    const qreal ratio = devicePixelRatioF();
    const QSize deviceSize(qRound(width() * ratio), qRound(height() * ratio));
    if (hasRaster_ && QSize(raster_.width(), raster_.height()) == deviceSize && imageRatio_ == ratio) {
        return false;
    }
    const bool hadPicture = hasRaster_;
    raster_ = Raster(deviceSize.width(), deviceSize.height(), toQRgb(back_));
    hasRaster_ = !deviceSize.isEmpty();
    imageRatio_ = ratio;
    wrapRaster();
    updateDevicePen();
    return hadPicture;
}

void DrawingSurface::wrapRaster() const
{
    // The image keeps these pixels alive for as long as a copy of it shows
    // them, even after the raster has moved on to pixels of its own.
    mayBeShared_ = false;
    if (!hasRaster_) {
        image_ = QImage();
        return;
    }
    auto* keep = new std::shared_ptr<std::vector<std::uint32_t>>(raster_.storage());
    image_ = QImage(
        reinterpret_cast<uchar*>(raster_.pixels()), raster_.width(), raster_.height(), bytesPerLine(),
        QImage::Format_RGB32,
        [](void* info) {
            delete static_cast<std::shared_ptr<std::vector<std::uint32_t>>*>(info);
        },
        keep);
    image_.setDevicePixelRatio(imageRatio_);
}

void DrawingSurface::ownPixels() const
{
    if (mayBeShared_ && !image_.isDetached()) {
        raster_.detach();
        wrapRaster();
    }
    mayBeShared_ = false;
}

void DrawingSurface::refreshImage()
{
    if (ensureImage()) {
        emit backingReset();
    }
}

void DrawingSurface::prepareImage()
{
    // Size and pixel ratio are checked on resize and repaint, not per dot.
    if (!hasRaster_) {
        ensureImage();
    }
}

void DrawingSurface::setDrawWidth(int pixels)
{
    drawWidth_ = std::max(1, pixels);
    updateDevicePen();
}

void DrawingSurface::updateDevicePen()
{
    const double ratio = hasRaster_ ? imageRatio_ : devicePixelRatioF();
    devicePen_ = std::max(1, static_cast<int>(std::lround(drawWidth_ * zoom::factor() * ratio)));
}

void DrawingSurface::PSet(float x, float y, Rgb colour)
{
    prepareImage();
    ownPixels();
    const double ratio = imageRatio_;
    raster_.dot(scale_.toPixelX(x, width()) * ratio, scale_.toPixelY(y, height()) * ratio, devicePen_, toQRgb(colour));
    postFlush();
}

void DrawingSurface::drawHeldDot() const
{
    if (raster_.dotWaiting()) {
        ownPixels();
        raster_.drawHeldDot();
    }
}

void DrawingSurface::strokeLine(QPointF from, QPointF to, Rgb colour, bool box)
{
    prepareImage();
    ownPixels();
    // Drawn in device pixels with a whole pen width, so a line drawn again in
    // the background colour covers exactly the same pixels at every zoom.
    const double ratio = imageRatio_;
    from *= ratio;
    to *= ratio;
    if (box) {
        raster_.box(from.x(), from.y(), to.x(), to.y(), devicePen_, toQRgb(colour));
    } else {
        raster_.line(from.x(), from.y(), to.x(), to.y(), devicePen_, toQRgb(colour));
    }
    postFlush();
}

void DrawingSurface::Line(float x1, float y1, float x2, float y2)
{
    Line(x1, y1, x2, y2, ForeColor());
}

void DrawingSurface::Line(float x1, float y1, float x2, float y2, Rgb colour)
{
    strokeLine(toPixel(x1, y1), toPixel(x2, y2), colour, false);
}

void DrawingSurface::LineBox(float x1, float y1, float x2, float y2, Rgb colour)
{
    strokeLine(toPixel(x1, y1), toPixel(x2, y2), colour, true);
}

void DrawingSurface::Cls()
{
    prepareImage();
    ownPixels();
    raster_.fill(toQRgb(back_));
    postFlush();
}

void DrawingSurface::placeChild(QWidget* child, double left, double top)
{
    childPlaces_[child] = {child, QPointF(left, top)};
    placeChildren();
}

void DrawingSurface::placeChildren()
{
    std::erase_if(childPlaces_, [](const auto& entry) {
        return entry.second.first.isNull();
    });
    for (const auto& [key, entry] : childPlaces_) {
        const auto& [child, place] = entry;
        child->move(toPixel(place.x(), place.y()).toPoint());
    }
}

void DrawingSurface::postFlush()
{
    if (!flushPosted_ && raster_.hasChanges()) {
        flushPosted_ = true;
        QMetaObject::invokeMethod(this, &DrawingSurface::flushChanges, Qt::QueuedConnection);
    }
}

void DrawingSurface::flushChanges()
{
    flushPosted_ = false;
    ownPixels();
    if (raster_.settleHeldDot()) {
        postFlush();
    }
    if (!raster_.hasChanges()) {
        return;
    }
    const std::vector<PixelRect>& rows = raster_.takeRepaintRows(imageRatio_, width(), height());
    std::vector<QRect> runs(rows.size());
    std::transform(rows.begin(), rows.end(), runs.begin(), toQRect);
    // Sorted by row and left, apart from each other: the region's own form.
    QRegion region;
    region.setRects(runs.data(), static_cast<int>(runs.size()));
    update(region);
}

void DrawingSurface::paintEvent(QPaintEvent* event)
{
    refreshImage();
    drawHeldDot();
    const double ratio = imageRatio_;
    QPainter painter(this);
    for (const QRect& r : event->region()) {
        painter.drawImage(r, image_, QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio));
    }
}

void DrawingSurface::resizeEvent(QResizeEvent* /*event*/)
{
    placeChildren();
    refreshImage();
}

void DrawingSurface::mousePressEvent(QMouseEvent* event)
{
    const QPointF p = toUser(event->position());
    emit mouseDown(buttonCode(event->button()), shiftState(event->modifiers()), static_cast<float>(p.x()),
        static_cast<float>(p.y()));
}

void DrawingSurface::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF p = toUser(event->position());
    emit mouseMove(buttonsHeld(event->buttons()), shiftState(event->modifiers()), static_cast<float>(p.x()),
        static_cast<float>(p.y()));
}

void DrawingSurface::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF p = toUser(event->position());
    emit mouseUp(buttonCode(event->button()), shiftState(event->modifiers()), static_cast<float>(p.x()),
        static_cast<float>(p.y()));
}

} // namespace surface
