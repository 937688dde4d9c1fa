#pragma once

#include <chrono>
#include <optional>

namespace core {

// How many passes of a run fall due at each display frame, at a fixed
// teaching pace, so the animation has the same speed on every machine and
// display. The wall clock decides; rounding to the nearest pass keeps the
// count per frame constant against a frame clock that jitters. A machine
// that falls behind skips the backlog instead of spiralling.
class Pace {
public:
    // 120 passes per second: 2 in every frame of a 60 Hz display, 1 at
    // 120 Hz, 4 at 30 Hz, and close to the classic pace of about 100.
    static constexpr int passesPerSecond = 120;
    // A frame late by up to a twelfth of a second (a 30 Hz display or a busy
    // compositor that skipped one) still catches up; more than this in one
    // frame is a backlog (a stalled machine) and is dropped.
    static constexpr int maxPassesPerTick = 10;

    // A new run: its next frame is its first.
    void restart();
    // The passes due at a frame shown at now, from 0 to maxPassesPerTick.
    int due(std::chrono::nanoseconds now);

private:
    std::optional<std::chrono::nanoseconds> origin_;
    long long credited_ = 0;
};

} // namespace core
