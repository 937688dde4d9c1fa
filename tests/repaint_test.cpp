#include "SurfacePixels.hpp"
#include "desktop/DrawingSurface.hpp"
#include "desktop/Zoom.hpp"

#include <QPaintEvent>
#include <QTest>

#include <algorithm>
#include <random>
#include <vector>

using desktop::DrawingSurface;

namespace {

using surfacePixels::black;
using surfacePixels::light;

// Collects the regions a widget is asked to repaint.
class PaintLog : public QObject {
public:
    std::vector<QRegion> regions;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            regions.push_back(static_cast<QPaintEvent*>(event)->region());
        }
        return false;
    }
};

} // namespace

class RepaintTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { core::zoom::setFactor(1.0); }

    void onlyWhatChangedIsRepainted()
    {
        DrawingSurface picture;
        picture.resize(600, 300);
        picture.setScale({0, -3, 100, 6});
        picture.setBackColor(light);
        picture.setDrawWidth(4);
        picture.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picture));
        for (int i = 1; i < 99; ++i) {
            picture.PSet(static_cast<float>(i), 0, black);
        }
        QTest::qWait(50);

        PaintLog log;
        picture.installEventFilter(&log);
        // A chain at rest: every dot erased and drawn again in place.
        for (int pass = 0; pass < 3; ++pass) {
            for (int i = 1; i < 99; ++i) {
                picture.PSet(static_cast<float>(i), 0, light);
                picture.PSet(static_cast<float>(i), 0, black);
            }
            QTest::qWait(20);
        }
        QVERIFY(log.regions.empty());

        // One dot moves: only its old and new places are repainted, rounded
        // out to whole repaint rows.
        picture.PSet(50, 0, light);
        picture.PSet(50, 1, black);
        QTRY_VERIFY(!log.regions.empty());
        const QRect painted = log.regions.front().boundingRect();
        QVERIFY2(painted.width() <= 8 && painted.height() <= 128, qPrintable(QString::number(painted.height())));
        QVERIFY(painted.contains(picture.toPixel(50, 0).toPoint()));
        QVERIFY(painted.contains(picture.toPixel(50, 1).toPoint()));
    }

    // Frames of dots that move a little, stay or jump: every pixel a frame
    // changed lies in what it repainted, and a frame that changed none
    // repaints nothing.
    void everyChangedPixelIsRepainted_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<float>("step"); // the largest move per frame, in user units
        QTest::addRow("z 1, creeping") << 1.0 << 0.02F;
        QTest::addRow("z 1.40625, creeping") << 1.40625 << 0.02F;
        QTest::addRow("z 1.40625, jumping") << 1.40625 << 2.0F;
    }

    void everyChangedPixelIsRepainted()
    {
        QFETCH(double, zoom);
        QFETCH(float, step);
        core::zoom::setFactor(zoom);
        DrawingSurface picture;
        picture.resize(static_cast<int>(400 * zoom), static_cast<int>(200 * zoom));
        picture.setScale({0, -3, 50, 6});
        picture.setBackColor(light);
        picture.setDrawWidth(4);
        picture.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picture));
        std::mt19937 random(11);
        std::uniform_real_distribution<float> move(-step, step);
        std::vector<float> y(48, 0.0F);
        for (int i = 0; i < 48; ++i) {
            picture.PSet(static_cast<float>(i + 1), y[i], black);
        }
        QTest::qWait(20);
        PaintLog log;
        picture.installEventFilter(&log);
        int framesChanging = 0;
        for (int frame = 0; frame < 12; ++frame) {
            const QImage before = picture.image();
            log.regions.clear();
            // Every third frame the chain rests; else every other dot moves.
            for (int i = 0; i < 48; ++i) {
                const auto x = static_cast<float>(i + 1);
                picture.PSet(x, y[i], light);
                if (frame % 3 != 2 && (i + frame) % 2 == 0) {
                    y[i] = std::clamp(y[i] + move(random), -2.5F, 2.5F);
                }
                picture.PSet(x, y[i], black);
            }
            QTest::qWait(20);
            QRegion repainted;
            for (const QRegion& r : log.regions) {
                repainted += r;
            }
            const QImage& after = picture.image();
            int changedPixels = 0;
            for (int py = 0; py < after.height(); ++py) {
                for (int px = 0; px < after.width(); ++px) {
                    if (after.pixel(px, py) != before.pixel(px, py)) {
                        ++changedPixels;
                        QVERIFY2(repainted.contains(QPoint(px, py)),
                            qPrintable(QStringLiteral("frame %1, pixel %2, %3").arg(frame).arg(px).arg(py)));
                    }
                }
            }
            QCOMPARE(repainted.isEmpty(), changedPixels == 0);
            framesChanging += changedPixels > 0 ? 1 : 0;
        }
        QCOMPARE(framesChanging, 8);
    }

    void erasingByRedrawingLeavesNoResidueAtAnyZoom_data()
    {
        QTest::addColumn<double>("zoom");
        for (const double z : {0.78125, 1.0, 1.25, 1.40625, 1.875, 2.8125}) {
            QTest::addRow("%g", z) << z;
        }
    }

    void erasingByRedrawingLeavesNoResidueAtAnyZoom()
    {
        QFETCH(double, zoom);
        core::zoom::setFactor(zoom);
        DrawingSurface picture;
        picture.resize(static_cast<int>(600 * zoom), static_cast<int>(300 * zoom));
        picture.setScale({0, -3, 100, 6});
        picture.setBackColor(light);
        std::mt19937 random(7);
        std::uniform_real_distribution<float> x(-2, 102);
        std::uniform_real_distribution<float> y(-3.5F, 3.5F);
        struct Stroke {
            float x1, y1, x2, y2;
            int width;
        };
        std::vector<Stroke> strokes;
        strokes.reserve(200);
        for (int k = 0; k < 200; ++k) {
            strokes.push_back({x(random), y(random), x(random), y(random), 1 + k % 5});
        }
        for (const bool erase : {false, true}) {
            for (const Stroke& s : strokes) {
                picture.setDrawWidth(s.width);
                picture.PSet(s.x1, s.y1, erase ? light : black);
                picture.Line(s.x1, s.y1, s.x2, s.y2, erase ? light : black);
            }
            QCOMPARE(surfacePixels::allBackground(picture), erase);
        }
    }
};

QTEST_MAIN(RepaintTest)
#include "repaint_test.moc"
