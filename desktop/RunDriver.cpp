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

namespace desktop {

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
    // Elsewhere Qt answers requestUpdate from a 5 ms timer, not the display.
    , compositorFrames_(QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
{
    constexpr double usualHz = 60.0;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double hz = screen != nullptr && screen->refreshRate() >= 30.0 ? screen->refreshRate() : usualHz;
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(std::clamp(static_cast<int>(std::lround(1000.0 / hz)), 4, 33));
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (!wanted_) {
            timer_.stop();
            return;
        }
        // A compositor sends no frame callback to a window it does not show
        // (hidden, on no output); after a few frames without one the timer
        // paces the run again.
        constexpr int framesWithoutCallback = 3;
        if (awaitingCallback_ && ++framesWaited_ < framesWithoutCallback) {
            return;
        }
        deliver();
    });
}

void WindowFrames::requestFrame()
{
    wanted_ = true;
    if (!timer_.isActive()) {
        timer_.start();
    }
    QWidget* top = widget_ != nullptr ? widget_->window() : nullptr;
    QWindow* window = top != nullptr ? top->windowHandle() : nullptr;
    if (!compositorFrames_ || window == nullptr || !window->isExposed()) {
        return;
    }
    if (watchedWindow_ != window) {
        // The widget's own update request is its repaint (and commit); the
        // window's is the compositor's frame callback.
        top->installEventFilter(this);
        window->installEventFilter(this);
        watchedWindow_ = window;
    }
    repaintCommits_ = true;
    // A whole frame from now, so the repaint can commit before the timer
    // would answer in its place.
    timer_.start();
}

void WindowFrames::deliver()
{
    wanted_ = false;
    awaitingCallback_ = false;
    framesWaited_ = 0;
    emit frameReady();
}

void WindowFrames::followCommit()
{
    if (!wanted_ || awaitingCallback_ || watchedWindow_ == nullptr) {
        return;
    }
    // The repaint has committed, so Qt now waits for the compositor's frame
    // callback before it answers.
    awaitingCallback_ = true;
    callbackRequested_ = true;
    watchedWindow_->requestUpdate();
}

bool WindowFrames::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::UpdateRequest) {
        return FrameSource::eventFilter(watched, event);
    }
    if (watched == watchedWindow_) {
        if (!callbackRequested_) {
            return FrameSource::eventFilter(watched, event);
        }
        // The widget window would answer the request with a repaint of the
        // whole window; the drawing surfaces repaint what changed by themselves.
        callbackRequested_ = false;
        if (awaitingCallback_) {
            deliver();
        }
        return true;
    }
    if (repaintCommits_ && wanted_) {
        repaintCommits_ = false;
        // Runs once the repaint this request starts has been committed.
        QMetaObject::invokeMethod(this, &WindowFrames::followCommit, Qt::QueuedConnection);
    }
    return FrameSource::eventFilter(watched, event);
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
    pace_.restart();
    frames_->requestFrame();
}

void RunDriver::tick()
{
    if (!running_) {
        return;
    }
    const int passes = pace_.due(clock_());
    for (int k = 0; k < passes; ++k) {
        if (!pass_()) {
            running_ = false;
            return;
        }
        ++passesRun_;
        reportFirstPass();
    }
    frames_->requestFrame();
}

} // namespace desktop
