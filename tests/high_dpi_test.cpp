#include "SurfacePixels.hpp"
#include "desktop/DrawingSurface.hpp"
#include "desktop/Twips.hpp"

#include <QTest>

#include <memory>

using desktop::DrawingSurface;

// Run with QT_SCALE_FACTOR=2: everything keeps its logical size and the
// backing image has twice the pixels in each direction.
class HighDpiTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        surface_ = std::make_unique<DrawingSurface>();
        surface_->resize(200, 120);
        surface_->setScale({0, -3, 100, 6});
        surface_->setBackColor(surfacePixels::light);
        surface_->show();
        QVERIFY(QTest::qWaitForWindowExposed(surface_.get()));
    }

    void cleanup() { surface_.reset(); }

    void backingImageIsAtDeviceResolution()
    {
        QCOMPARE(surface_->devicePixelRatioF(), 2.0);
        QCOMPARE(surface_->image().size(), QSize(400, 240));
        QCOMPARE(surface_->image().devicePixelRatio(), 2.0);
        // Layout in twips stays logical: 15 twips to a logical pixel.
        QCOMPARE(desktop::twips::perPixel(), 15.0);
    }

    void dotsAndLinesCoverTwiceTheirWidthInDevicePixels()
    {
        const auto blackInRow = [&](int row) {
            return surfacePixels::countInRow(*surface_, row, surfacePixels::black);
        };
        surface_->setDrawWidth(4);
        surface_->PSet(50.0F, 0.0F, surfacePixels::black);
        QCOMPARE(blackInRow(120), 8);
        QCOMPARE(blackInRow(124), 0);

        surface_->Cls();
        surface_->Line(20.0F, -3.0F, 20.0F, 3.0F, surfacePixels::black);
        QCOMPARE(blackInRow(60), 8);
    }

private:
    std::unique_ptr<DrawingSurface> surface_;
};

QTEST_MAIN(HighDpiTest)
#include "high_dpi_test.moc"
