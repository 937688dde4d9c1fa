#include "Zoom.hpp"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace surface::zoom {

namespace {

double current = 1.0;

} // namespace

double factor()
{
    return current;
}

void setFactor(double z)
{
    current = z;
}

double fitting(QSize screenPixels)
{
    return std::min(static_cast<double>(screenPixels.width()) / designScreen.width(),
        static_cast<double>(screenPixels.height()) / designScreen.height());
}

void apply(std::optional<double> asked)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize pixels = screen != nullptr ? screen->geometry().size() : designScreen;
    setFactor(asked.value_or(fitting(pixels)));
}

} // namespace surface::zoom
