#include "SurfacePixels.hpp"
#include "surface/DrawingSurface.hpp"
#include "surface/Twips.hpp"

#include <QTest>

using surface::DrawingSurface;
using surface::RGB;

// Run with QT_SCALE_FACTOR=2: everything keeps its logical size and the
// backing image has twice the pixels in each direction.
class HighDpiTest : public QObject {
    Q_OBJECT

private slots:
    void backingImageIsAtDeviceResolution()
    {
        DrawingSurface s;
        s.resize(200, 120);
        s.setScale({0, -3, 100, 6});
        s.setBackColor(RGB(255, 255, 224));
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QCOMPARE(s.devicePixelRatioF(), 2.0);
        QCOMPARE(s.image().size(), QSize(400, 240));
        QCOMPARE(s.image().devicePixelRatio(), 2.0);
        // Layout in twips stays logical: 15 twips to a logical pixel.
        QCOMPARE(surface::twips::perPixel(), 15.0);
    }

    void dotsAndLinesCoverTwiceTheirWidthInDevicePixels()
    {
        DrawingSurface s;
        s.resize(200, 120);
        s.setScale({0, -3, 100, 6});
        s.setBackColor(RGB(255, 255, 224));
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        s.setDrawWidth(4);
        s.PSet(50.0F, 0.0F, RGB(0, 0, 0));
        const auto blackInRow = [&](int row) {
            return surfacePixels::countInRow(s, row, RGB(0, 0, 0));
        };
        QCOMPARE(blackInRow(120), 8);
        QCOMPARE(blackInRow(124), 0);

        s.Cls();
        s.Line(20.0F, -3.0F, 20.0F, 3.0F, RGB(0, 0, 0));
        QCOMPARE(blackInRow(60), 8);
    }
};

QTEST_MAIN(HighDpiTest)
#include "high_dpi_test.moc"
