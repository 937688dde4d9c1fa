#pragma once

#include "core/Pace.hpp"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <functional>

class QWidget;
class QWindow;

namespace desktop {

// Where a run driver's ticks come from: the display's frames. It is asked
// for one frame at a time and answers with frameReady.
class FrameSource : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    virtual void requestFrame() = 0;

signals:
    void frameReady();
};

// The frames of a widget's window, from a timer at the screen's refresh rate
// that also stands in before the window is exposed. On Wayland a frame that
// showed a change is paced by the compositor instead: the window's repaint
// committed it, so its frame callback tells when the display has taken it.
// A frame that showed nothing committed nothing and has no callback to wait
// for; asking Qt for one then is answered at once, so such a frame keeps to
// the timer.
class WindowFrames : public FrameSource {
    Q_OBJECT

public:
    explicit WindowFrames(QWidget* widget);

    void requestFrame() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void deliver();
    void followCommit();

    QPointer<QWidget> widget_;
    QPointer<QWindow> watchedWindow_;
    bool compositorFrames_;
    QTimer timer_;
    bool wanted_ = false;
    bool repaintCommits_ = false; // a repaint of the window now brings a frame callback
    bool awaitingCallback_ = false;
    bool callbackRequested_ = false; // asked of Qt and not yet answered
    int framesWaited_ = 0;
};

// Runs a program's passes between turns of the event loop at the teaching
// pace of core::Pace. It ticks once per display frame, and the pace decides
// how many passes are due. A pass reports whether the run goes on; when it
// does not, the driver asks for no more frames and uses no CPU until it is
// started again. Starting a running driver changes nothing, so there is only
// ever one run.
class RunDriver : public QObject {
    Q_OBJECT

public:
    static constexpr int passesPerSecond = core::Pace::passesPerSecond;
    static constexpr int maxPassesPerTick = core::Pace::maxPassesPerTick;

    using Clock = std::function<std::chrono::nanoseconds()>;
    // The pass returns false when it finds the run halted; nothing else of
    // it is done then and the driver stops.
    using Pass = std::function<bool()>;

    // Ticks with the frames of the parent widget's window and the steady clock.
    explicit RunDriver(Pass pass, QObject* parent = nullptr);
    // For tests: any frame source (owned by the caller) and clock.
    RunDriver(Pass pass, FrameSource* frames, Clock clock, QObject* parent = nullptr);

    void start();
    bool isRunning() const { return running_; }
    long long passesRun() const { return passesRun_; }

private:
    void tick();

    Pass pass_;
    FrameSource* frames_;
    Clock clock_;
    bool running_ = false;
    core::Pace pace_;
    long long passesRun_ = 0;
};

} // namespace desktop
