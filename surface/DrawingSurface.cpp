#include "DrawingSurface.hpp"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>

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

// Points far off the surface (a runaway value, a pointer far outside) are not
// drawn at all, so pixel arithmetic never overflows.
bool drawable(QPointF devicePoint)
{
    constexpr double limit = 1e7;
    return std::isfinite(devicePoint.x()) && std::isfinite(devicePoint.y()) && std::abs(devicePoint.x()) < limit
        && std::abs(devicePoint.y()) < limit;
}

} // namespace

DrawingSurface::DrawingSurface(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void DrawingSurface::setScale(const UserScale& scale)
{
    scale_ = scale;
    placeChildren();
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
    if (!image_.isNull() && image_.size() == deviceSize && image_.devicePixelRatio() == ratio) {
        return false;
    }
    const bool hadPicture = !image_.isNull();
    image_ = QImage(deviceSize, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(toQColor(back_));
    return hadPicture;
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
    if (image_.isNull()) {
        ensureImage();
    }
}

const std::vector<DrawingSurface::Span>& DrawingSurface::dotSpans(int d)
{
    auto found = dotShapes_.find(d);
    if (found != dotShapes_.end()) {
        return found->second;
    }
    // Pixel (i, j) of the d x d box belongs to the dot when its centre lies
    // inside the circle of diameter d, so the dot is exactly d pixels across.
    std::vector<Span> rows;
    const double r = d / 2.0;
    for (int j = 0; j < d; ++j) {
        int first = -1;
        int last = -1;
        for (int i = 0; i < d; ++i) {
            const double dx = i + 0.5 - r;
            const double dy = j + 0.5 - r;
            if (dx * dx + dy * dy <= r * r) {
                if (first < 0) {
                    first = i;
                }
                last = i;
            }
        }
        rows.push_back(first < 0 ? Span{0, 0} : Span{first, last - first + 1});
    }
    return dotShapes_.emplace(d, std::move(rows)).first->second;
}

void DrawingSurface::PSet(float x, float y, Rgb colour)
{
    prepareImage();
    const double ratio = image_.devicePixelRatio();
    const int d = std::max(1, static_cast<int>(std::lround(drawWidth_ * ratio)));
    const QPointF centre = toPixel(x, y) * ratio;
    if (!drawable(centre)) {
        return;
    }
    const int left = static_cast<int>(std::lround(centre.x() - d / 2.0));
    const int top = static_cast<int>(std::lround(centre.y() - d / 2.0));
    const QRgb value = qRgb(colour.r, colour.g, colour.b);
    const auto& rows = dotSpans(d);
    for (int j = 0; j < d; ++j) {
        const int row = top + j;
        if (row < 0 || row >= image_.height()) {
            continue;
        }
        const int from = std::max(0, left + rows[j].dx);
        const int to = std::min(image_.width(), left + rows[j].dx + rows[j].length);
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(row));
        for (int i = from; i < to; ++i) {
            line[i] = value;
        }
    }
    changed();
}

void DrawingSurface::strokeLine(QPointF from, QPointF to, Rgb colour, bool box)
{
    prepareImage();
    if (!drawable(from * image_.devicePixelRatio()) || !drawable(to * image_.devicePixelRatio())) {
        return;
    }
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(toQColor(colour), drawWidth_, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    if (box) {
        painter.drawRect(QRectF(from, to).normalized());
    } else {
        painter.drawLine(from, to);
    }
    changed();
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
    image_.fill(toQColor(back_));
    changed();
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

void DrawingSurface::changed()
{
    if (!repaintPending_) {
        repaintPending_ = true;
        update();
    }
}

void DrawingSurface::paintEvent(QPaintEvent* event)
{
    repaintPending_ = false;
    refreshImage();
    QPainter painter(this);
    painter.drawImage(event->rect(), image_,
        QRectF(QPointF(event->rect().topLeft()) * image_.devicePixelRatio(),
            QSizeF(event->rect().size()) * image_.devicePixelRatio()));
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
