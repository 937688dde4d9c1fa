#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

namespace surface {

// Runs a program's passes between turns of the event loop, paced by the wall
// clock at a fixed teaching rate, so the animation has the same speed on
// every machine. It ticks once per display frame and runs the passes that are
// due; a machine that falls behind skips the backlog instead of spiralling.
// A pass reports whether the run goes on; when it does not, the driver stops
// its timer and uses no CPU until it is started again. Starting a running
// driver changes nothing, so there is only ever one run.
class RunDriver : public QObject {
    Q_OBJECT

public:
    static constexpr int passesPerSecond = 100;
    static constexpr int maxPassesPerTick = 4;

    // The pass returns false when it finds the run halted; nothing else of
    // it is done then and the driver stops.
    using Pass = std::function<bool()>;

    explicit RunDriver(Pass pass, QObject* parent = nullptr);

    void start();
    bool isRunning() const { return timer_.isActive(); }
    long long passesRun() const { return passesRun_; }

private:
    void tick();

    Pass pass_;
    QTimer timer_;
    QElapsedTimer clock_;
    long long passesCredited_ = 0;
    long long passesRun_ = 0;
};

} // namespace surface
