#pragma once

#include "desktop/DrawingSurface.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

#include <cmath>
#include <random>
#include <vector>

// Driving a window in tests as a user would: controls found by their design
// names, buttons clicked, mouse events sent to a surface.
namespace formDriver {

// A 1024 x 768 screen at 96 dpi, in twips.
inline constexpr QSizeF screen1024(15360, 11520);

template <typename T> T* control(const QWidget& form, const char* name)
{
    T* found = form.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) {
        qFatal("no control %s", name);
    }
    return found;
}

// The text a control shows: a box's title, a label's, a text box's or a button's text.
inline QString captionOf(const QWidget* c)
{
    if (const auto* box = qobject_cast<const QGroupBox*>(c)) {
        return box->title();
    }
    if (const auto* label = qobject_cast<const QLabel*>(c)) {
        return label->text();
    }
    if (const auto* line = qobject_cast<const QLineEdit*>(c)) {
        return line->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(c)) {
        return button->text();
    }
    return {};
}

inline QString caption(const QWidget& form, const char* name)
{
    return captionOf(control<QWidget>(form, name));
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
    desktop::DrawingSurface* s, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, double x, double y)
{
    sendMouse(s, type, s->toPixel(x, y), button, held);
}

// A program's main window laid out for a 1024 x 768 screen and loaded, as
// the program starts it.
template <typename Form> struct Loaded {
    Form form{screen1024};

    Loaded() { form.Form_Load(); }

    template <typename T = QWidget> T* get(const char* name) const { return control<T>(form, name); }
    desktop::DrawingSurface* picture(const char* name = "Picture1") const { return get<desktop::DrawingSurface>(name); }
    void click(const char* name) const { formDriver::click(form, name); }

    // Whether the run driver stops within two seconds.
    bool stops() const
    {
        return QTest::qWaitFor(
            [this] {
                return !form.isRunning();
            },
            2000);
    }

    // Halts the run and waits until the driver has stopped.
    bool halt() const
    {
        if (form.model().halted == 0) {
            click("Command11");
        }
        return stops();
    }

    // Waits until the model's clock has run on by this much.
    void passes(double modelTime) const
    {
        const double until = form.model().t + modelTime;
        QTRY_VERIFY_WITH_TIMEOUT(form.model().t >= until, 10000);
    }
};

// The same, with the window exposed on the screen.
template <typename Form> struct Shown : Loaded<Form> {
    Shown()
    {
        if (!QTest::qWaitForWindowExposed(&this->form)) {
            qFatal("window not exposed");
        }
    }
};

// The same, and active, so that its keys reach it.
template <typename Form> struct Active : Loaded<Form> {
    Active()
    {
        this->form.activateWindow();
        if (!QTest::qWaitForWindowActive(&this->form)) {
            qFatal("window not active");
        }
    }

    // A key typed where the focus is, or to the window.
    void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &this->form,
            static_cast<Qt::Key>(k), modifiers);
    }

    // Halts the run with its key and waits until the driver has stopped.
    bool haltByKey()
    {
        if (this->form.model().halted == 0) {
            key(Qt::Key_F5);
        }
        return this->stops();
    }
};

// Thousands of random clicks, scroll-bar changes and mouse events on the given
// surfaces, many far outside the window, with the event loop turning now and then.
inline void storm(const QWidget& form, std::mt19937& random, const std::vector<const char*>& buttons,
    const std::vector<QWidget*>& surfaces, int events)
{
    const auto pick = [&](std::size_t n) {
        return static_cast<int>(random() % n);
    };
    const QList<QScrollBar*> bars = form.findChildren<QScrollBar*>();
    const double places[] = {-1e9, -1e6, -5000, -1, 0, 3, 150, 400, 800, 1e6, 1e9};
    const Qt::MouseButton pressed[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    const Qt::MouseButtons held[]
        = {Qt::NoButton, Qt::LeftButton, Qt::RightButton, Qt::LeftButton | Qt::RightButton, Qt::MiddleButton};
    const QEvent::Type types[] = {QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseButtonRelease};

    for (int k = 0; k < events; ++k) {
        switch (pick(3)) {
        case 0:
            click(form, buttons[pick(buttons.size())]);
            break;
        case 1: {
            QScrollBar* bar = bars[pick(bars.size())];
            if (pick(2) == 0) {
                bar->setValue(bar->minimum() - 5 + pick(bar->maximum() - bar->minimum() + 11));
            } else {
                bar->triggerAction(QAbstractSlider::SliderAction(1 + pick(4)));
            }
            break;
        }
        default: {
            const QPointF at(places[pick(std::size(places))] + pick(100), places[pick(std::size(places))] + pick(100));
            sendMouse(surfaces[pick(surfaces.size())], types[pick(3)], at, pressed[pick(3)], held[pick(5)]);
        }
        }
        if (k % 40 == 0) {
            QTest::qWait(3);
        }
    }
}

// Whether a storm left every number of the chain finite.
template <typename Model> bool allFinite(const Model& m)
{
    for (const auto* array : {&m.y, &m.v, &m.f, &m.yDrawn}) {
        for (const double x : *array) {
            if (!std::isfinite(x)) {
                return false;
            }
        }
    }
    return std::isfinite(m.tHarm) && std::isfinite(m.phase) && std::isfinite(m.omega) && std::isfinite(m.dt);
}

} // namespace formDriver
