#include "core/Pace.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

using core::Pace;
using std::chrono::nanoseconds;

namespace {

nanoseconds frameTime(double hz, long long frame, double jitterMs = 0)
{
    // Jitter alternates in sign, as a frame clock that wobbles does.
    const double jitter = (frame % 2 == 0 ? jitterMs : -jitterMs) * 1e6;
    return nanoseconds(std::llround(static_cast<double>(frame) * 1e9 / hz + jitter));
}

} // namespace

TEST(Pace, PassesPerFrameAreConstantAtSixtyHertz)
{
    Pace pace;
    EXPECT_EQ(pace.due(frameTime(60, 0)), 1); // a run shows its first pass at once
    for (long long frame = 1; frame <= 600; ++frame) {
        // A frame clock wobbling by 3 ms either way.
        ASSERT_EQ(pace.due(frameTime(60, frame, 3.0)), Pace::passesPerSecond / 60) << "frame " << frame;
    }
}

TEST(Pace, LongRunPaceIsExactAtEveryRefreshRate)
{
    for (const double hz : {30.0, 50.0, 60.0, 75.0, 120.0, 144.0, 240.0}) {
        Pace pace;
        constexpr int seconds = 100;
        const auto frames = static_cast<long long>(hz * seconds);
        long long passes = 0;
        for (long long frame = 0; frame <= frames; ++frame) {
            passes += pace.due(frameTime(hz, frame, 0.5));
        }
        // One pass at the first frame, then the pace.
        EXPECT_EQ(passes, 1 + Pace::passesPerSecond * seconds) << hz << " Hz";
    }
}

TEST(Pace, AStalledMachineSkipsItsBacklogAndDoesNotSpiral)
{
    Pace pace;
    long long frame = 0;
    for (; frame < 60; ++frame) {
        pace.due(frameTime(60, frame));
    }
    // The machine stalls for two seconds: 240 passes fall due.
    frame += 120;
    EXPECT_EQ(pace.due(frameTime(60, frame)), Pace::maxPassesPerTick);
    // Then the pace goes on as before, without catching up.
    for (int k = 0; k < 60; ++k) {
        ASSERT_EQ(pace.due(frameTime(60, ++frame)), 2);
    }
}
