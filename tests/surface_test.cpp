#include "SurfacePixels.hpp"
#include "desktop/DrawingSurface.hpp"
#include "desktop/ScaledForm.hpp"
#include "desktop/Twips.hpp"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

using desktop::DrawingSurface;

namespace {

using surfacePixels::allBackground;
using surfacePixels::black;
using surfacePixels::countInColumn;
using surfacePixels::countInRow;
using surfacePixels::light;
using surfacePixels::pink;
using surfacePixels::pixelAt;

// A 200 x 120 pixel surface with the chain's scale: x 0..100, y -3..3.
struct ChainLikeSurface {
    DrawingSurface surface;
    ChainLikeSurface()
    {
        surface.resize(200, 120);
        surface.setScale({0, -3, 100, 6});
        surface.setBackColor(light);
    }
};

} // namespace

class SurfaceTest : public QObject {
    Q_OBJECT

private slots:
    void psetLandsCentredWithItsDiameter()
    {
        ChainLikeSurface s;
        for (int width : {1, 4, 5}) {
            s.surface.Cls();
            s.surface.setDrawWidth(width);
            // (50, 0) is the pixel corner (100, 60); y = 1.5 is 30 pixels lower.
            s.surface.PSet(50.0F, 1.5F, black);
            QCOMPARE(countInRow(s.surface, 90, black), width);
            QCOMPARE(countInColumn(s.surface, 100, black), width);
            QCOMPARE(pixelAt(s.surface, 100 - width, 90), light);
            QCOMPARE(pixelAt(s.surface, 100 + width, 90), light);
        }
    }

    void psetIsRoundNotSquare()
    {
        ChainLikeSurface s;
        s.surface.setDrawWidth(5);
        s.surface.PSet(50.0F, 0.0F, black);
        int painted = 0;
        for (int y = 50; y < 70; ++y) {
            painted += countInRow(s.surface, y, black);
        }
        QVERIFY(painted > 15);
        QVERIFY(painted < 25); // a 5 x 5 square would be 25
    }

    void linesSpanTheirLengthInTheirWidth()
    {
        ChainLikeSurface s;
        s.surface.setDrawWidth(4);
        s.surface.Line(50.0F, -3.0F, 50.0F, 3.0F, pink);
        QCOMPARE(countInRow(s.surface, 60, pink), 4);
        QCOMPARE(countInColumn(s.surface, 100, pink), 120);
        s.surface.setDrawWidth(1);
        s.surface.Line(20.0F, 0.0F, 20.0F, -1.5F);
        QCOMPARE(countInRow(s.surface, 45, s.surface.ForeColor()), 1);
        QCOMPARE(countInRow(s.surface, 75, s.surface.ForeColor()), 0);
        QCOMPARE(s.surface.DrawWidth(), 1);
    }

    void boxDrawsOnlyTheOutline()
    {
        ChainLikeSurface s;
        s.surface.setDrawWidth(1);
        s.surface.LineBox(10.0F, -2.0F, 40.0F, 2.0F, black);
        QCOMPARE(countInRow(s.surface, 60, black), 2);
        QVERIFY(countInRow(s.surface, 20, black) >= 60 || countInRow(s.surface, 19, black) >= 60);
        QCOMPARE(pixelAt(s.surface, 50, 60), light);
    }

    void clsClearsEverything()
    {
        ChainLikeSurface s;
        s.surface.setDrawWidth(5);
        s.surface.PSet(1.0F, 0.0F, black);
        s.surface.Line(0.0F, 0.0F, 100.0F, 0.0F, pink);
        s.surface.Cls();
        QVERIFY(allBackground(s.surface));
    }

    void pointsFarOffTheSurfaceAreIgnored()
    {
        ChainLikeSurface s;
        s.surface.setDrawWidth(4);
        s.surface.PSet(50.0F, 1e30F, black);
        s.surface.PSet(std::numeric_limits<float>::infinity(), 0.0F, black);
        s.surface.PSet(50.0F, std::numeric_limits<float>::quiet_NaN(), black);
        s.surface.Line(-1e30F, 0.0F, 1e30F, 0.0F, black);
        QVERIFY(allBackground(s.surface));
    }

    void mouseEventsArriveInUserUnitsWithClassicButtons()
    {
        ChainLikeSurface s;
        s.surface.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s.surface));
        QSignalSpy down(&s.surface, &DrawingSurface::mouseDown);
        QSignalSpy move(&s.surface, &DrawingSurface::mouseMove);
        QSignalSpy up(&s.surface, &DrawingSurface::mouseUp);

        QTest::mousePress(&s.surface, Qt::RightButton, {}, QPoint(50, 90));
        QCOMPARE(down.count(), 1);
        QCOMPARE(down.at(0).at(0).toInt(), 2);
        QCOMPARE(down.at(0).at(2).toFloat(), 25.0F);
        QCOMPARE(down.at(0).at(3).toFloat(), 1.5F);

        QMouseEvent both(QEvent::MouseMove, QPointF(60, 30), s.surface.mapToGlobal(QPointF(60, 30)), Qt::NoButton,
            Qt::LeftButton | Qt::RightButton, Qt::ShiftModifier);
        QApplication::sendEvent(&s.surface, &both);
        QCOMPARE(move.count(), 1);
        QCOMPARE(move.at(0).at(0).toInt(), 3);
        QCOMPARE(move.at(0).at(1).toInt(), 1);
        QCOMPARE(move.at(0).at(3).toFloat(), -1.5F);

        QTest::mouseRelease(&s.surface, Qt::RightButton, {}, QPoint(50, 90));
        QCOMPARE(up.count(), 1);
        QCOMPARE(up.at(0).at(0).toInt(), 2);
    }

    void childrenStayAtTheirUserPosition()
    {
        ChainLikeSurface s;
        QWidget child(&s.surface);
        child.resize(10, 10);
        s.surface.placeChild(&child, 25.0, -1.5);
        QCOMPARE(child.pos(), QPoint(50, 30));
        s.surface.show();
        s.surface.resize(400, 240);
        QVERIFY(QTest::qWaitForWindowExposed(&s.surface));
        QCOMPARE(child.pos(), QPoint(100, 60));
    }

    void formPlacesChildrenInWindowUnits()
    {
        desktop::ScaledForm form;
        form.setOuterSize(15 * 400, 15 * 300);
        form.setScale({0, 0, 4000, 3000});
        QWidget box(&form);
        form.place(&box, 1020, 2020, 1200, 480);
        QCOMPARE(form.size(), QSize(400, 300));
        QCOMPARE(box.geometry(), QRect(102, 202, 120, 48));
        QCOMPARE(form.placeOf(&box), QRectF(1020, 2020, 1200, 480));
    }

    void twipsAreFifteenPerPixelAt96Dpi()
    {
        QCOMPARE(desktop::twips::perPixel(), 15.0);
        QCOMPARE(desktop::twips::toPixelRect(120, 240, 1935, 375), QRect(8, 16, 129, 25));
    }
};

QTEST_MAIN(SurfaceTest)
#include "surface_test.moc"
