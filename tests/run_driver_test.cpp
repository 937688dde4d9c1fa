#include "surface/RunDriver.hpp"

#include <QTest>

#include <chrono>
#include <cmath>
#include <vector>

using std::chrono::nanoseconds;
using surface::FrameSource;
using surface::RunDriver;

namespace {

// A display whose frames come when the test says, and a clock it sets.
class FakeDisplay : public FrameSource {
public:
    void requestFrame() override
    {
        // Two requests for one frame would run two ticks in it.
        QVERIFY2(!requested_, "a frame asked for twice");
        requested_ = true;
    }

    // Shows one frame at the given time; the frame ticks the driver only if
    // it asked for one.
    void frameAt(nanoseconds t)
    {
        now = t;
        if (requested_) {
            requested_ = false;
            emit frameReady();
        }
    }

    nanoseconds now{0};

private:
    bool requested_ = false;
};

nanoseconds frameTime(double hz, long long frame, double jitterMs = 0)
{
    // Jitter alternates in sign, as a frame clock that wobbles does.
    const double jitter = (frame % 2 == 0 ? jitterMs : -jitterMs) * 1e6;
    return nanoseconds(std::llround(static_cast<double>(frame) * 1e9 / hz + jitter));
}

struct Run {
    FakeDisplay display;
    int passes = 0;
    RunDriver driver{[this] {
                         ++passes;
                         return true;
                     },
        &display,
        [this] {
            return display.now;
        }};
};

} // namespace

class RunDriverTest : public QObject {
    Q_OBJECT

private slots:
    void passesPerFrameAreConstantAtSixtyHertz()
    {
        Run run;
        run.driver.start();
        run.display.frameAt(frameTime(60, 0));
        QCOMPARE(run.passes, 1); // a run shows its first pass at once
        for (long long frame = 1; frame <= 600; ++frame) {
            const int before = run.passes;
            // A frame clock wobbling by 3 ms either way.
            run.display.frameAt(frameTime(60, frame, 3.0));
            QCOMPARE(run.passes - before, RunDriver::passesPerSecond / 60);
        }
    }

    void longRunPaceIsExactAtEveryRefreshRate_data()
    {
        QTest::addColumn<double>("hz");
        for (const double hz : {30.0, 50.0, 60.0, 75.0, 120.0, 144.0, 240.0}) {
            QTest::addRow("%g Hz", hz) << hz;
        }
    }

    void longRunPaceIsExactAtEveryRefreshRate()
    {
        QFETCH(double, hz);
        Run run;
        run.driver.start();
        constexpr int seconds = 100;
        const auto frames = static_cast<long long>(hz * seconds);
        for (long long frame = 0; frame <= frames; ++frame) {
            run.display.frameAt(frameTime(hz, frame, 0.5));
        }
        // One pass at the first frame, then the pace.
        QCOMPARE(run.passes, 1 + RunDriver::passesPerSecond * seconds);
    }

    void aStalledMachineSkipsItsBacklogAndDoesNotSpiral()
    {
        Run run;
        run.driver.start();
        long long frame = 0;
        for (; frame < 60; ++frame) {
            run.display.frameAt(frameTime(60, frame));
        }
        // The machine stalls for two seconds: 240 passes fall due.
        frame += 120;
        const int before = run.passes;
        run.display.frameAt(frameTime(60, frame));
        QCOMPARE(run.passes - before, RunDriver::maxPassesPerTick);
        // Then the pace goes on as before, without catching up.
        for (int k = 0; k < 60; ++k) {
            const int last = run.passes;
            run.display.frameAt(frameTime(60, ++frame));
            QCOMPARE(run.passes - last, 2);
        }
    }

    void aHaltedPassStopsTheDriverUntilItIsStartedAgain()
    {
        FakeDisplay display;
        int passes = 0;
        bool halted = false;
        RunDriver driver(
            [&] {
                if (halted) {
                    return false;
                }
                ++passes;
                return true;
            },
            &display,
            [&] {
                return display.now;
            });
        driver.start();
        long long frame = 0;
        for (; frame < 10; ++frame) {
            display.frameAt(frameTime(60, frame));
        }
        halted = true;
        display.frameAt(frameTime(60, frame++));
        QVERIFY(!driver.isRunning());
        const int atHalt = passes;
        // No frame is asked for while halted, so none ticks.
        for (int k = 0; k < 30; ++k) {
            display.frameAt(frameTime(60, frame++));
        }
        QCOMPARE(passes, atHalt);

        halted = false;
        driver.start();
        QVERIFY(driver.isRunning());
        display.frameAt(frameTime(60, frame++));
        QCOMPARE(passes, atHalt + 1);
        QCOMPARE(driver.passesRun(), passes);
    }

    void startingARunningDriverDoesNotDoubleIt()
    {
        Run run;
        run.driver.start();
        for (long long frame = 0; frame <= 60; ++frame) {
            // A restart would ask for a second frame, or begin the run anew
            // with a pass count of its own.
            run.driver.start();
            run.display.frameAt(frameTime(60, frame));
            run.driver.start();
        }
        QCOMPARE(run.passes, 1 + RunDriver::passesPerSecond);
    }

    void theWindowFramesOfARealWindowTickTheDriver()
    {
        QWidget window;
        window.resize(100, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int passes = 0;
        RunDriver driver(
            [&] {
                ++passes;
                return true;
            },
            &window);
        driver.start();
        QTRY_VERIFY(passes >= 12);
    }
};

QTEST_MAIN(RunDriverTest)
#include "run_driver_test.moc"
