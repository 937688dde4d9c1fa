#include "desktop/kettlab/Form1.hpp"
#include "desktop/paarlab/Form1.hpp"

#include "FormDriver.hpp"
#include "desktop/DrawingSurface.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusFrame>
#include <QLineEdit>
#include <QMenu>
#include <QPointingDevice>
#include <QStyleFactory>
#include <QTest>

namespace {

using formDriver::Active;

template <typename Form> void tabOrder(const QStringList& expected)
{
    Active<Form> w;
    const auto* frame = w.form.template findChild<QFocusFrame*>();
    if (frame == nullptr) {
        QFAIL("no focus frame");
    }
    QVERIFY(!frame->isVisible()); // until the keyboard moves the focus
    QWidget* first = w.template get<>(expected.first().toLatin1().constData());
    first->clearFocus();
    first->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (qsizetype k = 0; k < expected.size(); ++k) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr);
        visited << focus->objectName();
        // The focus is framed, whatever the control draws itself.
        QVERIFY(frame->isVisible());
        QVERIFY(frame->geometry().contains(focus->geometry()));
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(visited, expected);
    QCOMPARE(QApplication::focusWidget()->objectName(), expected.first()); // round the window
}

template <typename Form> void windowKeys()
{
    Active<Form> w;
    auto& m = w.form.model();
    auto* halt = w.template get<QAbstractButton>("Command11");

    w.key(Qt::Key_F5);
    QCOMPARE(m.halted, 1);
    QCOMPARE(halt->text(), QStringLiteral("Weiter"));
    QTRY_VERIFY(!w.form.isRunning());
    m.y[10] = 1;
    w.key(Qt::Key_F8);
    QCOMPARE(m.y[10], 0.0);
    w.key(Qt::Key_F7);
    QCOMPARE(m.harmonic, 1);
    w.key(Qt::Key_F7);
    QCOMPARE(m.harmonic, 0);
    if (m.halted == 1) { // PAARLAB's excitation resumes; KETTLAB's does not
        w.key(Qt::Key_F5);
    }
    QCOMPARE(m.halted, 0);
    QCOMPARE(halt->text(), QStringLiteral("Halt"));
    QVERIFY(w.form.isRunning());

    // Typing into a text field: none of the keys fires.
    auto* typing = new QLineEdit(&w.form);
    typing->show();
    typing->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), typing);
    for (const int k : {Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8}) {
        QTest::keyClick(typing, static_cast<Qt::Key>(k));
    }
    QCOMPARE(m.halted, 0);
    QCOMPARE(m.harmonic, 0);
    delete typing;
}

// Up and Down step the left end by a tenth as a left drag to that height
// would set it; Home puts it back to 0. limit: the last height a drag reaches.
template <typename Form> void handKeys(const char* surfaceName, double limit)
{
    Active<Form> w;
    QVERIFY(w.haltByKey());
    auto& m = w.form.model();
    auto* surface = w.template get<desktop::DrawingSurface>(surfaceName);
    surface->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), surface);
    const auto dragTo = [](double y) {
        return static_cast<double>(static_cast<float>(y));
    };

    for (int k = 0; k < 3; ++k) {
        w.key(Qt::Key_Up);
    }
    QCOMPARE(m.y[0], dragTo(-0.3));
    w.key(Qt::Key_Down);
    QCOMPARE(m.y[0], dragTo(-0.2));
    w.key(Qt::Key_Home);
    QCOMPARE(m.y[0], 0.0);
    for (int k = 0; k < 50; ++k) {
        w.key(Qt::Key_Down);
    }
    QCOMPARE(m.y[0], dragTo(limit));
    QCOMPARE(m.halted, 1); // keys drive the end, nothing else
}

// While halted one pass runs and is drawn; while running the key does nothing.
template <typename Form> void singleStep()
{
    Active<Form> w;
    auto& m = w.form.model();
    m.y[0] = 1.5; // so that a pass changes the chain
    const auto before = m;
    w.key(Qt::Key_F6);
    QCOMPARE(m.v, before.v);

    QVERIFY(w.haltByKey());
    auto expected = m;
    expected.advance();
    const QImage picture = w.picture()->image().copy();
    w.key(Qt::Key_F6);
    QCOMPARE(m.y, expected.y);
    QCOMPARE(m.v, expected.v);
    QCOMPARE(m.yDrawn[0], 1.5); // drawn where it now is
    QVERIFY(w.picture()->image() != picture);
    QCOMPARE(m.halted, 1);
    QTest::qWait(50);
    QCOMPARE(m.y, expected.y); // and stays halted
}

// F9 and the panel's menu open and close the recorder; the picture keeps its
// right button for the tape and shows no menu.
template <typename Form> void recorderSwitch(const char* panelLabel)
{
    Active<Form> w;
    const auto recorder = [&w] {
        return w.form.infoWindow("Messschreiber");
    };
    w.key(Qt::Key_F9);
    QVERIFY(recorder() != nullptr && recorder()->isVisible());
    QCOMPARE(formDriver::caption(*recorder(), "Legend1"), QStringLiteral("Masse 10"));
    QTest::keyClick(recorder(), Qt::Key_F9);
    QVERIFY(!recorder()->isVisible());

    const auto menuAt = [](QWidget* under) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), under->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(under, &event);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    };
    QCOMPARE(menuAt(w.picture()), nullptr);
    // A finger held on the panel opens the menu below it: lifting the finger chooses nothing.
    static QPointingDevice* const finger = QTest::createTouchDevice(); // one for the whole test
    const QPoint at = w.template get<>(panelLabel)->mapTo(&w.form, QPoint(3, 3));
    QTest::touchEvent(&w.form, finger).press(0, at, &w.form);
    QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr);
    QTest::touchEvent(&w.form, finger).release(0, at, &w.form);
    QApplication::activePopupWidget()->close();
    QVERIFY(!recorder()->isVisible());

    QMenu* menu = menuAt(w.template get<>(panelLabel));
    QVERIFY(menu != nullptr);
    menu->actions().first()->trigger(); // which closes the menu
    QVERIFY(recorder()->isVisible());
    recorder()->close(); // the title bar's close button
    QVERIFY(!recorder()->isVisible());
    w.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.form));
    w.key(Qt::Key_F9);
    QVERIFY(recorder()->isVisible());
}

// With the recorder open, Ctrl and the left button on the surface pick the
// mass under the pointer; the left button alone does what it always did.
template <typename Form> void recorderPicksByCtrlClick()
{
    Active<Form> w;
    w.key(Qt::Key_F9);
    const QWidget& recorder = *w.form.infoWindow("Messschreiber");
    const struct {
        double x;
        bool ctrl;
        std::array<int, 3> masses;
    } picks[] = {{40.8, false, {10, 22, 0}}, {40.8, true, {10, 22, 40}}, {40.8, true, {10, 22, 0}},
        {10.8, true, {0, 22, 0}}, {50.8, true, {50, 22, 0}}, {60.8, true, {50, 22, 60}}, {70.8, true, {50, 22, 70}}};
    double end = 0;
    for (const auto& p : picks) {
        const QPointF at = w.picture()->toPixel(p.x, p.ctrl ? 2.0 : 1.0);
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, w.picture()->mapToGlobal(at), Qt::LeftButton,
                type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                p.ctrl ? Qt::ControlModifier : Qt::NoModifier);
            QApplication::sendEvent(w.picture(), &event);
        }
        end = p.ctrl ? end : w.form.model().y[0];
        for (int k = 0; k < 3; ++k) {
            const std::string name = "HScroll" + std::to_string(k + 1);
            QCOMPARE(formDriver::control<QScrollBar>(recorder, name.c_str())->value(), p.masses.at(k));
        }
    }
    QCOMPARE(formDriver::caption(recorder, "Legend3"), QStringLiteral("Masse 70"));
    QCOMPARE(w.form.model().y[0], end); // a pick's moves drive nothing
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

    void tabVisitsEveryControlPanelByPanel()
    {
        tabOrder<chain::Form1>({"Picture1", "HScroll1", "HScroll2", "Command7", "Command5", "Command11", "Command1",
            "Command2", "HScroll3", "Command8", "Command9", "Command3", "Command4", "command6", "Option1"});
        tabOrder<wavepair::Form1>({"Picture1", "Picture3", "HScroll1", "HScroll2", "Command7", "Command5", "Command11",
            "HScroll3", "Command9", "Command2", "Command3", "Command1", "Command4"});
    }

    void functionKeysPressTheirButtonsExceptWhileTyping()
    {
        windowKeys<chain::Form1>();
        windowKeys<wavepair::Form1>();
    }

    void arrowKeysDriveTheLeftEndAsADragWould()
    {
        handKeys<chain::Form1>("Picture1", 3.0);
        handKeys<wavepair::Form1>("Picture3", 1.9);
    }

    void recorderOpensByF9AndThePanelMenuNotOnThePicture()
    {
        recorderSwitch<chain::Form1>("Label1");
        recorderSwitch<wavepair::Form1>("Label1");
    }

    void recorderPicksByCtrlClick()
    {
        ::recorderPicksByCtrlClick<chain::Form1>();
        ::recorderPicksByCtrlClick<wavepair::Form1>();
    }

    void singleStepRunsOnePassOnlyWhileHalted()
    {
        singleStep<chain::Form1>();
        singleStep<wavepair::Form1>();
        // KETTLAB's clock advances by dt.
        Active<chain::Form1> w;
        QVERIFY(w.haltByKey());
        const double t = w.form.model().t;
        w.key(Qt::Key_F6);
        QCOMPARE(w.form.model().t, t + w.form.model().dt);
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
