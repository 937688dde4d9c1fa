#include "core/Raster.hpp"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <random>

namespace {

enum class Kind { vertical, horizontal, diagonal, anyDirection, point, shortLine, box };

constexpr int side = 48;
constexpr std::uint32_t back = 0xffffffe0;
constexpr std::uint32_t ink = 0xff000000;

// The pixels Qt paints for the same line, the reference the raster must match.
QImage painted(QPointF from, QPointF to, int pen, bool box)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(back);
    QPainter painter(&image);
    painter.setPen(QPen(QColor::fromRgb(ink), pen, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    if (box) {
        painter.drawRect(QRectF(from, to).normalized());
    } else {
        painter.drawLine(from, to);
    }
    return image;
}

} // namespace

class LinePixelsTest : public QObject {
    Q_OBJECT

private slots:
    void linesHaveQtsPixels_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("vertical") << Kind::vertical;
        QTest::newRow("horizontal") << Kind::horizontal;
        QTest::newRow("45 degrees") << Kind::diagonal;
        QTest::newRow("any direction") << Kind::anyDirection;
        QTest::newRow("no length") << Kind::point;
        QTest::newRow("short") << Kind::shortLine;
        QTest::newRow("rectangle") << Kind::box;
    }

    // Every pen from 1 to 12, ends anywhere or on grids from whole to 1/1024
    // pixel, partly beyond the edges.
    void linesHaveQtsPixels()
    {
        QFETCH(Kind, kind);
        std::mt19937 random(static_cast<unsigned>(kind) + 1);
        const auto coordinate = [&random](int i, double low, double high) {
            const double v = std::uniform_real_distribution<double>(low, high)(random);
            const double grid = std::array{1.0, 2.0, 64.0, 1024.0}[i % 4];
            return i % 5 == 0 ? v : std::round(v * grid) / grid;
        };
        for (int pen = 1; pen <= 12; ++pen) {
            for (int i = 0; i < 300; ++i) {
                const QPointF from(coordinate(i, -6, side + 6), coordinate(i, -6, side + 6));
                const double d = coordinate(i, -side / 2.0, side / 2.0);
                const QPointF to = std::array{QPointF(from.x(), from.y() + d), QPointF(from.x() + d, from.y()),
                    from + QPointF(d, i % 2 == 0 ? d : -d), QPointF(d + side / 2.0, coordinate(i, -6, side + 6)), from,
                    from + QPointF(d, coordinate(i, -side / 2.0, side / 2.0)) / 8,
                    QPointF(d + side / 2.0, coordinate(i, -6, side + 6))}[static_cast<int>(kind)];
                surface::Raster raster(side, side, back);
                if (kind == Kind::box) {
                    raster.box(from.x(), from.y(), to.x(), to.y(), pen, ink);
                } else {
                    raster.line(from.x(), from.y(), to.x(), to.y(), pen, ink);
                }
                const QImage expected = painted(from, to, pen, kind == Kind::box);
                const QImage drawn(reinterpret_cast<const uchar*>(raster.pixels()), side, side, QImage::Format_RGB32);
                if (drawn != expected) {
                    QFAIL(qPrintable(QStringLiteral("pen %1 from (%2, %3) to (%4, %5)")
                                         .arg(pen)
                                         .arg(from.x(), 0, 'g', 17)
                                         .arg(from.y(), 0, 'g', 17)
                                         .arg(to.x(), 0, 'g', 17)
                                         .arg(to.y(), 0, 'g', 17)));
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(LinePixelsTest)
#include "line_pixels_test.moc"
