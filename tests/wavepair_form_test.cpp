#include "desktop/paarlab/Form1.hpp"
#include "wavepair/WavePairDisplay.hpp"

#include "FormDriver.hpp"
#include "SurfacePixels.hpp"
#include "core/FormDesign.hpp"
#include "core/TouchHold.hpp"
#include "desktop/ClassicControls.hpp"
#include "desktop/DrawingSurface.hpp"
#include "desktop/RunDriver.hpp"
#include "desktop/TouchAsMouse.hpp"

#include <memory>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using core::RGB;
using core::Rgb;
using desktop::DrawingSurface;
using wavepair::Form1;

namespace {

using formDriver::sendMouse;
using surfacePixels::allBackground;
using surfacePixels::countInColumn;

// The window laid out for a 1024 x 768 screen and loaded, as the program
// starts it.
struct Loaded : formDriver::Loaded<Form1> {
    QPushButton* button(const char* name) const { return get<QPushButton>(name); }
    QLabel* label(const char* name) const { return get<QLabel>(name); }

    // Whether exactly one run goes on: passes come, and no faster than one
    // driver makes them at the teaching rate.
    bool oneRun() const
    {
        QElapsedTimer clock;
        clock.start();
        const long long start = form.passesRun();
        QTest::qWait(300);
        const long long ran = form.passesRun() - start;
        const long long most
            = clock.elapsed() * desktop::RunDriver::passesPerSecond / 1000 + desktop::RunDriver::maxPassesPerTick;
        return ran > 0 && ran <= most;
    }
};

} // namespace

class WavePairFormTest : public QObject {
    Q_OBJECT

private slots:
    void windowAndSurfacesTakeTheirDesignScales()
    {
        Loaded w;
        QCOMPARE(w.form.windowTitle(),
            QStringLiteral("Längs- und Querwelle im Vergleich") + QString(46, QLatin1Char(' '))
                + QString::fromUtf8(core::makerNotice));
        // 0.99 of 15360 x 11520 twips, 15 twips to the pixel.
        QCOMPARE(w.form.frameGeometry().size(), QSize(1014, 760));
        QCOMPARE(w.form.scale().width, 4000.0);
        QCOMPARE(w.form.scale().height, 3000.0);
        const auto scaleOf = [&](const char* name) {
            const core::UserScale& s = w.picture(name)->scale();
            return QRectF(s.left, s.top, s.width, s.height);
        };
        QCOMPARE(scaleOf("Picture1"), QRectF(-10, -3, 105, 6));
        QCOMPARE(scaleOf("Picture2"), QRectF(-150, -100, 300, 200));
        QCOMPARE(scaleOf("Picture3"), QRectF(-1, -2, 4, 4));
        QCOMPARE(w.picture("Picture2")->parentWidget(), w.picture("Picture1"));
        QCOMPARE(w.button("Command11")->parentWidget()->objectName(), QStringLiteral("Frame3D3"));
        QCOMPARE(desktop::backColor(w.label("Label3")), RGB(128, 128, 128));
        QCOMPARE(desktop::backColor(w.button("Command7")), RGB(255, 128, 0));
        QCOMPARE(desktop::backColor(w.button("Command9")), RGB(255, 128, 128));
        QVERIFY(w.label("Label1")->font().bold());

        // Of the lamps only "Querwelle"'s is lit at start.
        QVERIFY(!w.label("Label9")->isHidden());
        for (const char* hidden : {"Label7", "Label8", "Label10", "Label3"}) {
            QVERIFY2(w.label(hidden)->isHidden(), hidden);
        }
        QVERIFY(w.picture("Picture2")->isHidden());
    }

    void controlSitsAtItsDesignPlace_data()
    {
        // Geometry in the parent's pixels (null: not checked), caption, point size (0: not checked).
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<double>("points");
        QTest::newRow("Picture1") << QRect(0, 16, 1009, 521) << QString() << 0.0;
        QTest::newRow("Picture2") << QRect(0, 136, 97, 81) << QString() << 0.0;
        QTest::newRow("Picture3") << QRect(0, 256, 97, 177) << QString() << 0.0;
        QTest::newRow("Label5") << QRect(0, 440, 97, 41) << QStringLiteral(" Anregung    mit Maus") << 0.0;
        QTest::newRow("Label3") << QRect(968, 0, 41, 529) << QString() << 0.0;
        QTest::newRow("Frame3D1") << QRect(0, 536, 289, 177) << QStringLiteral("Automatische Anregung") << 12.0;
        QTest::newRow("Frame3D3") << QRect(304, 536, 209, 89) << QStringLiteral("Steuerfunktionen") << 12.0;
        QTest::newRow("Frame3D5") << QRect(304, 624, 209, 89) << QStringLiteral("Zeitablauf") << 12.0;
        QTest::newRow("Frame3D2") << QRect(536, 536, 137, 177) << QStringLiteral("Reflektor") << 12.0;
        QTest::newRow("Frame3D4") << QRect(680, 536, 185, 177) << QStringLiteral("Einzelschaltungen") << 12.0;
        QTest::newRow("Command1") << QRect(888, 544, 105, 33) << QStringLiteral("Ende") << 0.0;
        QTest::newRow("Command4") << QRect() << QStringLiteral("I") << 0.0;
        QTest::newRow("Command7") << QRect(192, 88, 81, 57) << QStringLiteral("On/Off") << 8.25;
        QTest::newRow("klein") << QRect() << QStringLiteral("klein") << 0.0;
        QTest::newRow("Label6") << QRect() << QStringLiteral("groß") << 0.0;
        QTest::newRow("Label1") << QRect() << QStringLiteral("Amplitude") << 12.0;
    }

    void controlSitsAtItsDesignPlace()
    {
        QFETCH(QRect, place);
        QFETCH(QString, caption);
        QFETCH(double, points);
        Loaded w;
        const QWidget* c = w.get<QWidget>(QTest::currentDataTag());
        if (!place.isNull()) {
            QCOMPARE(c->geometry(), place);
        }
        if (!caption.isNull()) {
            QCOMPARE(formDriver::caption(w.form, QTest::currentDataTag()), caption);
        }
        if (points > 0) {
            QCOMPARE(c->font().pointSizeF(), points);
        }
    }

    void barStartsWithItsDesignRange_data()
    {
        QTest::addColumn<QList<int>>("range"); // minimum, maximum, large change, value
        QTest::newRow("HScroll1") << QList<int>{0, 20, 1, 10};
        QTest::newRow("HScroll2") << QList<int>{1, 80, 10, 40};
        QTest::newRow("HScroll3") << QList<int>{2, 40, 1, 20};
    }

    void barStartsWithItsDesignRange()
    {
        QFETCH(QList<int>, range);
        Loaded w;
        const auto* bar = w.get<QScrollBar>(QTest::currentDataTag());
        QCOMPARE((QList<int>{bar->minimum(), bar->maximum(), bar->pageStep(), bar->value()}), range);
    }

    void captionsFitTheirControls()
    {
        Loaded w;
        for (const QPushButton* b : w.form.findChildren<QPushButton*>()) {
            QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) + 6 <= b->width(), qPrintable(b->text()));
        }
        for (const QGroupBox* g : w.form.findChildren<QGroupBox*>()) {
            QVERIFY2(g->fontMetrics().horizontalAdvance(g->title()) <= g->width(), qPrintable(g->title()));
        }
        for (const QLabel* l : w.form.findChildren<QLabel*>()) {
            if (!l->text().isEmpty()) {
                QVERIFY2(l->heightForWidth(l->width()) <= l->height(), qPrintable(l->text()));
            }
        }
    }

    void runsFromLoadAndDrawsTheChainAndThePictograms()
    {
        Loaded w;
        QVERIFY(w.form.isRunning());
        QTRY_VERIFY(w.form.passesRun() >= 2);
        QVERIFY(w.halt());
        for (const char* name : {"Picture1", "Picture2", "Picture3"}) {
            QVERIFY2(!allBackground(*w.picture(name)), name);
        }
    }

    void haltAndWeiterStopAndResumeTheOneDriver()
    {
        Loaded w;
        QVERIFY(w.halt());
        QCOMPARE(w.button("Command11")->text(), QStringLiteral("Weiter"));
        QCOMPARE(w.form.model().halted, 1);
        const long long stopped = w.form.passesRun();
        QTest::qWait(100);
        QCOMPARE(w.form.passesRun(), stopped);

        w.click("Command11");
        QCOMPARE(w.button("Command11")->text(), QStringLiteral("Halt"));
        QVERIFY(w.form.isRunning());
        QTRY_VERIFY(w.form.passesRun() > stopped);
        QVERIFY(w.oneRun());
    }

    void rowSwitchTogglesItsLampAndClearsTheDisplay_data()
    {
        QTest::addColumn<QString>("lamp");
        QTest::addColumn<bool>("drawnAfterWeiter");
        QTest::newRow("Command2") << QStringLiteral("Label9") << false; // "Querwelle" off: no row left on
        QTest::newRow("Command3") << QStringLiteral("Label10") << true; // "Längswelle" on
    }

    void rowSwitchTogglesItsLampAndClearsTheDisplay()
    {
        QFETCH(QString, lamp);
        QFETCH(bool, drawnAfterWeiter);
        Loaded w;
        QTRY_VERIFY(w.form.passesRun() >= 1);
        QVERIFY(w.halt());
        DrawingSurface* picture1 = w.picture("Picture1");
        const QLabel* shown = w.label(qPrintable(lamp));
        const bool wasLit = !shown->isHidden();
        QVERIFY(!allBackground(*picture1));

        w.click(QTest::currentDataTag());
        QCOMPARE(shown->isHidden(), wasLit);
        // The longitudinal field goes with its row.
        QCOMPARE(w.picture("Picture2")->isHidden(), w.label("Label10")->isHidden());
        QVERIFY(allBackground(*picture1));
        // Halted, nothing is redrawn until "Weiter".
        QTest::qWait(60);
        QVERIFY(allBackground(*picture1));
        w.click("Command11");
        const long long passes = w.form.passesRun();
        QTRY_VERIFY(w.form.passesRun() > passes + 3);
        QCOMPARE(!allBackground(*picture1), drawnAfterWeiter);

        w.click(QTest::currentDataTag());
        QCOMPARE(shown->isHidden(), !wasLit);
    }

    void excitationOnResumesTheRunAndOffLeavesItRunning()
    {
        Loaded w;
        QVERIFY(w.halt());
        w.click("Command7");
        QCOMPARE(w.button("Command11")->text(), QStringLiteral("Halt"));
        QVERIFY(!w.label("Label7")->isHidden());
        QVERIFY(w.label("Label5")->isHidden());
        QCOMPARE(desktop::backColor(w.button("Command7")), RGB(255, 0, 0));
        QVERIFY(w.oneRun());

        w.click("Command7");
        QVERIFY(w.label("Label7")->isHidden());
        QVERIFY(!w.label("Label5")->isHidden());
        QCOMPARE(desktop::backColor(w.button("Command7")), RGB(255, 128, 0));
        QVERIFY(w.oneRun());
    }

    void reflectorSwitchesLampAndBarButDoesNotStart()
    {
        Loaded w;
        QVERIFY(w.halt());
        for (const bool on : {true, false}) {
            w.click("Command9");
            QCOMPARE(w.label("Label8")->isHidden(), !on);
            QCOMPARE(w.label("Label3")->isHidden(), !on);
        }
        QTest::qWait(50);
        QVERIFY(!w.form.isRunning());
    }

    void barsSetAmplitudeFrequencyAndStep()
    {
        Loaded w;
        const auto& m = w.form.model();
        w.get<QScrollBar>("HScroll1")->setValue(20);
        QCOMPARE(m.amplitude, 2.0);
        w.get<QScrollBar>("HScroll2")->setValue(80);
        QCOMPARE(m.omega, 0.5026548245743669); // 2 pi * 80 / 1000
        w.get<QScrollBar>("HScroll3")->setValue(2);
        QCOMPARE(m.dt, 0.02);
    }

    // Running, it never nests a run; halted, it clears and stays halted.
    void loeschenClearsWithoutStartingOrNestingARun()
    {
        Loaded w;
        for (int k = 0; k < 20; ++k) {
            const long long before = w.form.passesRun();
            w.click("Command5");
            QCOMPARE(w.form.passesRun(), before);
        }
        QVERIFY(w.oneRun());

        w.click("Command7");
        QTRY_VERIFY(w.form.model().tHarm > 1);
        QVERIFY(w.halt());
        const long long passes = w.form.passesRun();
        w.click("Command5");
        QVERIFY(allBackground(*w.picture("Picture1")));
        QCOMPARE(w.form.model().tHarm, 0.0);
        QCOMPARE(w.button("Command11")->text(), QStringLiteral("Weiter"));
        QTest::qWait(60);
        QVERIFY(!w.form.isRunning());
        QCOMPARE(w.form.passesRun(), passes);
        QVERIFY(allBackground(*w.picture("Picture1")));
    }

    void theInfoButtonDoesNothing()
    {
        Loaded w;
        QVERIFY(w.halt());
        const auto before = w.form.model().y;
        const QImage image = w.picture("Picture1")->image();
        w.click("Command4");
        QTest::qWait(30);
        QVERIFY(w.form.model().y == before);
        QCOMPARE(w.picture("Picture1")->image(), image);
        QVERIFY(!w.form.isRunning());
        QVERIFY(w.form.isVisible());
    }

    void handExcitationFollowsTheLeftButtonInsideTheField()
    {
        Loaded w;
        QVERIFY(w.halt());
        DrawingSurface* field = w.picture("Picture3");
        const auto& m = w.form.model();
        const auto userY = [&](double pixelY) {
            return static_cast<double>(static_cast<float>(field->toUser({10, pixelY}).y()));
        };

        // The press counts wherever it lands; 177 pixels are 4 units.
        sendMouse(field, QEvent::MouseButtonPress, {10, -20}, Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(m.y[0], userY(-20));
        QVERIFY(m.y[0] < -2);
        sendMouse(field, QEvent::MouseMove, {10, 60}, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(m.y[0], userY(60));
        // |Y| >= 2 on move and release: ignored, the edges included.
        for (const double outside : {0.0, 177.0, -40.0, 300.0}) {
            sendMouse(field, QEvent::MouseMove, {10, outside}, Qt::NoButton, Qt::LeftButton);
            sendMouse(field, QEvent::MouseButtonRelease, {10, outside}, Qt::LeftButton, Qt::NoButton);
            QCOMPARE(m.y[0], userY(60));
        }
        sendMouse(field, QEvent::MouseButtonRelease, {10, 150}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(m.y[0], userY(150));

        // Only the left button, and a move only with the left button alone.
        sendMouse(field, QEvent::MouseButtonPress, {10, 20}, Qt::RightButton, Qt::RightButton);
        sendMouse(field, QEvent::MouseMove, {10, 30}, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
        sendMouse(field, QEvent::MouseMove, {10, 40}, Qt::NoButton, Qt::RightButton);
        sendMouse(field, QEvent::MouseButtonRelease, {10, 50}, Qt::RightButton, Qt::NoButton);
        QCOMPARE(m.y[0], userY(150));
        QVERIFY(w.halt()); // nothing restarted the run
    }

    void markerLineFollowsOneButtonAndStaysOnlyForTheRight()
    {
        Loaded w;
        QVERIFY(w.halt());
        DrawingSurface* picture1 = w.picture("Picture1");
        w.click("Command2");
        w.click("Command2");
        QVERIFY(allBackground(*picture1));
        const Rgb fore = picture1->ForeColor();
        // A line of width 1 over the full height, within a pixel of the column
        // (the pointer's x goes to user units as a 32-bit float and back).
        const auto lineAt = [&](int column) {
            for (int c = column - 1; c <= column + 1; ++c) {
                if (countInColumn(*picture1, c, fore) == picture1->height()) {
                    return true;
                }
            }
            return false;
        };
        const auto send = [&](QEvent::Type type, int column, Qt::MouseButton button, Qt::MouseButtons held) {
            sendMouse(picture1, type, {static_cast<double>(column), 300.0}, button, held);
            QCOMPARE(picture1->DrawWidth(), 5);
        };

        // Left: the line follows the pointer and goes on release.
        send(QEvent::MouseButtonPress, 200, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(lineAt(200));
        QCOMPARE(w.form.markerX(), static_cast<float>(picture1->toUser({200, 300}).x()));
        send(QEvent::MouseMove, 260, Qt::NoButton, Qt::LeftButton);
        QVERIFY(!lineAt(200));
        QVERIFY(lineAt(260));
        send(QEvent::MouseButtonRelease, 260, Qt::LeftButton, Qt::NoButton);
        QVERIFY(allBackground(*picture1));

        // Right: the line drawn last stays; a move with both buttons changes nothing.
        send(QEvent::MouseButtonPress, 400, Qt::RightButton, Qt::RightButton);
        send(QEvent::MouseMove, 450, Qt::NoButton, Qt::RightButton);
        send(QEvent::MouseMove, 500, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
        send(QEvent::MouseButtonRelease, 500, Qt::RightButton, Qt::NoButton);
        QVERIFY(lineAt(450));
        QVERIFY(!lineAt(400));
        QVERIFY(!lineAt(500));
        QCOMPARE(w.form.markerX(), static_cast<float>(picture1->toUser({450, 300}).x()));

        // The middle button draws nothing.
        send(QEvent::MouseButtonPress, 600, Qt::MiddleButton, Qt::MiddleButton);
        send(QEvent::MouseMove, 610, Qt::NoButton, Qt::MiddleButton);
        QVERIFY(!lineAt(600));
        QVERIFY(!lineAt(610));

        // A left release away from the last reported position takes that line too.
        send(QEvent::MouseButtonPress, 700, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, 720, Qt::LeftButton, Qt::NoButton);
        QVERIFY(!lineAt(700));
        QVERIFY(!lineAt(720));
        QVERIFY(lineAt(450));

        w.click("Command2"); // a cleared display takes the lines with it
        QVERIFY(allBackground(*picture1));
    }

    // A finger on the display, on the hand field inside it and on a button acts once as the mouse would: logged
    // is what reaches the program, at the surface's pixel. The finger comes down at the first point of its path,
    // rests holdMs there, and is lifted at the last. In the hand field, where the right button does nothing, a
    // finger held still is the left button.
    void aFingerActsOnceAsTheMouse()
    {
        formDriver::Shown<Form1> w;
        QStringList log;
        for (DrawingSurface* s : {w.picture("Picture1"), w.picture("Picture3")}) {
            for (auto [signal, what] : {std::pair{&DrawingSurface::mouseDown, "down"},
                     std::pair{&DrawingSurface::mouseMove, "move"}, std::pair{&DrawingSurface::mouseUp, "up"}}) {
                connect(s, signal, [&log, s, what = what](int button, int /*shift*/, float x, float y) {
                    const QPoint p = s->toPixel(x, y).toPoint();
                    log << QStringLiteral("%1 %2 %3,%4").arg(what).arg(button).arg(p.x()).arg(p.y());
                });
            }
        }
        connect(w.get<QPushButton>("Command5"), &QPushButton::clicked, [&log] {
            log << "clicked";
        });
        const int held = core::touch::holdMilliseconds + 200;
        const std::tuple<const char*, int, QList<QPoint>, QStringList> gestures[]
            = {{"Picture1", 0, {{300, 100}, {300, 160}}, {"down 1 300,100", "move 1 300,160", "up 1 300,160"}},
                {"Picture1", held, {{400, 100}, {460, 100}},
                    {"down 2 400,100", "move 2 400,100", "move 2 460,100", "up 2 460,100"}},
                {"Picture1", 0, {{500, 100}, {502, 101}}, {"down 1 500,100", "up 1 500,100"}}, // a tap with a tremble
                {"Picture3", held, {{50, 20}, {50, 150}}, {"down 1 50,20", "move 1 50,150", "up 1 50,150"}},
                {"Command5", 0, {{20, 10}}, {"clicked"}}};
        const std::unique_ptr<QPointingDevice> finger(QTest::createTouchDevice()); // ours to delete
        for (const auto& [target, holdMs, path, expected] : gestures) {
            log.clear();
            QWidget* widget = w.get<>(target);
            QTest::touchEvent(&w.form, finger.get()).press(0, path.front(), widget);
            QTest::qWait(holdMs);
            for (const QPoint& p : path.mid(1)) {
                QTest::touchEvent(&w.form, finger.get()).move(0, p, widget);
            }
            QTest::touchEvent(&w.form, finger.get()).release(0, path.back(), widget);
            QTest::qWait(50); // whatever came late would be here now
            QCOMPARE(log, expected);
        }
    }

    void thePictogramsComeBackWithANewBackingImage()
    {
        Loaded w;
        DrawingSurface* field = w.picture("Picture3");
        const QSize design = field->size();
        field->resize(design + QSize(1, 1));
        QCOMPARE(field->image().width(), design.width() + 1);
        QVERIFY(!allBackground(*field));
        field->resize(design);
        QVERIFY(!allBackground(*field));
    }

    void survivesAnEventStorm()
    {
        Loaded w;
        std::mt19937 random(20260);
        formDriver::storm(w.form, random,
            {"Command2", "Command3", "Command4", "Command5", "Command7", "Command9", "Command11"},
            {w.picture("Picture1"), w.picture("Picture3")}, 6000);

        const auto& m = w.form.model();
        QVERIFY(formDriver::allFinite(m) && std::isfinite(w.form.markerX()));
        QVERIFY(m.dt >= 0.02 && m.dt <= 0.4);
        QVERIFY(m.amplitude >= 0 && m.amplitude <= 2);
        QCOMPARE(m.reflector == 1, m.damping == 0);
        for (const std::int16_t flag : {m.halted, m.harmonic, m.reflector, m.showTransverse, m.showLongitudinal}) {
            QVERIFY(flag == 0 || flag == 1);
        }
        // It still answers: "Weiter" runs it, "Halt" stops it.
        if (m.halted == 1) {
            w.click("Command11");
        }
        QVERIFY(w.oneRun());
        w.click("Command11");
        QCOMPARE(w.button("Command11")->text(), QStringLiteral("Weiter"));
        QTRY_VERIFY(!w.form.isRunning());
    }

    void endAndClosingQuitWithStatusZero()
    {
        for (const bool byButton : {true, false}) {
            Loaded w;
            QTimer guard;
            guard.setSingleShot(true);
            connect(&guard, &QTimer::timeout, [] {
                QCoreApplication::exit(1);
            });
            guard.start(10000);
            QTimer::singleShot(50, &w.form, [&w, byButton] {
                if (byButton) {
                    w.click("Command1");
                } else {
                    w.form.close();
                }
            });
            QCOMPARE(QApplication::exec(), 0);
            QVERIFY(!w.form.isVisible());
        }
    }
};

QTEST_MAIN(WavePairFormTest)
#include "wavepair_form_test.moc"
