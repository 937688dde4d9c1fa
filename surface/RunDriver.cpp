#include "RunDriver.hpp"

#include <QDateTime>
#include <QEvent>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

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

std::chrono::nanoseconds steadyNow()
{
    return std::chrono::steady_clock::now().time_since_epoch();
}

QWidget* widgetOf(QObject* object)
{
    return qobject_cast<QWidget*>(object);
}

} // namespace

WindowFrames::WindowFrames(QWidget* widget)
    : FrameSource(widget)
    , widget_(widget)
    // Only Wayland's frame callbacks follow the display; elsewhere Qt answers
    // requestUpdate from a 5 ms timer, so a timer at the refresh rate is the
    // closer match to the display's frames.
    , displayFrames_(QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
{
    constexpr double usualHz = 60.0;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double hz = screen != nullptr && screen->refreshRate() >= 30.0 ? screen->refreshRate() : usualHz;
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(std::clamp(static_cast<int>(std::lround(1000.0 / hz)), 4, 33));
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (!timerFrameWanted_) {
            timer_.stop();
            return;
        }
        timerFrameWanted_ = false;
        emit frameReady();
    });
}

void WindowFrames::requestFrame()
{
    QWindow* window = widget_ != nullptr ? widget_->window()->windowHandle() : nullptr;
    if (!displayFrames_ || window == nullptr || !window->isExposed()) {
        timerFrameWanted_ = true;
        if (!timer_.isActive()) {
            timer_.start();
        }
        return;
    }
    if (!requested_) {
        window->installEventFilter(this);
    }
    requested_ = true;
    window->requestUpdate();
}

bool WindowFrames::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::UpdateRequest || !requested_) {
        return FrameSource::eventFilter(watched, event);
    }
    // The widget window would answer the request with a repaint of the whole
    // window; the drawing surfaces repaint what changed by themselves.
    requested_ = false;
    watched->removeEventFilter(this);
    emit frameReady();
    return true;
}

RunDriver::RunDriver(Pass pass, QObject* parent)
    : RunDriver(std::move(pass), nullptr, steadyNow, parent)
{
    frames_ = new WindowFrames(widgetOf(parent));
    frames_->setParent(this);
    connect(frames_, &FrameSource::frameReady, this, &RunDriver::tick);
}

RunDriver::RunDriver(Pass pass, FrameSource* frames, Clock clock, QObject* parent)
    : QObject(parent)
    , pass_(std::move(pass))
    , frames_(frames)
    , clock_(std::move(clock))
{
    if (frames_ != nullptr) {
        connect(frames_, &FrameSource::frameReady, this, &RunDriver::tick);
    }
}

void RunDriver::start()
{
    if (running_) {
        return;
    }
    running_ = true;
    origin_.reset();
    passesCredited_ = 0;
    frames_->requestFrame();
}

void RunDriver::tick()
{
    if (!running_) {
        return;
    }
    using namespace std::chrono;
    const nanoseconds now = clock_();
    if (!origin_) {
        // The first frame of a run shows its first pass at once.
        origin_ = now - duration_cast<nanoseconds>(seconds(1)) / passesPerSecond;
    }
    const double elapsed = duration<double>(now - *origin_).count();
    const auto credit = std::llround(elapsed * passesPerSecond);
    const long long due = credit - passesCredited_;
    passesCredited_ = std::max(passesCredited_, credit);
    const long long passes = std::clamp<long long>(due, 0, maxPassesPerTick);
    for (long long k = 0; k < passes; ++k) {
        if (!pass_()) {
            running_ = false;
            return;
        }
        ++passesRun_;
        reportFirstPass();
    }
    frames_->requestFrame();
}

} // namespace surface
