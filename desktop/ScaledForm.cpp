#include "ScaledForm.hpp"

#include "Twips.hpp"

#include "core/WindowUnits.hpp"

#include <QEvent>
#include <QScreen>

#include <algorithm>

namespace desktop {

ScaledForm::ScaledForm(QWidget* parent)
    : QWidget(parent)
{
}

QMargins ScaledForm::frameMargins() const
{
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
        outer.bottom() - inner.bottom()};
}

void ScaledForm::setOuterSize(double widthTwips, double heightTwips)
{
    outerTwips_ = QSizeF(widthTwips, heightTwips);
    applyOuterSize();
}

void ScaledForm::applyOuterSize()
{
    if (outerTwips_.isEmpty()) {
        return;
    }
    appliedFrame_ = frameMargins();
    const int width = twips::toPixels(outerTwips_.width()) - appliedFrame_.left() - appliedFrame_.right();
    const int height = twips::toPixels(outerTwips_.height()) - appliedFrame_.top() - appliedFrame_.bottom();
    setFixedSize(std::max(1, width), std::max(1, height));
}

void ScaledForm::showAt(double xTwips, double yTwips)
{
    // Asked for before mapping too: a window manager places a window itself
    // when it maps it and may not move it later.
    const QPoint corner(twips::toPixels(xTwips), twips::toPixels(yTwips));
    move(corner);
    show();
    move(corner);
}

void ScaledForm::setScale(const core::UserScale& scale)
{
    scale_ = scale;
    placeChildren();
}

void ScaledForm::place(QWidget* child, double left, double top, double width, double height)
{
    places_[child] = {child, QRectF(left, top, width, height)};
    placeChildren();
}

QRectF ScaledForm::placeOf(const QWidget* child) const
{
    const auto found = places_.find(child);
    return found == places_.end() ? QRectF() : found->second.second;
}

void ScaledForm::placeChildren()
{
    std::erase_if(places_, [](const auto& entry) {
        return entry.second.first.isNull();
    });
    for (const auto& [key, entry] : places_) {
        const auto& [child, r] = entry;
        const core::PixelRect p
            = core::placeInUnits(scale_, r.left(), r.top(), r.width(), r.height(), width(), height());
        child->setGeometry(p.left, p.top, p.width, p.height);
    }
}

void ScaledForm::resizeEvent(QResizeEvent* /*event*/)
{
    placeChildren();
}

void ScaledForm::restoreOuterSize()
{
    applyOuterSize();
    const QScreen* shownOn = screen();
    if (shownOn == nullptr) {
        return;
    }
    const QRect room = shownOn->availableGeometry();
    const QRect outer = frameGeometry();
    const QPoint inside(std::clamp(outer.left(), room.left(), std::max(room.left(), room.right() - outer.width() + 1)),
        std::clamp(outer.top(), room.top(), std::max(room.top(), room.bottom() - outer.height() + 1)));
    if (inside != outer.topLeft()) {
        move(inside);
    }
}

void ScaledForm::moveEvent(QMoveEvent* /*event*/)
{
    // The window manager's frame becomes known only after the window is
    // shown. It takes the frame away for full screen and may report the
    // state before the frame on the way back: the size is kept against the
    // frame the window will have again, never against none.
    const QMargins frame = frameMargins();
    if (!isFullScreen() && !frame.isNull() && frame != appliedFrame_) {
        restoreOuterSize();
    }
}

void ScaledForm::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isFullScreen() && !frameMargins().isNull()) {
        restoreOuterSize();
    }
}

} // namespace desktop
