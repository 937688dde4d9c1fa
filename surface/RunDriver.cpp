#include "RunDriver.hpp"

#include <QDateTime>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QScreen>

#include <algorithm>

namespace surface {

namespace {

// Off unless asked for (QT_LOGGING_RULES="wellenlabor.startup.info=true"):
// the wall-clock time of the program's first pass, for measuring start-up.
Q_LOGGING_CATEGORY(startupLog, "wellenlabor.startup", QtWarningMsg)

void reportFirstPass()
{
    static bool reported = false;
    if (!reported) {
        reported = true;
        qCInfo(startupLog, "first pass at %lld ms since the epoch", QDateTime::currentMSecsSinceEpoch());
    }
}

int frameIntervalMs()
{
    constexpr double fallbackHz = 60.0;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double hz = screen != nullptr && screen->refreshRate() >= 30.0 ? screen->refreshRate() : fallbackHz;
    return std::clamp(static_cast<int>(1000.0 / hz), 4, 33);
}

} // namespace

RunDriver::RunDriver(Pass pass, QObject* parent)
    : QObject(parent)
    , pass_(std::move(pass))
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &RunDriver::tick);
}

void RunDriver::start()
{
    if (timer_.isActive()) {
        return;
    }
    clock_.start();
    passesCredited_ = 0;
    timer_.start(frameIntervalMs());
}

void RunDriver::tick()
{
    const long long due = clock_.elapsed() * passesPerSecond / 1000 - passesCredited_;
    const long long passes = std::min<long long>(due, maxPassesPerTick);
    passesCredited_ += due;
    for (long long k = 0; k < passes; ++k) {
        if (!pass_()) {
            timer_.stop();
            return;
        }
        ++passesRun_;
        reportFirstPass();
    }
}

} // namespace surface
