#include "desktop/RunDriver.hpp"

#include <QTest>

#include <chrono>
#include <cmath>
#include <vector>

using desktop::FrameSource;
using desktop::RunDriver;
using std::chrono::nanoseconds;

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
