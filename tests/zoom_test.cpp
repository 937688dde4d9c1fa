#include "chain/ChainForms.hpp"
#include "desktop/kettlab/Form1.hpp"
#include "desktop/paarlab/Form1.hpp"

#include "desktop/DrawingSurface.hpp"
#include "desktop/InfoWindow.hpp"
#include "desktop/Twips.hpp"
#include "desktop/Zoom.hpp"
#include "desktop/ZoomedStyle.hpp"

#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>

#include <cmath>
#include <map>
#include <memory>
#include <vector>

using core::RGB;
using desktop::DrawingSurface;

namespace {

enum class Program { kettlab, paarlab };

// The program's main window laid out and loaded for a screen of this size,
// at the zoom that fits it, as the program starts on that screen.
std::unique_ptr<desktop::ScaledForm> loadedFor(Program program, QSize screen)
{
    core::zoom::setFactor(desktop::zoom::fitting(screen));
    const QSizeF twips(desktop::twips::fromPixels(screen.width()), desktop::twips::fromPixels(screen.height()));
    if (program == Program::kettlab) {
        auto form = std::make_unique<chain::Form1>(twips);
        form->Form_Load();
        return form;
    }
    auto form = std::make_unique<wavepair::Form1>(twips);
    form->Form_Load();
    return form;
}

// Every control by its design name, group boxes left out: KETTLAB's
// carrier box reaches below the client area by design, its options do not.
std::map<QString, QWidget*> controlsOf(const QWidget& form)
{
    std::map<QString, QWidget*> controls;
    for (QWidget* w : form.findChildren<QWidget*>()) {
        if (!w->objectName().isEmpty() && qobject_cast<QGroupBox*>(w) == nullptr
            && !w->objectName().startsWith(QLatin1String("qt_"))) {
            controls[w->objectName()] = w;
        }
    }
    return controls;
}

bool nearly(double actual, double expected)
{
    return std::abs(actual - expected) <= 1.0;
}

QRect arrowButton(const QScrollBar& bar, QStyle::SubControl button)
{
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, button, &bar);
}

// Where a group box's frame may paint over its controls: its unnamed overlay.
QRegion borderOf(const QGroupBox& box)
{
    QRegion border;
    for (const QWidget* child : box.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->objectName().isEmpty()) {
            border += child->mask().translated(child->pos());
        }
    }
    return border;
}

} // namespace

class ZoomTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(new desktop::ZoomedStyle); }
    void cleanup() { core::zoom::setFactor(1.0); }

    void theDesignIsScaledToEveryScreen_data()
    {
        QTest::addColumn<Program>("program");
        QTest::addColumn<QSize>("screen");
        const QSize screens[]
            = {{800, 600}, {1024, 768}, {1280, 720}, {1366, 768}, {1920, 1080}, {2560, 1440}, {3840, 2160}};
        for (const auto& [program, name] : {std::pair{Program::kettlab, "KETTLAB"}, {Program::paarlab, "PAARLAB"}}) {
            for (const QSize& s : screens) {
                QTest::addRow("%s %dx%d", name, s.width(), s.height()) << program << s;
            }
        }
    }

    void theDesignIsScaledToEveryScreen()
    {
        QFETCH(Program, program);
        QFETCH(QSize, screen);
        // The design: the window at 1024 x 768 and zoom 1.
        const auto design = loadedFor(program, {1024, 768});
        const auto designControls = controlsOf(*design);
        const int designIndicator = design->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth);
        const double z = desktop::zoom::fitting(screen);
        const auto form = loadedFor(program, screen);
        QCOMPARE(core::zoom::factor(), z);

        const auto controls = controlsOf(*form);
        QCOMPARE(controls.size(), designControls.size());
        const QRect client = form->rect();
        const bool kettlab = program == Program::kettlab;
        const double fraction = kettlab ? 0.97 : 0.99;
        QVERIFY(nearly(form->frameGeometry().width(), fraction * screen.width()));
        QVERIFY(nearly(form->frameGeometry().height(), fraction * screen.height()));
        for (const auto& [name, control] : controls) {
            const QRect inForm(control->mapTo(form.get(), QPoint(0, 0)), control->size());
            QVERIFY2(client.contains(inForm), qPrintable(name));

            const QRectF d = designControls.at(name)->geometry();
            const QRect r = control->geometry();
            if (kettlab && control->parentWidget() == form.get()) {
                // KETTLAB places its boxes, the drawing surface and "Info" in
                // window units over the client area.
                const QRectF units = form->placeOf(control);
                const double sx = client.width() / 4000.0;
                const double sy = client.height() / 3000.0;
                QVERIFY2(nearly(r.x(), units.x() * sx) && nearly(r.y(), units.y() * sy)
                        && nearly(r.width(), units.width() * sx) && nearly(r.height(), units.height() * sy),
                    qPrintable(name));
                continue;
            }
            QVERIFY2(nearly(r.width(), d.width() * z) && nearly(r.height(), d.height() * z), qPrintable(name));
            // The labels on KETTLAB's surface stand at places in its units;
            // everything else keeps its design place in twips.
            if (!kettlab || control->parentWidget()->objectName() != QLatin1String("Picture1")) {
                QVERIFY2(nearly(r.x(), d.x() * z) && nearly(r.y(), d.y() * z), qPrintable(name));
            }
        }

        // The style follows the zoom: the indicators grow with it, a scroll
        // bar's arrow buttons are square, a box's frame stays off its controls.
        QVERIFY(nearly(form->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth), designIndicator * z));
        for (const QScrollBar* bar : form->findChildren<QScrollBar*>()) {
            QCOMPARE(arrowButton(*bar, QStyle::SC_ScrollBarSubLine).width(), bar->height());
            QCOMPARE(arrowButton(*bar, QStyle::SC_ScrollBarAddLine).width(), bar->height());
        }
        for (const QGroupBox* box : form->findChildren<QGroupBox*>()) {
            // Labels may reach the bottom edge by design; the top row keeps clear.
            std::map<int, std::vector<const QWidget*>> rows;
            for (const QWidget* control : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (!control->objectName().isEmpty()) {
                    rows[control->y()].push_back(control);
                }
            }
            const QRegion border = borderOf(*box);
            QVERIFY(!border.isEmpty());
            for (const QWidget* control : rows.begin()->second) {
                QVERIFY2(!border.intersects(control->geometry()), qPrintable(control->objectName()));
            }
        }
        // The info windows show all their text.
        if (kettlab) {
            QWidget info;
            QWidget pendulumInfo;
            desktop::buildInfoWindow(&info, chain::form2Design());
            desktop::buildInfoWindow(&pendulumInfo, chain::form3Design());
            for (const QWidget* window : {&info, &pendulumInfo}) {
                for (const QLabel* label : window->findChildren<QLabel*>()) {
                    QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->text()));
                }
            }
        }

        auto* picture = qobject_cast<DrawingSurface*>(controls.at("Picture1"));
        picture->Cls();
        picture->setDrawWidth(4);
        picture->PSet(50, 0, RGB(0, 0, 0));
        int widest = 0;
        for (int y = 0; y < picture->image().height(); ++y) {
            int n = 0;
            for (int x = 0; x < picture->image().width(); ++x) {
                n += picture->image().pixel(x, y) == qRgb(0, 0, 0) ? 1 : 0;
            }
            widest = std::max(widest, n);
        }
        QCOMPARE(widest, static_cast<int>(std::lround(4 * z)));
    }
};

QTEST_MAIN(ZoomTest)
#include "zoom_test.moc"
