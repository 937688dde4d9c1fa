#include "Zoom.hpp"

#include <QGuiApplication>
#include <QScreen>

namespace desktop::zoom {

double fitting(QSize screenPixels)
{
    return fitting(screenPixels.width(), screenPixels.height());
}

void apply(std::optional<double> asked)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize pixels = screen != nullptr ? screen->geometry().size() : designScreen;
    setFactor(asked.value_or(fitting(pixels)));
}

} // namespace desktop::zoom
