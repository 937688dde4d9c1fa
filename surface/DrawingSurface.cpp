#include "DrawingSurface.hpp"

#include "TouchAsMouse.hpp"
#include "Zoom.hpp"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>
#include <numeric>

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

// std::lround without the library call; exact, as v is within the drawable range.
int nearest(double v)
{
    const auto whole = static_cast<int>(v);
    const double rest = v - whole;
    return whole + (rest >= 0.5 ? 1 : 0) - (rest <= -0.5 ? 1 : 0);
}

QRect joined(const QRect& a, const QRect& b)
{
    return {QPoint(std::min(a.left(), b.left()), std::min(a.top(), b.top())),
        QPoint(std::max(a.right(), b.right()), std::max(a.bottom(), b.bottom()))};
}

long long area(const QRect& r)
{
    return static_cast<long long>(r.width()) * r.height();
}

// Joins b into a when that costs no more pixels, as a dot erased and drawn
// again a little further on.
bool joinedInto(QRect& a, const QRect& b)
{
    const QRect both = joined(a, b);
    if (area(both) > area(a) + area(b)) {
        return false;
    }
    a = both;
    return true;
}

// What a frame changed is repainted in rows of this many logical pixels on a
// fixed grid, and within a row changed spans closer than `rowGap` are joined.
// Rectangles of one row share their top and bottom, so the window system
// does not split them into bands, and each dot costs a small rectangle
// however far its neighbours are. Measured under Xvfb: at 3840 x 2160, a
// moving chain as one joined rectangle cost 12.6 % of a core and the X
// server 6.8 %; in rows, 5.7 % and 2.7 %.
constexpr int rowHeight = 32;
constexpr int rowGap = 64;

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
    if (!image_.isNull() && image_.size() == deviceSize && image_.devicePixelRatio() == ratio) {
        return false;
    }
    const bool hadPicture = !image_.isNull();
    held_.state = HeldDot::none;
    image_ = QImage(deviceSize, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    imageRatio_ = ratio;
    imageSize_ = deviceSize;
    stride_ = static_cast<std::ptrdiff_t>(image_.bytesPerLine() / sizeof(QRgb));
    pixels_ = nullptr;
    image_.fill(toQColor(back_));
    updateDevicePen();
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
    if (imageSize_.isEmpty()) {
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

void DrawingSurface::setDrawWidth(int pixels)
{
    drawWidth_ = std::max(1, pixels);
    updateDevicePen();
}

void DrawingSurface::updateDevicePen()
{
    const double ratio = image_.isNull() ? devicePixelRatioF() : image_.devicePixelRatio();
    devicePen_ = std::max(1, static_cast<int>(std::lround(drawWidth_ * zoom::factor() * ratio)));
}

void DrawingSurface::PSet(float x, float y, Rgb colour)
{
    prepareImage();
    const double ratio = imageRatio_;
    const int d = devicePen_;
    const QPointF centre(scale_.toPixelX(x, width()) * ratio, scale_.toPixelY(y, height()) * ratio);
    if (!drawable(centre)) {
        return;
    }
    const QRect box(nearest(centre.x() - d / 2.0), nearest(centre.y() - d / 2.0), d, d);
    // A new dot over exactly the pixels of a held one that is not yet in
    // the image replaces it: a dot erased and redrawn in place costs one dot.
    const bool replaces = held_.state == HeldDot::waiting && held_.box == box;
    if (!replaces) {
        settleHeldDot();
    }
    if (d != shapeDiameter_) {
        shape_ = &dotSpans(d);
        shapeDiameter_ = d;
    }
    held_.box = box;
    held_.shape = shape_;
    held_.value = qRgb(colour.r, colour.g, colour.b);
    held_.state = HeldDot::waiting;
    held_.replaces = replaces;
}

void DrawingSurface::drawHeldDot() const
{
    if (held_.state != HeldDot::waiting) {
        return;
    }
    held_.state = HeldDot::drawn;
    const QRect& box = held_.box;
    const QRgb value = held_.value;
    const std::vector<Span>& shape = *held_.shape;
    const int w = imageSize_.width();
    const int rows = std::min(box.height(), imageSize_.height() - box.top());
    if (pixels_ == nullptr) {
        pixels_ = reinterpret_cast<QRgb*>(image_.bits());
    }
    // Only a dot over the pixels of one it replaced has to look whether it
    // changes any; elsewhere a dot that moves is taken as a change unread.
    bool changed = !held_.replaces;
    const int firstRow = std::max(0, -box.top());
    QRgb* line = firstRow < rows ? pixels_ + static_cast<std::ptrdiff_t>(box.top() + firstRow) * stride_ : nullptr;
    for (int j = firstRow; j < rows; ++j, line += stride_) {
        const Span span = shape[static_cast<std::size_t>(j)];
        const int from = std::max(0, box.left() + span.dx);
        const int to = std::min(w, box.left() + span.dx + span.length);
        if (from >= to) {
            continue;
        }
        changed = changed || std::any_of(line + from, line + to, [value](QRgb old) {
            return old != value;
        });
        std::fill(line + from, line + to, value);
    }
    held_.changed = changed;
}

void DrawingSurface::settleHeldDot()
{
    drawHeldDot();
    if (held_.state == HeldDot::drawn && held_.changed) {
        changed(held_.box);
    }
    held_.state = HeldDot::none;
}

void DrawingSurface::strokeLine(QPointF from, QPointF to, Rgb colour, bool box)
{
    prepareImage();
    settleHeldDot();
    const double ratio = image_.devicePixelRatio();
    from *= ratio;
    to *= ratio;
    if (!drawable(from) || !drawable(to)) {
        return;
    }
    // Drawn in device pixels with a whole pen width, so a line drawn again in
    // the background colour covers exactly the same pixels at every zoom.
    const int pen = devicePen_;
    pixels_ = nullptr;
    image_.setDevicePixelRatio(1);
    {
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(toQColor(colour), pen, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        if (box) {
            painter.drawRect(QRectF(from, to).normalized());
        } else {
            painter.drawLine(from, to);
        }
    }
    image_.setDevicePixelRatio(ratio);
    changed(QRectF(from, to).normalized().toAlignedRect().adjusted(-pen, -pen, pen, pen));
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
    held_.state = HeldDot::none;
    pixels_ = nullptr;
    image_.fill(toQColor(back_));
    changed(image_.rect());
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

void DrawingSurface::changed(const QRect& deviceRect)
{
    if (changedRects_.empty() || !joinedInto(changedRects_.back(), deviceRect)) {
        // A long run without an event loop (a benchmark) keeps only the bounds.
        constexpr std::size_t mostRects = 1024;
        if (changedRects_.size() >= mostRects) {
            changedRects_.assign(
                1, std::accumulate(changedRects_.begin() + 1, changedRects_.end(), changedRects_.front(), joined));
        }
        changedRects_.push_back(deviceRect);
    }
    if (!flushPosted_) {
        flushPosted_ = true;
        QMetaObject::invokeMethod(this, &DrawingSurface::flushChanges, Qt::QueuedConnection);
    }
}

void DrawingSurface::flushChanges()
{
    flushPosted_ = false;
    settleHeldDot();
    if (changedRects_.empty()) {
        return;
    }
    const double ratio = image_.devicePixelRatio();
    rowSpans_.clear();
    for (const QRect& r : changedRects_) {
        const QRect logical
            = (QRectF(r.x() / ratio, r.y() / ratio, r.width() / ratio, r.height() / ratio).toAlignedRect()) & rect();
        for (int row = logical.top() / rowHeight; !logical.isEmpty() && row <= logical.bottom() / rowHeight; ++row) {
            rowSpans_.push_back({row, logical.left(), logical.right()});
        }
    }
    changedRects_.clear();
    std::sort(rowSpans_.begin(), rowSpans_.end());
    std::vector<QRect> runs;
    for (const RowSpan& s : rowSpans_) {
        if (!runs.empty() && runs.back().top() == s.row * rowHeight && s.left <= runs.back().right() + rowGap) {
            runs.back().setRight(std::max(runs.back().right(), s.right));
        } else {
            runs.emplace_back(QPoint(s.left, s.row * rowHeight), QPoint(s.right, s.row * rowHeight + rowHeight - 1));
        }
    }
    // Sorted by row and left, apart from each other: the region's own form.
    QRegion region;
    region.setRects(runs.data(), static_cast<int>(runs.size()));
    update(region);
}

void DrawingSurface::paintEvent(QPaintEvent* event)
{
    refreshImage();
    drawHeldDot();
    const double ratio = image_.devicePixelRatio();
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
