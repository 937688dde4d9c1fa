#include "desktop/kettlab/Form1.hpp"

#include "FormDriver.hpp"
#include "ResidentMemory.hpp"
#include "SurfacePixels.hpp"
#include "desktop/ClassicControls.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTest>

#include <random>

using core::RGB;
using core::Rgb;
using formDriver::click;
using formDriver::control;
using formDriver::mouseAt;
using LoadedForm = formDriver::Shown<chain::Form1>;

class ChainDetailsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

    void haltedChainStaysWholeUnderMarkersAndTape()
    {
        LoadedForm f;
        click(f.form, "Command7");
        f.passes(70); // the wave has passed the obstacle's place
        QVERIFY(f.halt());
        const QImage halted = f.picture()->image().copy();

        // Markers on and off, tapes laid near the bottom edge, left drags
        // and clicks anywhere over the chain.
        std::mt19937 random(4711);
        std::uniform_real_distribution<double> along(-1, 101);
        std::uniform_real_distribution<double> across(-3, 3);
        std::uniform_real_distribution<double> tapeHeight(2.4, 2.8);
        for (int k = 0; k < 400; ++k) {
            switch (random() % 4) {
            case 0:
                click(f.form, random() % 2 == 0 ? "Command4" : "Command9");
                break;
            case 1: {
                const double y = tapeHeight(random);
                mouseAt(f.picture(), QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, along(random), y);
                mouseAt(f.picture(), QEvent::MouseMove, Qt::NoButton, Qt::RightButton, along(random), across(random));
                break;
            }
            default:
                mouseAt(f.picture(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, along(random),
                    across(random));
                mouseAt(f.picture(), QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, along(random), across(random));
            }
        }
        if (f.form.model().obstacle == 1) {
            click(f.form, "Command4");
        }
        if (f.form.model().damping == 2) {
            click(f.form, "Command9");
        }

        // Every pixel is as at the halt, but for the damping marker, now
        // off, and the tape's ticks on the background near the bottom.
        const QImage now = f.picture()->image();
        const int tapeTop = static_cast<int>(f.picture()->toPixel(0, 2.1).y() * now.devicePixelRatio());
        int wrong = 0;
        for (int y = 0; y < now.height(); ++y) {
            for (int x = 0; x < now.width(); ++x) {
                using namespace surfacePixels;
                const Rgb before = rgbAt(halted, x, y);
                const Rgb after = rgbAt(now, x, y);
                const bool expected = before == pink
                    ? after == light
                    : after == before || (y >= tapeTop && before == light && after == black);
                wrong += expected ? 0 : 1;
            }
        }
        QCOMPARE(wrong, 0);
    }

    void lengthBoxHidesOnEveryMoveButARightAlone_data()
    {
        QTest::addColumn<int>("held");
        QTest::addColumn<bool>("shown");
        QTest::newRow("right") << int(Qt::RightButton) << true;
        QTest::newRow("none") << int(Qt::NoButton) << false;
        QTest::newRow("left") << int(Qt::LeftButton) << false;
        QTest::newRow("left and right") << int(Qt::LeftButton | Qt::RightButton) << false;
        QTest::newRow("middle") << int(Qt::MiddleButton) << false;
    }

    void lengthBoxHidesOnEveryMoveButARightAlone()
    {
        QFETCH(int, held);
        QFETCH(bool, shown);
        LoadedForm f;
        auto* box = control<QLineEdit>(f.form, "Text1");
        mouseAt(f.picture(), QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, 10, 0);
        mouseAt(f.picture(), QEvent::MouseMove, Qt::NoButton, Qt::RightButton, 20, 0);
        QVERIFY(box->isVisible());
        mouseAt(f.picture(), QEvent::MouseMove, Qt::NoButton, Qt::MouseButtons(held), 25, 1);
        QCOMPARE(box->isVisible(), shown);
    }

    void speedBarAndTimeStepAgreeFromTheStart()
    {
        LoadedForm f;
        auto* speed = control<QScrollBar>(f.form, "HScroll3");
        QCOMPARE(speed->value() / 20.0, f.form.model().dt);
        const double atStart = f.form.model().dt;
        for (const auto action : {QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderPageStepAdd}) {
            speed->triggerAction(action);
            QVERIFY(f.form.model().dt >= atStart);
        }
    }

    void infoWindowsAreWhiteInsideTheScreenAndNameWhatTheWindowShows()
    {
        LoadedForm f;
        click(f.form, "command6");
        QWidget* form2 = f.form.infoWindow("Form2");
        QTest::mouseClick(control<QAbstractButton>(*form2, "Command1"), Qt::LeftButton);
        const QRect area = f.form.screen()->availableGeometry();
        for (QWidget* info : {form2, f.form.infoWindow("Form3")}) {
            QVERIFY(QTest::qWaitForWindowExposed(info));
            QCOMPARE(desktop::backColor(info), RGB(255, 255, 255));
            QVERIFY2(area.contains(info->frameGeometry()), qPrintable(info->objectName()));
        }
        // Sent off the bottom right corner, it comes back just inside it.
        form2->move(area.bottomRight() - QPoint(100, 50));
        QCOMPARE(form2->frameGeometry().bottomRight(), area.bottomRight());

        const QString excitation = control<QLabel>(*form2, "Label7")->text();
        QVERIFY(excitation.contains(control<QGroupBox>(f.form, "Frame3D1")->title()));
        QVERIFY(excitation.contains(control<QAbstractButton>(f.form, "Command7")->text()));
        QCOMPARE(control<QLabel>(*form2, "Label9")->text().count(QStringLiteral("zeigt")), 0);
    }

    void togglesKeepMemoryFlat_data()
    {
        QTest::addColumn<QByteArray>("toggle");
        for (const char* name :
            {"Command7", "Command9", "Command3", "Command4", "Command8", "Command11", "Option1", "Option2"}) {
            QTest::newRow(name) << QByteArray(name);
        }
    }

    void togglesKeepMemoryFlat()
    {
        if (!residentMemory::meaningful) {
            QSKIP("resident memory is no measure under AddressSanitizer");
        }
        QFETCH(QByteArray, toggle);
        LoadedForm f;
        const long growth = residentMemory::growthKb(6000, [&] {
            click(f.form, toggle.constData());
            QApplication::processEvents();
        });
        QVERIFY2(growth < 1024, qPrintable(QStringLiteral("grew by %1 kB").arg(growth)));
    }
};

QTEST_MAIN(ChainDetailsTest)
#include "chain_details_test.moc"
