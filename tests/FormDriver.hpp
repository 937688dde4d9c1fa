#pragma once

#include "surface/DrawingSurface.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

// Driving a window in tests as a user would: controls found by their design
// names, buttons clicked, mouse events sent to a surface.
namespace formDriver {

template <typename T> T* control(const QWidget& form, const char* name)
{
    T* found = form.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) {
        qFatal("no control %s", name);
    }
    return found;
}

// The text a control shows: a box's title, a label's, a text box's or a button's text.
inline QString caption(const QWidget& form, const char* name)
{
    const auto* c = control<QWidget>(form, name);
    if (const auto* box = qobject_cast<const QGroupBox*>(c)) {
        return box->title();
    }
    if (const auto* label = qobject_cast<const QLabel*>(c)) {
        return label->text();
    }
    if (const auto* line = qobject_cast<const QLineEdit*>(c)) {
        return line->text();
    }
    return control<QAbstractButton>(form, name)->text();
}

inline void click(const QWidget& form, const char* name)
{
    QTest::mouseClick(control<QAbstractButton>(form, name), Qt::LeftButton);
}

// A mouse event at a point in the target's pixels.
inline void sendMouse(QWidget* target, QEvent::Type type, QPointF local, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, local, target->mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// The same at a point in the surface's user units.
inline void mouseAt(
    surface::DrawingSurface* s, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, double x, double y)
{
    sendMouse(s, type, s->toPixel(x, y), button, held);
}

} // namespace formDriver
