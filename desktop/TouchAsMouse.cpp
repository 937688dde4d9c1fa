#include "TouchAsMouse.hpp"

#include "Zoom.hpp"

#include "core/TouchHold.hpp"

#include <QCoreApplication>
#include <QLineF>
#include <QMouseEvent>
#include <QTouchEvent>
#include <QWidget>

namespace desktop {

TouchAsMouse::TouchAsMouse(QWidget* widget)
    : QObject(widget)
    , widget_(widget)
{
    widget->setAttribute(Qt::WA_AcceptTouchEvents);
    widget->installEventFilter(this);
    hold_.setSingleShot(true);
    hold_.setInterval(core::touch::holdMilliseconds);
    connect(&hold_, &QTimer::timeout, this, [this] {
        press(Qt::RightButton);
        send(QEvent::MouseMove, Qt::NoButton, button_);
    });
}

bool TouchAsMouse::eventFilter(QObject* /*watched*/, QEvent* event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        follow(static_cast<QTouchEvent*>(event));
        // Taken, so Qt makes no mouse events of it as it does for widgets
        // that take no touches (buttons, scroll bars): nothing acts twice.
        event->accept();
        return true;
    default:
        return false;
    }
}

void TouchAsMouse::follow(QTouchEvent* touch)
{
    modifiers_ = touch->modifiers();
    if (touch->type() == QEvent::TouchBegin) {
        const QEventPoint& first = touch->points().front();
        down_ = true;
        finger_ = first.id();
        button_ = Qt::NoButton;
        start_ = at_ = first.position();
        if (holdGivesRight_) {
            hold_.start();
        } else {
            press(Qt::LeftButton);
        }
        return;
    }
    if (!down_) {
        return; // other fingers, after the one followed was lifted
    }
    const QEventPoint* point = touch->pointById(finger_);
    const bool lifted
        = touch->type() != QEvent::TouchUpdate || (point != nullptr && point->state() == QEventPoint::Released);
    QPointF to = point != nullptr && touch->type() != QEvent::TouchCancel ? point->position() : at_;
    if (button_ == Qt::NoButton) {
        if (!lifted && QLineF(start_, to).length() <= core::touch::stillPixels * zoom::factor()) {
            return; // may still become a hold
        }
        hold_.stop();
        at_ = start_;
        press(Qt::LeftButton);
        if (lifted) {
            to = start_; // a tap clicks where the finger came down
        }
    }
    if (to != at_) {
        at_ = to;
        send(QEvent::MouseMove, Qt::NoButton, button_);
    }
    if (lifted) {
        down_ = false;
        send(QEvent::MouseButtonRelease, button_, Qt::NoButton);
    }
}

void TouchAsMouse::press(Qt::MouseButton button)
{
    button_ = button;
    send(QEvent::MouseButtonPress, button, button);
}

void TouchAsMouse::send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent mouse(type, at_, widget_->mapToGlobal(at_), button, held, modifiers_);
    QCoreApplication::sendEvent(widget_, &mouse);
}

} // namespace desktop
