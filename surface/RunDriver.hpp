#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

class QWidget;
class QWindow;

namespace surface {

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

// Runs a program's passes between turns of the event loop at a fixed
// teaching pace, so the animation has the same speed on every machine and
// display. It ticks once per display frame, and the wall clock decides how
// many passes are due; rounding to the nearest pass keeps the count per
// frame constant against a frame clock that jitters. A machine that falls
// behind skips the backlog instead of spiralling. A pass reports whether the
// run goes on; when it does not, the driver asks for no more frames and uses
// no CPU until it is started again. Starting a running driver changes
// nothing, so there is only ever one run.
class RunDriver : public QObject {
    Q_OBJECT

public:
    // 120 passes per second: 2 in every frame of a 60 Hz display, 1 at
    // 120 Hz, 4 at 30 Hz, and close to the classic pace of about 100.
    static constexpr int passesPerSecond = 120;
    // A frame late by up to a twelfth of a second (a 30 Hz display or a busy
    // compositor that skipped one) still catches up; more than this in one
    // frame is a backlog (a stalled machine) and is dropped.
    static constexpr int maxPassesPerTick = 10;

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
    std::optional<std::chrono::nanoseconds> origin_;
    long long passesCredited_ = 0;
    long long passesRun_ = 0;
};

} // namespace surface
