#include "surface/RunDriver.hpp"

#include <QElapsedTimer>
#include <QTest>

using surface::RunDriver;

class RunDriverTest : public QObject {
    Q_OBJECT

private slots:
    void runsAtTheTeachingRateAndNeverFaster()
    {
        int passes = 0;
        RunDriver driver([&] {
            ++passes;
            return true;
        });
        QElapsedTimer clock;
        clock.start();
        driver.start();
        QTest::qWait(500);
        const qint64 elapsed = clock.elapsed();
        // Never ahead of the wall clock; on a loaded machine it may lag.
        QVERIFY2(passes <= elapsed * RunDriver::passesPerSecond / 1000 + 1, qPrintable(QString::number(passes)));
        QVERIFY2(passes >= 15, qPrintable(QString::number(passes)));
        QCOMPARE(driver.passesRun(), passes);
    }

    void aHaltedPassStopsTheDriverAndNothingRunsAfter()
    {
        int passes = 0;
        bool halted = false;
        RunDriver driver([&] {
            if (halted) {
                return false;
            }
            ++passes;
            return true;
        });
        driver.start();
        QTRY_VERIFY(passes >= 3);
        halted = true;
        QTRY_VERIFY(!driver.isRunning());
        const int atHalt = passes;
        QTest::qWait(150);
        QCOMPARE(passes, atHalt);

        halted = false;
        driver.start();
        QTRY_VERIFY(passes > atHalt);
    }

    void startingARunningDriverDoesNotDoubleIt()
    {
        int passes = 0;
        RunDriver driver([&] {
            ++passes;
            return true;
        });
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 1000; ++i) {
            driver.start();
        }
        QTest::qWait(300);
        QVERIFY(passes <= clock.elapsed() * RunDriver::passesPerSecond / 1000 + 1);
    }

    void aStalledEventLoopIsNotMadeUpAllAtOnce()
    {
        int passes = 0;
        RunDriver driver([&] {
            ++passes;
            return true;
        });
        driver.start();
        QTRY_VERIFY(passes >= 1);
        QTest::qSleep(400); // the event loop is blocked: 40 passes fall due
        const int before = passes;
        QTest::qWait(1);
        QVERIFY(passes - before <= RunDriver::maxPassesPerTick);
    }
};

QTEST_MAIN(RunDriverTest)
#include "run_driver_test.moc"
