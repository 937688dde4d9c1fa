#include "DrawingSurface.hpp"

#include "TouchAsMouse.hpp"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace desktop {

namespace {

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

QRect toQRect(const core::PixelRect& r)
{
    return {r.left, r.top, r.width, r.height};
}

} // namespace

DrawingSurface::DrawingSurface(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // The right button lays the tape here; the window's menu stays off the picture.
    setContextMenuPolicy(Qt::PreventContextMenu);
    touch_ = new TouchAsMouse(this); // a finger on a touch screen acts as the mouse
}

void DrawingSurface::setScale(const core::UserScale& scale)
{
    core::Picture::setScale(scale);
    placeChildren();
}

void DrawingSurface::setTouchHoldGivesRightButton(bool gives)
{
    touch_->setHoldGivesRightButton(gives);
}

void DrawingSurface::setBackColor(core::Rgb colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(colour.r, colour.g, colour.b));
    setPalette(p);
    core::Picture::setBackColor(colour);
}

QPointF DrawingSurface::toPixel(double x, double y) const
{
    return {scale().toPixelX(x, width()), scale().toPixelY(y, height())};
}

QPointF DrawingSurface::toUser(QPointF pixel) const
{
    return {scale().fromPixelX(pixel.x(), width()), scale().fromPixelY(pixel.y(), height())};
}

const QImage& DrawingSurface::image() const
{
    // The held dot completes the picture a viewer is promised; the widget is
    // never const itself, only lent out as such.
    auto* self = const_cast<DrawingSurface*>(this);
    if (self->raster().dotWaiting()) {
        self->ownPixels();
        self->raster().drawHeldDot();
    }
    mayBeShared_ = true;
    return image_;
}

bool DrawingSurface::ensureImage()
{
    const bool reset = setSize(width(), height(), devicePixelRatioF());
    if (image_.constBits() != reinterpret_cast<const uchar*>(raster().pixels()) || image_.isNull() == hasPixels()) {
        wrapRaster();
    }
    return reset;
}

void DrawingSurface::wrapRaster()
{
    // The image keeps these pixels alive for as long as a copy of it shows
    // them, even after the raster has moved on to pixels of its own.
    mayBeShared_ = false;
    if (!hasPixels()) {
        image_ = QImage();
        return;
    }
    core::Raster& r = raster();
    auto* keep = new std::shared_ptr<std::vector<std::uint32_t>>(r.storage());
    image_ = QImage(
        reinterpret_cast<uchar*>(r.pixels()), r.width(), r.height(), static_cast<qsizetype>(r.width()) * 4,
        QImage::Format_RGB32,
        [](void* info) {
            delete static_cast<std::shared_ptr<std::vector<std::uint32_t>>*>(info);
        },
        keep);
    image_.setDevicePixelRatio(ratio());
}

void DrawingSurface::ownPixels()
{
    if (mayBeShared_ && !image_.isDetached()) {
        raster().detach();
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

void DrawingSurface::aboutToDraw()
{
    // Size and pixel ratio are checked on resize and repaint, not per dot.
    if (!hasPixels()) {
        ensureImage();
    }
    ownPixels();
}

void DrawingSurface::drew()
{
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
    if (!flushPosted_ && raster().hasChanges()) {
        flushPosted_ = true;
        QMetaObject::invokeMethod(this, &DrawingSurface::flushChanges, Qt::QueuedConnection);
    }
}

void DrawingSurface::flushChanges()
{
    flushPosted_ = false;
    ownPixels();
    if (raster().settleHeldDot()) {
        postFlush();
    }
    if (!raster().hasChanges()) {
        return;
    }
    const std::vector<core::PixelRect>& rows = raster().takeRepaintRows(ratio(), width(), height());
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
    const QImage& picture = image();
    const double scale = ratio();
    QPainter painter(this);
    for (const QRect& r : event->region()) {
        painter.drawImage(r, picture, QRectF(QPointF(r.topLeft()) * scale, QSizeF(r.size()) * scale));
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

} // namespace desktop
