#include "wavepair/WavePairDisplay.hpp"
#include "wavepair/WavePairModel.hpp"

#include "SurfacePixels.hpp"
#include "desktop/DrawingSurface.hpp"

#include <QTest>

#include <cmath>
#include <limits>

using core::Rgb;
using desktop::DrawingSurface;
using wavepair::WavePairModel;

namespace {

using surfacePixels::black;
using surfacePixels::countAll;
using surfacePixels::countInRow;
using surfacePixels::pixelAt;

constexpr Rgb light = wavepair::displayBackground;

// Whether the colour appears within one pixel of (x, y).
bool near(const DrawingSurface& s, double x, double y, Rgb colour)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int px = static_cast<int>(std::floor(x)) + dx;
            const int py = static_cast<int>(std::floor(y)) + dy;
            if (s.image().rect().contains(px, py) && pixelAt(s, px, py) == colour) {
                return true;
            }
        }
    }
    return false;
}

// Picture1 as the window lays it out: 15135 x 7815 twips, x -10..95, y -3..3.
struct Picture1Surface {
    DrawingSurface picture;
    Picture1Surface()
    {
        picture.resize(1009, 521);
        picture.setScale({-10, -3, 105, 6});
        picture.setBackColor(light);
        picture.setDrawWidth(wavepair::dotWidth);
    }
    // Pixel column of x, pixel row of y; one unit is 1009 / 105 pixels across
    // and 521 / 6 pixels down.
    static int column(double x) { return static_cast<int>(std::floor((x + 10) * 1009 / 105)); }
    static int row(double y) { return static_cast<int>(std::floor((y + 3) * 521 / 6)); }
};

} // namespace

class WavePairDisplayTest : public QObject {
    Q_OBJECT

private slots:
    void restingRowsShowEverySecondMassOnTheirRestLines()
    {
        Picture1Surface d;
        WavePairModel m;
        m.showLongitudinal = 1;
        wavepair::drawWaves(m, d.picture);
        // Masses 0, 2, ..., 94 at x = 1, 3, ..., 95; mass 96 at x = 97 is off
        // the surface. Mass 94 sits on the right edge, pixel 1009.0: its dot
        // spans columns 1007 to 1011, so two of them show.
        for (const float rowY : {wavepair::longitudinalRow, wavepair::transverseRow}) {
            const int row = Picture1Surface::row(rowY);
            for (int i = 0; i <= 92; i += 2) {
                QVERIFY2(
                    pixelAt(d.picture, Picture1Surface::column(i + 1), row) == black, qPrintable(QString::number(i)));
                QVERIFY(pixelAt(d.picture, Picture1Surface::column(i + 2), row) == light);
            }
            QCOMPARE(countInRow(d.picture, row, black), 47 * 5 + 2);
        }
        QCOMPARE(countInRow(d.picture, Picture1Surface::row(0), black), 0);
    }

    void displacedDotsLandWhereTheirRowsPutThem()
    {
        Picture1Surface d;
        WavePairModel m;
        m.showLongitudinal = 1;
        m.y[10] = 2;  // longitudinal: 3 to the left; transverse: 1 down
        m.y[20] = -1; // 1.5 to the right; 0.5 up
        m.y[11] = 3;  // odd masses are not drawn
        wavepair::drawWaves(m, d.picture);

        QCOMPARE(pixelAt(d.picture, Picture1Surface::column(8), Picture1Surface::row(-1)), black);
        QCOMPARE(pixelAt(d.picture, Picture1Surface::column(11), Picture1Surface::row(-1)), light);
        QCOMPARE(pixelAt(d.picture, Picture1Surface::column(11), Picture1Surface::row(2)), black);
        QCOMPARE(pixelAt(d.picture, Picture1Surface::column(11), Picture1Surface::row(1)), light);
        QCOMPARE(pixelAt(d.picture, Picture1Surface::column(22.5), Picture1Surface::row(-1)), black);
        QCOMPARE(pixelAt(d.picture, Picture1Surface::column(21), Picture1Surface::row(0.5)), black);
        QCOMPARE(countInRow(d.picture, Picture1Surface::row(2.5), black), 0); // mass 11 would be here
        QCOMPARE(countInRow(d.picture, Picture1Surface::row(2), black), 5);   // one dot 5 pixels across
        QCOMPARE(m.yDrawn[10], 2.0);
        QCOMPARE(m.yDrawn[11], 0.0);

        // The next pass erases at yDrawn and draws at y.
        m.y[10] = 0;
        m.y[20] = 0;
        wavepair::drawWaves(m, d.picture);
        QCOMPARE(pixelAt(d.picture, Picture1Surface::column(8), Picture1Surface::row(-1)), light);
        QCOMPARE(pixelAt(d.picture, Picture1Surface::column(11), Picture1Surface::row(2)), light);
        QCOMPARE(pixelAt(d.picture, Picture1Surface::column(21), Picture1Surface::row(0.5)), light);
        QCOMPARE(pixelAt(d.picture, Picture1Surface::column(11), Picture1Surface::row(1)), black);
        // A dot 5 pixels across has rows of 3, 5, 5, 5 and 3 pixels; of the
        // one on the edge, rows of 1, 2, 2, 2 and 1 show.
        QCOMPARE(countAll(d.picture, black), 2 * (47 * 21 + 8));
    }

    void rowsThatAreOffAreNotDrawnButYDrawnFollows()
    {
        Picture1Surface d;
        WavePairModel m;
        m.showTransverse = 0;
        m.y[30] = 1;
        wavepair::drawWaves(m, d.picture);
        QCOMPARE(countAll(d.picture, black), 0);
        QCOMPARE(m.yDrawn[30], 1.0);
    }

    void runawayValuesAreSkippedNotDrawn()
    {
        Picture1Surface d;
        WavePairModel m;
        m.showLongitudinal = 1;
        m.y[4] = 1e300;
        m.y[6] = -std::numeric_limits<double>::infinity();
        m.y[8] = std::numeric_limits<double>::quiet_NaN();
        m.y[12] = 1e6;
        wavepair::drawWaves(m, d.picture);
        wavepair::drawWaves(m, d.picture);
        for (const int i : {4, 6, 8, 12}) {
            QCOMPARE(pixelAt(d.picture, Picture1Surface::column(i + 1), Picture1Surface::row(1)), light);
        }
        QCOMPARE(pixelAt(d.picture, Picture1Surface::column(11), Picture1Surface::row(1)), black);
    }

    void pictogramsAreALoudspeakerAndADoubleArrow()
    {
        // The inset fields: 1455 x 1215 and 1455 x 2655 twips.
        DrawingSurface picture2;
        picture2.resize(97, 81);
        picture2.setScale({-150, -100, 300, 200});
        picture2.setBackColor(wavepair::insetBackground);
        DrawingSurface picture3;
        picture3.resize(97, 177);
        picture3.setScale({-1, -2, 4, 4});
        picture3.setBackColor(wavepair::insetBackground);

        wavepair::DrawSymbols(picture2, picture3);
        QCOMPARE(picture2.DrawWidth(), 2);
        QCOMPARE(picture3.DrawWidth(), 3);

        const auto on2 = [&](double x, double y) {
            const QPointF p = picture2.toPixel(x, y);
            return near(picture2, p.x(), p.y(), picture2.ForeColor());
        };
        QVERIFY(on2(-50, 0)); // the square's sides
        QVERIFY(on2(50, 20));
        QVERIFY(on2(0, -50));
        QVERIFY(on2(100, -75)); // the flaring lines
        QVERIFY(on2(100, 75));
        QVERIFY(!on2(0, 0)); // an outline, not a filled square
        QVERIFY(!on2(-100, 0));

        const auto on3 = [&](double x, double y) {
            const QPointF p = picture3.toPixel(x, y);
            return near(picture3, p.x(), p.y(), picture3.ForeColor());
        };
        QVERIFY(on3(1, -1)); // the shaft
        QVERIFY(on3(1, 1));
        QVERIFY(on3(0.9, -1.4)); // the heads
        QVERIFY(on3(1.1, 1.4));
        QVERIFY(on3(0.85, 0));  // the rest mark
        QVERIFY(!on3(1, -1.8)); // the shaft ends at the heads
        QVERIFY(!on3(0.85, 0.5));
    }
};

QTEST_MAIN(WavePairDisplayTest)
#include "wavepair_display_test.moc"
