#include "chain/Form1.hpp"
#include "wavepair/Form1.hpp"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <memory>

namespace {

// A 1024 x 768 screen at 96 dpi.
const QSizeF screen1024(15360, 11520);

QString accessible(const QWidget& form, const char* name, QAccessible::Text text)
{
    auto* control = form.findChild<QWidget*>(QString::fromLatin1(name));
    if (control == nullptr) {
        qFatal("no control %s", name);
    }
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face != nullptr ? face->text(text) : QString();
}

void click(const QWidget& form, const char* name)
{
    form.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
}

// What a screen reader reads: a name and a description for every control,
// lamps that say their state, and a display that says what it shows.
template <typename Form>
void readsAsAScreenReaderWould(const QList<const char*>& controls, const char* toggle, const char* lamp,
    const QString& lampBefore, const QString& lampAfter, const QString& runningSentence)
{
    auto form = std::make_unique<Form>(screen1024);
    form->Form_Load();
    for (const char* control : controls) {
        QVERIFY2(!accessible(*form, control, QAccessible::Name).isEmpty(), control);
        QVERIFY2(!accessible(*form, control, QAccessible::Description).isEmpty(), control);
    }
    QCOMPARE(accessible(*form, lamp, QAccessible::Name), lampBefore);
    click(*form, toggle);
    QCOMPARE(accessible(*form, lamp, QAccessible::Name), lampAfter);

    QCOMPARE(accessible(*form, "Picture1", QAccessible::Description), runningSentence);
    click(*form, "Command11");
    QCOMPARE(accessible(*form, "Command11", QAccessible::Name), QStringLiteral("Weiter"));
    QVERIFY(accessible(*form, "Picture1", QAccessible::Description).endsWith(QStringLiteral("angehalten.")));
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
        chain::Form1 form(screen1024);
        form.Form_Load();
        click(form, "Option2");
        click(form, "Command7");
        QCOMPARE(accessible(form, "Picture1", QAccessible::Description),
            QStringLiteral("Die Pendelkette aus 97 Massen, das linke Ende harmonisch angeregt, die Bewegung läuft."));
        QCOMPARE(accessible(form, "Text5", QAccessible::Name), QStringLiteral("Harmonische Anregung: an"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
