#pragma once

#include <QEvent>
#include <QObject>
#include <QPointF>
#include <QTimer>

class QTouchEvent;
class QWidget;

namespace desktop {

// Makes one finger on a widget act as the mouse, for touch screens and
// whiteboards where a finger is the only pointer: the widget gets the
// presses, moves and releases a mouse would give it. A finger acts as the
// left button; held still for half a second first, as the right one, which a
// finger has no other way to give. The right press and a move on the spot
// come the moment the hold is recognised, so what a right drag shows appears
// under the finger at once.
class TouchAsMouse : public QObject {
    Q_OBJECT

public:
    // Watches the widget's events; lives as long as the widget.
    explicit TouchAsMouse(QWidget* widget);

    // Where the right button has no use, a finger is the left button at once.
    void setHoldGivesRightButton(bool gives) { holdGivesRight_ = gives; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(QTouchEvent* touch);
    void press(Qt::MouseButton button);
    void send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held);

    QWidget* widget_;
    QTimer hold_;
    bool holdGivesRight_ = true;
    bool down_ = false; // a finger is followed
    int finger_ = 0;
    Qt::MouseButton button_ = Qt::NoButton; // none until the gesture shows which
    QPointF start_;
    QPointF at_;
    Qt::KeyboardModifiers modifiers_;
};

} // namespace desktop
