#include "chain/ChainModel.hpp"
#include "core/FormDesign.hpp"
#include "desktop/ClassicControls.hpp"
#include "desktop/DrawingSurface.hpp"
#include "desktop/kettlab/Form1.hpp"

#include "FormDriver.hpp"
#include "SurfacePixels.hpp"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <memory>
#include <random>
#include <string_view>
#include <vector>

using chain::Form1;
using core::RGB;
using core::Rgb;
using desktop::DrawingSurface;
using formDriver::click;
using formDriver::control;
using formDriver::mouseAt;
using formDriver::screen1024;
using surfacePixels::black;
using surfacePixels::light;
using surfacePixels::pink;
using surfacePixels::rgbAt;
using LoadedForm = formDriver::Shown<Form1>;

namespace {

constexpr Rgb magenta = RGB(255, 0, 255);
constexpr Rgb red = RGB(255, 0, 0);
constexpr Rgb grey = RGB(192, 192, 192);

Rgb pixelAtUser(const DrawingSurface& s, double x, double y)
{
    const QPointF p = s.toPixel(x, y) * s.image().devicePixelRatio();
    return rgbAt(s.image(), static_cast<int>(p.x()), static_cast<int>(p.y()));
}

// Pixels of the given colour in the image column at user x, between two user heights.
int paintedInColumn(const DrawingSurface& s, double x, double yFrom, double yTo, Rgb colour)
{
    const int column = static_cast<int>(s.toPixel(x, 0).x());
    const int from = static_cast<int>(s.toPixel(0, yFrom).y());
    const int to = static_cast<int>(s.toPixel(0, yTo).y());
    int n = 0;
    for (int row = std::max(0, from); row <= std::min(s.image().height() - 1, to); ++row) {
        n += rgbAt(s.image(), column, row) == colour ? 1 : 0;
    }
    return n;
}

void rightDrag(DrawingSurface* s, double fromX, double fromY, double toX)
{
    mouseAt(s, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, fromX, fromY);
    mouseAt(s, QEvent::MouseMove, Qt::NoButton, Qt::RightButton, toX, fromY + 0.7);
}

} // namespace

class ChainFormTest : public QObject {
    Q_OBJECT

    // One loaded window for the table rows that only read it.
    std::unique_ptr<Form1> form_;

private slots:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        form_ = std::make_unique<Form1>(screen1024);
        form_->Form_Load();
        form_->hide(); // so that closing another window still ends the event loop
    }
    void cleanupTestCase() { form_.reset(); }

    void windowIsSizedAndLaidOutFromTheScreen()
    {
        LoadedForm f;
        QCOMPARE(f.form.outerSize(), QSizeF(14899.2, 11174.4));
        QCOMPARE(f.form.frameGeometry().size(), QSize(993, 745));
        QCOMPARE(f.form.frameGeometry().topLeft(), QPoint(0, 0));
        const DrawingSurface* p = f.picture();
        // The surface spans the full client width, from y = 2 to 2002 of 3000.
        QCOMPARE(p->width(), f.form.width());
        QCOMPARE(p->y(), qRound(2.0 * f.form.height() / 3000));
        QCOMPARE(p->geometry().bottom() + 1, qRound(2002.0 * f.form.height() / 3000));
        // Labels on the surface stand at their user positions.
        QCOMPARE(control<QLabel>(f.form, "Label4")->pos(), p->toPixel(85, -2.8).toPoint());
        QCOMPARE(control<QLabel>(f.form, "Label6")->pos(), p->toPixel(1, 2.4).toPoint());
        // Controls in a box keep their design twips.
        QCOMPARE(control<QScrollBar>(f.form, "HScroll2")->geometry(), QRect(8, 56, 129, 25));
    }

    void controlSitsAtItsDesignPlace_data()
    {
        QTest::addColumn<QRectF>("place"); // in the window's units, 4000 x 3000
        QTest::newRow("Picture1") << QRectF(0, 2, 4000, 2000);
        QTest::newRow("Frame3D1") << QRectF(0, 2020, 1000, 980);
        QTest::newRow("Frame3D3") << QRectF(1020, 2020, 1200, 480);
        QTest::newRow("Frame3D5") << QRectF(1020, 2520, 1200, 480);
        QTest::newRow("Frame3D2") << QRectF(2240, 2020, 800, 320);
        QTest::newRow("Frame3D4") << QRectF(2240, 2340, 800, 320);
        QTest::newRow("Frame3D6") << QRectF(2240, 2660, 800, 340);
        QTest::newRow("Frame3D7") << QRectF(3060, 2250, 830, 850);
        QTest::newRow("command6") << QRectF(3060, 2020, 830, 200);
    }

    void controlSitsAtItsDesignPlace()
    {
        QFETCH(QRectF, place);
        QCOMPARE(form_->placeOf(control<QWidget>(*form_, QTest::currentDataTag())), place);
    }

    void captionIsExactAndFits_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("Label3") << QStringLiteral("Festes Ende ");
        QTest::newRow("Label4") << QStringLiteral("Loses Ende");
        QTest::newRow("Label5") << QStringLiteral("Dämpfung on");
        QTest::newRow("Label6") << QStringLiteral("Bewegung mit Maus");
        QTest::newRow("Label7") << QStringLiteral("m = 1");
        QTest::newRow("Label8") << QStringLiteral("m = 4");
        QTest::newRow("Label1") << QStringLiteral("Amplitude");
        QTest::newRow("Label2") << QStringLiteral("Periode");
        QTest::newRow("Command7") << QStringLiteral("Harmonisch On/Off");
        QTest::newRow("Label13") << QStringLiteral("Anregung von Hand:");
        QTest::newRow("Label14") << QStringLiteral("Linke Maustaste drücken ");
        QTest::newRow("Label15") << QStringLiteral("und festes Ende ziehen");
        QTest::newRow("Command9") << QStringLiteral("On/Off");
        QTest::newRow("Label9") << QStringLiteral("On");
        QTest::newRow("Command5") << QStringLiteral("Löschen");
        QTest::newRow("Command11") << QStringLiteral("Halt");
        QTest::newRow("Command1") << QStringLiteral("v(i) = 0");
        QTest::newRow("Command2") << QStringLiteral("y(i) = 0");
        QTest::newRow("Command3") << QStringLiteral("On/Off");
        QTest::newRow("Label10") << QStringLiteral("Off");
        QTest::newRow("Command8") << QStringLiteral("Start");
        QTest::newRow("Label11") << QStringLiteral("langsam - schnell");
        QTest::newRow("Command4") << QStringLiteral("On/Off");
        QTest::newRow("Label12") << QStringLiteral("Off");
        QTest::newRow("Option1") << QStringLiteral("Kugel-Feder-Kette");
        QTest::newRow("Option2") << QStringLiteral("Pendelkette");
        QTest::newRow("command6") << QStringLiteral("Info");
        QTest::newRow("Frame3D5") << QStringLiteral("   Uhr              Zeitablauf");
        QTest::newRow("Frame3D1") << QStringLiteral("Anregung am linken Ende");
        QTest::newRow("Text2") << QStringLiteral("1");
        QTest::newRow("Text3") << QStringLiteral("25");
        QTest::newRow("Text5") << QStringLiteral("Off");
        QTest::newRow("Text4") << QStringLiteral("    0");
    }

    // Every caption as designed, and wide enough for its text.
    void captionIsExactAndFits()
    {
        QFETCH(QString, caption);
        const QByteArray name = QTest::currentDataTag();
        QCOMPARE(formDriver::caption(*form_, name.constData()), caption);
        const QWidget* w = control<QWidget>(*form_, name.constData());
        const int needed = w->fontMetrics().horizontalAdvance(caption.trimmed());
        const int room = w->width() - (qobject_cast<const QLabel*>(w) != nullptr ? 0 : 8);
        QVERIFY(needed <= room);
    }

    void startTextsTitleAndIndicators()
    {
        LoadedForm f;
        QCOMPARE(f.form.windowTitle(),
            QStringLiteral("Schwingbahn  - Kugel-Feder-Kette (Torsionswellenleiter)    ")
                + QString::fromUtf8(core::makerNotice));
        QVERIFY(!control<QLabel>(f.form, "Label7")->isVisible());
        QVERIFY(!control<QLabel>(f.form, "Label8")->isVisible());
        QVERIFY(!control<QLineEdit>(f.form, "Text1")->isVisible());
        QVERIFY(control<QRadioButton>(f.form, "Option1")->isChecked());
        QCOMPARE(desktop::backColor(control<QLabel>(f.form, "Label9")), red);
        QCOMPARE(desktop::backColor(control<QLabel>(f.form, "Label10")), grey);
    }

    void startSceneIsAStraightRowWithTheDampingMarker()
    {
        LoadedForm f;
        f.passes(2);
        QVERIFY(f.halt());
        const DrawingSurface& p = *f.picture();
        for (int i = 0; i < 98; ++i) {
            QCOMPARE(pixelAtUser(p, i + 1, 0), black);
        }
        QCOMPARE(pixelAtUser(p, 98, -2), pink);
        QCOMPARE(pixelAtUser(p, 98, 2), pink);
        QCOMPARE(pixelAtUser(p, 50, -2), light);
        QCOMPARE(pixelAtUser(p, 99.5, 0), light);
    }

    void haltStopsAndWeiterResumesWithoutLosingAStep()
    {
        LoadedForm f;
        click(f.form, "Command7");
        f.passes(20);
        QVERIFY(f.halt());
        QCOMPARE(formDriver::caption(f.form, "Command11"), QStringLiteral("Weiter"));
        QCOMPARE(formDriver::caption(f.form, "Label6"), QStringLiteral("Halt"));
        const chain::ChainModel atHalt = f.form.model();
        QTest::qWait(150);
        QCOMPARE(f.form.model().t, atHalt.t);
        QCOMPARE(f.form.model().y, atHalt.y);

        click(f.form, "Command11");
        QCOMPARE(formDriver::caption(f.form, "Command11"), QStringLiteral("Halt"));
        QCOMPARE(formDriver::caption(f.form, "Label6"), QStringLiteral("Harmonisch bewegt"));
        QVERIFY(f.form.isRunning());
        f.passes(15);
        QVERIFY(f.halt());

        // The same number of passes run straight through gives the same chain.
        chain::ChainModel reference;
        reference.harmonic = 1;
        const auto passes = std::lround(f.form.model().t / reference.dt);
        for (long k = 0; k < passes; ++k) {
            reference.advance();
        }
        QCOMPARE(f.form.model().y, reference.y);
        QCOMPARE(f.form.model().v, reference.v);
    }

    void clockButtonStartsFromZeroAndTheBoxShowsTheTime()
    {
        LoadedForm f;
        control<QScrollBar>(f.form, "HScroll3")->setValue(3);
        QCOMPARE(f.form.model().dt, 0.15);
        click(f.form, "Command8");
        QCOMPARE(formDriver::caption(f.form, "Command8"), QStringLiteral("   Stopp"));
        QVERIFY(f.form.model().t < 0.5);
        f.passes(3);
        QVERIFY(f.halt());
        // Two blanks, then the time to a hundredth with the German comma.
        QVERIFY2(QRegularExpression(QStringLiteral("^  [1-9][0-9]*(,[0-9]{1,2})?$"))
                     .match(formDriver::caption(f.form, "Text4"))
                     .hasMatch(),
            qPrintable(formDriver::caption(f.form, "Text4")));
        click(f.form, "Command8");
        QCOMPARE(formDriver::caption(f.form, "Command8"), QStringLiteral("   Start"));
    }

    void togglesSwitchOnFirstWithTheirIndicatorsAndMarkers()
    {
        LoadedForm f;
        f.passes(1);
        QVERIFY(f.halt());
        const DrawingSurface& p = *f.picture();

        click(f.form, "Command7");
        QCOMPARE(formDriver::caption(f.form, "Text5"), QStringLiteral("On"));
        QCOMPARE(desktop::backColor(control<QLineEdit>(f.form, "Text5")), red);
        QCOMPARE(formDriver::caption(f.form, "Label6"), QStringLiteral("Harmonisch bewegt"));
        QVERIFY(!control<QLabel>(f.form, "Label14")->isVisible());
        click(f.form, "Command7");
        QCOMPARE(formDriver::caption(f.form, "Text5"), QStringLiteral("Off"));
        QCOMPARE(formDriver::caption(f.form, "Label6"), QStringLiteral("Bewegung mit Maus"));
        QVERIFY(control<QLabel>(f.form, "Label14")->isVisible());

        click(f.form, "Command9");
        QCOMPARE(formDriver::caption(f.form, "Label5"), QStringLiteral("Dämpfung off"));
        QCOMPARE(formDriver::caption(f.form, "Label9"), QStringLiteral("Off"));
        QCOMPARE(desktop::backColor(control<QLabel>(f.form, "Label9")), grey);
        QCOMPARE(paintedInColumn(p, 98, -3, -0.5, pink), 0);
        click(f.form, "Command9");
        QVERIFY(paintedInColumn(p, 98, -3, -0.5, pink) > 100);
        QCOMPARE(formDriver::caption(f.form, "Label9"), QStringLiteral("On"));

        click(f.form, "Command4");
        QCOMPARE(formDriver::caption(f.form, "Label12"), QStringLiteral("On"));
        QVERIFY(paintedInColumn(p, 48, -3, -0.5, magenta) > 100);
        QCOMPARE(p.DrawWidth(), 4);
        click(f.form, "Command4");
        QCOMPARE(paintedInColumn(p, 48, -3, -0.5, magenta), 0);

        click(f.form, "Command3");
        QVERIFY(control<QLabel>(f.form, "Label7")->isVisible());
        QVERIFY(control<QLabel>(f.form, "Label8")->isVisible());
        QCOMPARE(formDriver::caption(f.form, "Label10"), QStringLiteral("On"));
        QVERIFY(paintedInColumn(p, 47.5, -3, -0.5, p.ForeColor()) > 100);
        click(f.form, "Command3");
        QVERIFY(!control<QLabel>(f.form, "Label7")->isVisible());
        // Switching off clears the surface and redraws the damping marker only.
        QCOMPARE(paintedInColumn(p, 47.5, -3, -0.5, p.ForeColor()), 0);
        QCOMPARE(pixelAtUser(p, 20, 0), light);
        QVERIFY(paintedInColumn(p, 98, -3, -0.5, pink) > 100);
    }

    void haltWithRefractionRedrawsTheBoundary()
    {
        LoadedForm f;
        click(f.form, "Command3");
        f.passes(5);
        QVERIFY(f.halt());
        QVERIFY(paintedInColumn(*f.picture(), 47.5, -3, -0.5, f.picture()->ForeColor()) > 100);
    }

    void clearingButtonsReachTheChainAndThePicture()
    {
        LoadedForm f;
        click(f.form, "Command7");
        f.passes(30);
        QVERIFY(f.halt());
        const auto& m = f.form.model();
        const double y5 = m.y[5];
        QVERIFY(y5 != 0 && m.v[5] != 0);

        click(f.form, "Command1");
        QCOMPARE(m.v[5], 0.0);
        click(f.form, "Command2");
        QCOMPARE(m.y[5], 0.0);
        QCOMPARE(pixelAtUser(*f.picture(), 6, y5), light);
        click(f.form, "Command5");
        QCOMPARE(m.t, 0.0);
        QCOMPARE(formDriver::caption(f.form, "Command11"), QStringLiteral("Weiter"));
    }

    void barsSetPeriodAndAmplitudeAndShowThem()
    {
        LoadedForm f;
        f.form.model().tHarm = 7;
        control<QScrollBar>(f.form, "HScroll2")->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(formDriver::caption(f.form, "Text3"), QStringLiteral("35"));
        QCOMPARE(f.form.model().tHarm, 0.0);
        control<QScrollBar>(f.form, "HScroll1")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(f.form.model().amplitude, 1.1);
        QCOMPARE(formDriver::caption(f.form, "Text2"), QStringLiteral("1,1"));
    }

    void carrierOptionsSetRestoringAndTitle()
    {
        LoadedForm f;
        click(f.form, "Option2");
        QCOMPARE(f.form.model().restoring, 2.1F);
        QVERIFY(control<QRadioButton>(f.form, "Option2")->isChecked());
        QVERIFY(!control<QRadioButton>(f.form, "Option1")->isChecked());
        QCOMPARE(f.form.windowTitle(),
            QStringLiteral("Schwingbahn - Pendelkette") + QString(36, ' ') + QString::fromUtf8(core::makerNotice));
        click(f.form, "Option1");
        QCOMPARE(f.form.model().restoring, 2.0F);
        QCOMPARE(f.form.windowTitle(),
            QStringLiteral("Schwingbahn - Torsionskette") + QString(19, ' ') + QString::fromUtf8(core::makerNotice));
    }

    void leftDragMovesTheDrivenEnd()
    {
        LoadedForm f;
        QVERIFY(f.halt());
        DrawingSurface* p = f.picture();
        mouseAt(p, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, 40, 0.5);
        mouseAt(p, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, 60, -1.25);
        QVERIFY(std::abs(f.form.model().y[0] + 1.25) < 0.01);
        QVERIFY(std::abs(f.form.model().downY - 0.5F) < 0.01F);
        mouseAt(p, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton | Qt::RightButton, 60, 2);
        QVERIFY(std::abs(f.form.model().y[0] + 1.25) < 0.01);
    }

    void tapeShowsTicksAndTheDistanceCutToATenth_data()
    {
        // A right drag from (fromX, fromY) to toX; the length box; the last
        // tick drawn and the first one not drawn (the end rounds halves up).
        QTest::addColumn<double>("fromX");
        QTest::addColumn<double>("fromY");
        QTest::addColumn<double>("toX");
        QTest::addColumn<QString>("length");
        QTest::addColumn<double>("lastTick");
        QTest::addColumn<double>("noTick");
        QTest::newRow("rightwards") << 10.3 << -2.0 << 14.6 << QStringLiteral("4,3") << 14.3 << 15.3;
        QTest::newRow("cut, not rounded") << 5.0 << -1.0 << 17.38 << QStringLiteral("12,3") << 17.0 << 18.0;
        QTest::newRow("end below a half") << 10.0 << 1.0 << 14.49 << QStringLiteral("4,4") << 14.0 << 15.0;
        QTest::newRow("end at a half") << 10.0 << 1.0 << 14.5 << QStringLiteral("4,5") << 15.0 << 16.0;
        QTest::newRow("leftwards") << 30.0 << -1.0 << 29.99 << QStringLiteral("-0,1") << 30.0 << 31.0;
        QTest::newRow("leftwards, end 10") << 20.0 << -1.0 << 19.85 << QStringLiteral("-0,2") << 20.0 << 21.0;
    }

    void tapeShowsTicksAndTheDistanceCutToATenth()
    {
        QFETCH(double, fromX);
        QFETCH(double, fromY);
        QFETCH(double, toX);
        QFETCH(QString, length);
        QFETCH(double, lastTick);
        QFETCH(double, noTick);
        LoadedForm f;
        QVERIFY(f.halt());
        DrawingSurface* p = f.picture();
        const auto* text1 = control<QLineEdit>(f.form, "Text1");
        const Rgb fore = p->ForeColor();

        rightDrag(p, fromX, fromY, toX);
        QVERIFY(text1->isVisible());
        QCOMPARE(text1->text(), length);
        QVERIFY(std::abs(text1->x() - p->toPixel(toX, 0).x()) <= 1);
        QVERIFY(std::abs(text1->y() - p->toPixel(0, fromY - 0.5).y()) <= 1);
        // Ticks rise from the press height: the long one (10 steps) at the press point only.
        QVERIFY(paintedInColumn(*p, lastTick, fromY - 0.09, fromY, fore) > 0);
        QCOMPARE(paintedInColumn(*p, noTick, fromY - 0.2, fromY, fore), 0);
        QVERIFY(paintedInColumn(*p, fromX, fromY - 0.19, fromY - 0.16, fore) > 0);
        if (lastTick != fromX) {
            QCOMPARE(paintedInColumn(*p, lastTick, fromY - 0.2, fromY - 0.175, fore), 0);
        }
        QCOMPARE(p->DrawWidth(), 4);
    }

    void tapeBoxGoesWithAnyOtherMove()
    {
        LoadedForm f;
        QVERIFY(f.halt());
        DrawingSurface* p = f.picture();
        const auto* text1 = control<QLineEdit>(f.form, "Text1");
        rightDrag(p, 30, -1, 35);
        mouseAt(p, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton | Qt::RightButton, 40, -1);
        QVERIFY(!text1->isVisible());
        rightDrag(p, 30, -1, 35);
        mouseAt(p, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, 36, -1);
        QVERIFY(!text1->isVisible());
    }

    void infoWindowsAreCreatedOnceAndLeaveTheRunGoing()
    {
        LoadedForm f;
        QVERIFY(f.form.infoWindow("Form2") == nullptr);
        for (int k = 0; k < 3; ++k) {
            click(f.form, "command6");
        }
        QWidget* form2 = f.form.infoWindow("Form2");
        if (form2 == nullptr) {
            QFAIL("no info window");
        }
        QVERIFY(form2->isVisible());
        int form2s = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            form2s += w->objectName() == QStringLiteral("Form2") ? 1 : 0;
        }
        QCOMPARE(form2s, 1);
        QVERIFY(form2->parentWidget() == nullptr);
        QCOMPARE(form2->windowTitle(),
            QStringLiteral("Informationen zu \"Schwingbahn - Kugel-Feder-Kette (Torsionswellenleiter)\""));
        QCOMPARE(desktop::backColor(form2->findChild<QLabel*>(QStringLiteral("Label1"))), RGB(255, 192, 192));
        QCOMPARE(desktop::backColor(form2->findChild<QLabel*>(QStringLiteral("Label9"))), light);

        QVERIFY(f.form.infoWindow("Form3") == nullptr);
        QTest::mouseClick(form2->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        QVERIFY(f.form.infoWindow("Form3") != nullptr);
        QVERIFY(f.form.infoWindow("Form3")->isVisible());
        QVERIFY(f.form.infoWindow("Form3")->windowTitle().startsWith(
            QStringLiteral("Informationen zu \"Schwingbahn - Pendelkette\"") + QString(17, ' ')));
        form2->close();
        QVERIFY(f.form.infoWindow("Form3")->isVisible());

        f.passes(5);
        QVERIFY(f.form.isRunning());
    }

    void eventStormLeavesTheProgramSoundAndResponsive()
    {
        LoadedForm f;
        std::mt19937 random(20261207);
        std::vector<const char*> buttons = {"Command1", "Command2", "Command3", "Command4", "Command5", "Command7",
            "Command8", "Command9", "Command11", "Option1", "Option2"};
        const auto& m = f.form.model();

        // Running and halting at random, then with the run halted throughout.
        formDriver::storm(f.form, random, buttons, {f.picture()}, 4000);
        QVERIFY(formDriver::allFinite(m) && std::isfinite(m.t));
        QVERIFY(f.halt());
        const double haltedAt = m.t;
        std::erase(buttons, std::string_view("Command11"));
        formDriver::storm(f.form, random, buttons, {f.picture()}, 2000);
        QCOMPARE(m.t, haltedAt);
        QVERIFY(!f.form.isRunning());
        QVERIFY(formDriver::allFinite(m));

        click(f.form, "Command11");
        f.passes(2);
        QVERIFY(f.halt());
        const double t = m.t;
        QTest::qWait(100);
        QCOMPARE(m.t, t);
    }

    void closingTheWindowEndsTheProgram()
    {
        auto* form = new Form1(screen1024);
        form->Form_Load();
        QTest::mouseClick(control<QPushButton>(*form, "command6"), Qt::LeftButton);
        QTimer::singleShot(200, form, &QWidget::close);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!form->isVisible());
        QVERIFY(!form->infoWindow("Form2")->isVisible());
        delete form;
    }
};

QTEST_MAIN(ChainFormTest)
#include "chain_form_test.moc"
