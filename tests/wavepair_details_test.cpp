#include "desktop/paarlab/Form1.hpp"

#include "FormDriver.hpp"
#include "ResidentMemory.hpp"
#include "SurfacePixels.hpp"
#include "desktop/ClassicControls.hpp"
#include "desktop/DrawingSurface.hpp"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>

#include <memory>
#include <random>

using core::RGB;
using core::Rgb;
using desktop::DrawingSurface;
using wavepair::Form1;

namespace {

using Loaded = formDriver::Shown<Form1>;

void mouse(DrawingSurface* s, QEvent::Type type, double x, Qt::MouseButton button, Qt::MouseButtons held)
{
    formDriver::mouseAt(s, type, button, held, x, 0.3);
}

int differingPixels(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            n += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return n;
}

// The colour a control shows on screen at a point, as the user sees it.
Rgb shownAt(QWidget* control, QPoint at)
{
    const QPoint pixel = at * control->devicePixelRatio();
    return surfacePixels::rgbAt(control->grab().toImage(), pixel.x(), pixel.y());
}

} // namespace

class WavePairDetailsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

    void haltedPictureStaysWholeUnderTheMarkerLine()
    {
        Loaded f;
        f.click("Command3"); // both rows
        f.click("Command7"); // a wave from the left end
        QTRY_VERIFY_WITH_TIMEOUT(f.form.passesRun() > 250, 10000);
        QVERIFY(f.halt());
        DrawingSurface* p = f.picture("Picture1");
        const QImage halted = p->image().copy();

        // Presses, drags, releases away from the last move and clicks of
        // both buttons over the dots.
        std::mt19937 random(90210);
        std::uniform_real_distribution<double> overDots(-1, 96);
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton};
        for (int k = 0; k < 300; ++k) {
            const Qt::MouseButton b = buttons[random() % 2];
            mouse(p, QEvent::MouseButtonPress, overDots(random), b, b);
            for (int m = static_cast<int>(random() % 6); m > 0; --m) {
                mouse(p, QEvent::MouseMove, overDots(random), Qt::NoButton, b);
            }
            mouse(p, QEvent::MouseButtonRelease, overDots(random), b, Qt::NoButton);
            if (b == Qt::RightButton) {
                // A left drag to the line the right drag left standing takes it away.
                const float standing = f.form.markerX();
                mouse(p, QEvent::MouseButtonPress, overDots(random), Qt::LeftButton, Qt::LeftButton);
                mouse(p, QEvent::MouseMove, standing, Qt::NoButton, Qt::LeftButton);
                mouse(p, QEvent::MouseButtonRelease, standing, Qt::LeftButton, Qt::NoButton);
            }
        }

        QCOMPARE(differingPixels(p->image(), halted), 0);
    }

    void markerLineStillGoesWhileRunning()
    {
        Loaded f;
        DrawingSurface* p = f.picture("Picture1");
        mouse(p, QEvent::MouseButtonPress, 30, Qt::LeftButton, Qt::LeftButton);
        mouse(p, QEvent::MouseButtonRelease, 40, Qt::LeftButton, Qt::NoButton);
        const QPointF line = p->toPixel(30, -2.5) * p->image().devicePixelRatio();
        QCOMPARE(p->image().pixelColor(line.toPoint()), QColor(255, 255, 224));
    }

    void coloursShowExactly()
    {
        Loaded f;
        f.click("Command7");
        auto* excitation = f.get<QPushButton>("Command7");
        // Inside the raised border, away from the caption.
        QCOMPARE(shownAt(excitation, {6, 6}), RGB(255, 0, 0));
        QCOMPARE(shownAt(f.get<QPushButton>("Command9"), {6, 6}), RGB(255, 128, 128));
        QWidget* box = f.get<QWidget>("Frame3D5");
        const QWidget* slow = f.get<QLabel>("Label4");
        const QWidget* bar = f.get<QWidget>("HScroll3");
        // Between the bar and the label the box shows its fill, the labels' grey.
        QCOMPARE(shownAt(box, {slow->x() + 2, (bar->geometry().bottom() + slow->y()) / 2}), RGB(192, 192, 192));
        // The frame's bottom line is not broken by the label reaching it.
        const QImage shot = box->grab().toImage();
        const int x = qRound(slow->geometry().center().x() * box->devicePixelRatio());
        bool frameLine = false;
        for (int y = shot.height() - 4; y < shot.height(); ++y) {
            frameLine = frameLine || shot.pixelColor(x, y).lightness() < 160;
        }
        QVERIFY(frameLine);
    }

    void aPressOnTheLabelOverTheDisplayDrawsNothing()
    {
        Loaded f;
        QVERIFY(f.halt());
        DrawingSurface* p = f.picture("Picture1");
        const QImage halted = p->image().copy();
        auto* label = f.get<QLabel>("Label5");
        QTest::mousePress(label, Qt::LeftButton, {}, label->rect().center());
        QTest::mouseRelease(label, Qt::LeftButton, {}, label->rect().center());
        QTest::mousePress(label, Qt::RightButton, {}, label->rect().center());
        QCOMPARE(differingPixels(p->image(), halted), 0);
    }

    void togglesKeepMemoryFlat_data()
    {
        QTest::addColumn<QByteArray>("toggle");
        for (const char* name : {"Command7", "Command9", "Command2", "Command3", "Command11"}) {
            QTest::newRow(name) << QByteArray(name);
        }
    }

    void togglesKeepMemoryFlat()
    {
        if (!residentMemory::meaningful) {
            QSKIP("resident memory is no measure under AddressSanitizer");
        }
        QFETCH(QByteArray, toggle);
        Loaded f;
        const long growth = residentMemory::growthKb(6000, [&] {
            f.click(toggle.constData());
            QApplication::processEvents();
        });
        QVERIFY2(growth < 1024, qPrintable(QStringLiteral("grew by %1 kB").arg(growth)));
    }
};

QTEST_MAIN(WavePairDetailsTest)
#include "wavepair_details_test.moc"
