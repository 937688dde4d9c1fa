#include "FormDriver.hpp"

#include "desktop/kettlab/Form1.hpp"
#include "desktop/paarlab/Form1.hpp"

#include "desktop/RunDriver.hpp"
#include "desktop/Twips.hpp"
#include "desktop/Zoom.hpp"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <sys/resource.h>

#include <cmath>
#include <map>
#include <memory>

// Both main windows under a real compositor (run by wayland_test.sh, which
// checks the programs at rest), with the excitation on and halted: the share
// of a core the process takes, the pace of the passes and how many of them
// each frame shows.
class WaylandTest : public QObject {
    Q_OBJECT

    struct Figures {
        double cpu;          // share of one core
        double passesPerSec; // by wall time
        std::map<long long, int> framesByPasses;
    };

    static double cpuSeconds()
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
            + 1e-6 * static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
    }

    static Figures measure(QWidget& form, int milliseconds)
    {
        auto* driver = form.findChild<desktop::RunDriver*>();
        Figures figures{};
        long long before = driver->passesRun();
        // Connected after the driver, so it runs after the tick it counts.
        const auto counting
            = connect(driver->findChild<desktop::FrameSource*>(), &desktop::FrameSource::frameReady, &form, [&] {
                  ++figures.framesByPasses[driver->passesRun() - before];
                  before = driver->passesRun();
              });
        const long long passes0 = driver->passesRun();
        const double cpu0 = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        QTest::qWait(milliseconds);
        const double seconds = static_cast<double>(wall.nsecsElapsed()) * 1e-9;
        disconnect(counting);
        figures.cpu = (cpuSeconds() - cpu0) / seconds;
        figures.passesPerSec = static_cast<double>(driver->passesRun() - passes0) / seconds;
        return figures;
    }

private slots:
    void costAndPace_data()
    {
        QTest::addColumn<bool>("kettlab");
        QTest::newRow("KETTLAB") << true;
        QTest::newRow("PAARLAB") << false;
    }

    void costAndPace()
    {
        QFETCH(bool, kettlab);
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        const QSize screen(1920, 1080);
        core::zoom::setFactor(desktop::zoom::fitting(screen));
        const QSizeF twips(desktop::twips::fromPixels(screen.width()), desktop::twips::fromPixels(screen.height()));
        std::unique_ptr<QWidget> form;
        if (kettlab) {
            form = std::make_unique<chain::Form1>(twips);
            static_cast<chain::Form1&>(*form).Form_Load();
        } else {
            form = std::make_unique<wavepair::Form1>(twips);
            static_cast<wavepair::Form1&>(*form).Form_Load();
        }
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        formDriver::click(*form, "Command7");
        QTest::qWait(500);
        const Figures running = measure(*form, 10000);
        formDriver::click(*form, "Command11");
        QTest::qWait(200);
        const Figures halted = measure(*form, 2000);

        QString shown;
        for (const auto& [passes, count] : running.framesByPasses) {
            shown += QStringLiteral(" %1×%2").arg(count).arg(passes);
        }
        qInfo("excitation on %.1f %% at %.2f passes/s (frames × passes:%s), halted %.1f %%", 100 * running.cpu,
            running.passesPerSec, qPrintable(shown), 100 * halted.cpu);
        QVERIFY(running.cpu < 0.10);
        QVERIFY(halted.cpu < 0.01);
        QVERIFY(std::abs(running.passesPerSec / desktop::RunDriver::passesPerSecond - 1) < 0.01);
        // A frame asked for twice (timer and compositor) would show no pass.
        QCOMPARE(running.framesByPasses.count(0), 0U);
    }
};

QTEST_MAIN(WaylandTest)
#include "wayland_test.moc"
