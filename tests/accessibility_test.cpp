#include "desktop/kettlab/Form1.hpp"
#include "desktop/paarlab/Form1.hpp"

#include "FormDriver.hpp"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QTest>

namespace {

QString accessible(const QWidget& form, const char* name, QAccessible::Text text)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(formDriver::control<QWidget>(form, name));
    return face != nullptr ? face->text(text) : QString();
}

void click(const QWidget& form, const char* name)
{
    formDriver::control<QAbstractButton>(form, name)->click();
}

// What a screen reader reads: a name and a description for every control,
// lamps that say their state, and a display that says what it shows.
template <typename Form>
void readsAsAScreenReaderWould(const QList<const char*>& controls, const char* toggle, const char* lamp,
    const QString& lampBefore, const QString& lampAfter, const QString& runningSentence)
{
    const formDriver::Loaded<Form> w;
    for (const char* control : controls) {
        QVERIFY2(!accessible(w.form, control, QAccessible::Name).isEmpty(), control);
        QVERIFY2(!accessible(w.form, control, QAccessible::Description).isEmpty(), control);
    }
    QCOMPARE(accessible(w.form, lamp, QAccessible::Name), lampBefore);
    click(w.form, toggle);
    QCOMPARE(accessible(w.form, lamp, QAccessible::Name), lampAfter);

    // What the display shows, then its keys: it has no tooltip for them.
    const QString display = accessible(w.form, "Picture1", QAccessible::Description);
    QVERIFY2(display.startsWith(runningSentence) && display.contains(QStringLiteral("Strg+S")), qPrintable(display));
    click(w.form, "Command11");
    QCOMPARE(accessible(w.form, "Command11", QAccessible::Name), QStringLiteral("Weiter"));
    QVERIFY(accessible(w.form, "Picture1", QAccessible::Description).contains(QStringLiteral("angehalten.")));
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlIsNamedAndTheStateIsSpoken()
    {
        readsAsAScreenReaderWould<chain::Form1>(
            {"Picture1", "HScroll1", "Text2", "HScroll2", "Text3", "Command7", "Text5", "Command9", "Label9",
                "Command5", "Command11", "Command1", "Command2", "Command3", "Label10", "Command4", "Label12", "Text4",
                "HScroll3", "Command8", "command6", "Option1", "Option2", "Label5"},
            "Command9", "Label9", QStringLiteral("Dämpfung: an"), QStringLiteral("Dämpfung: aus"),
            QStringLiteral("Die Kugel-Feder-Kette aus 97 Massen, das linke Ende von Hand bewegt, die Bewegung läuft."));
        readsAsAScreenReaderWould<wavepair::Form1>(
            {"Picture1", "Picture2", "Picture3", "HScroll1", "HScroll2", "Command7", "Label7", "Command5", "Command11",
                "HScroll3", "Command9", "Label8", "Command2", "Label9", "Command3", "Label10", "Command1", "Command4"},
            "Command9", "Label8", QStringLiteral("Reflektor: aus"), QStringLiteral("Reflektor: an"),
            QStringLiteral("Die Kette aus 98 Massen als Querwelle, das linke Ende von Hand bewegt, das rechte Ende "
                           "reflektiert, die Bewegung läuft."));
    }

    void theDisplayNamesCarrierAndExcitation()
    {
        const formDriver::Loaded<chain::Form1> w;
        click(w.form, "Option2");
        click(w.form, "Command7");
        QVERIFY(accessible(w.form, "Picture1", QAccessible::Description)
                    .startsWith(QStringLiteral(
                        "Die Pendelkette aus 97 Massen, das linke Ende harmonisch angeregt, die Bewegung läuft.")));
        QCOMPARE(accessible(w.form, "Text5", QAccessible::Name), QStringLiteral("Harmonische Anregung: an"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
