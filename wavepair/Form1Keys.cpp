#include "Form1Keys.hpp"

#include "Form1.hpp"

#include "surface/DrawingSurface.hpp"
#include "surface/KeyboardAccess.hpp"

#include <QAbstractButton>

namespace wavepair {

namespace {

// A tenth of a unit per key, 40 steps over the height of the field.
constexpr double handStep = 0.1;

using surface::designControl;

// A lamp is on while it is shown.
bool lit(const Form1& form, const char* lamp)
{
    return !designControl(form, lamp)->isHidden();
}

QString surfaceSentence(const Form1& form)
{
    const bool transverse = lit(form, "Label9");
    const bool longitudinal = lit(form, "Label10");
    QString rows = QStringLiteral("ohne sichtbare Reihe");
    if (transverse && longitudinal) {
        rows = QStringLiteral("als Querwelle und als Längswelle");
    } else if (transverse) {
        rows = QStringLiteral("als Querwelle");
    } else if (longitudinal) {
        rows = QStringLiteral("als Längswelle");
    }
    const bool automatic = lit(form, "Label7");
    const bool halted = designControl<QAbstractButton>(form, "Command11")->text() == QStringLiteral("Weiter");
    return QStringLiteral("Die Kette aus 98 Massen %1, das linke Ende %2, %3, die Bewegung %4.")
        .arg(rows, automatic ? QStringLiteral("automatisch angeregt") : QStringLiteral("von Hand bewegt"),
            lit(form, "Label8") ? QStringLiteral("das rechte Ende reflektiert")
                                : QStringLiteral("das rechte Ende schluckt die Wellen"),
            halted ? QStringLiteral("angehalten") : QStringLiteral("läuft"));
}

// The texts that follow the state: the lamps, the button whose caption
// changes, and the sentence of the display.
void refresh(const Form1& form)
{
    struct Lamp {
        const char* name;
        const char* setting;
    };
    for (const Lamp& lamp : {Lamp{"Label7", "Automatische Anregung"}, Lamp{"Label8", "Reflektor"},
             Lamp{"Label9", "Querwelle"}, Lamp{"Label10", "Längswelle"}}) {
        designControl(form, lamp.name)
            ->setAccessibleName(surface::stateText(QString::fromUtf8(lamp.setting), lit(form, lamp.name)));
    }
    designControl(form, "Command11")->setAccessibleName(designControl<QAbstractButton>(form, "Command11")->text());
    // The display's keys are read out after what it shows; it has no
    // tooltip, which would cover the waves.
    designControl(form, "Picture1")
        ->setAccessibleDescription(
            surfaceSentence(form) + QStringLiteral(" Strg+C kopiert das Bild, Strg+S speichert es."));
}

void nameControls(const Form1& form)
{
    const surface::ControlText texts[] = {
        {"Picture1", "Anzeige von Längs- und Querwelle", ""},
        {"Picture2", "Sinnbild der Längswelle", "Zeigt, wie die Punkte der Längswelle schwingen."},
        {"Picture3", "Feld für die Anregung von Hand",
            "Pfeil hoch und runter bewegen das linke Ende, Pos1 setzt es auf null."},
        {"HScroll1", "Amplitude", "Amplitude der automatischen Anregung, von klein bis groß."},
        {"HScroll2", "Frequenz", "Frequenz der automatischen Anregung, von klein bis groß."},
        {"Command7", "Automatische Anregung ein/aus",
            "Schaltet die automatische Anregung ein und aus; einschalten lässt die Bewegung laufen. Taste F7."},
        {"Label7", "", "Zeigt, ob die automatische Anregung an ist."},
        {"Command5", "Löschen", "Setzt die Kette in Ruhe und die Anregung auf ihren Anfang. Taste F8."},
        {"Command11", "",
            "Hält die Bewegung an oder lässt sie weiterlaufen. Taste F5; angehalten macht F6 einen Einzelschritt."},
        {"HScroll3", "Zeitablauf", "Geschwindigkeit des Zeitablaufs, von langsam bis schnell."},
        {"Command9", "Reflektor ein/aus", "Hält das rechte Ende fest, sodass die Wellen zurückkommen, oder löst es."},
        {"Label8", "", "Zeigt, ob der Reflektor an ist."},
        {"Command2", "Querwelle ein/aus", "Zeigt die Querwelle oder blendet sie aus."},
        {"Label9", "", "Zeigt, ob die Querwelle gezeigt wird."},
        {"Command3", "Längswelle ein/aus", "Zeigt die Längswelle oder blendet sie aus."},
        {"Label10", "", "Zeigt, ob die Längswelle gezeigt wird."},
        {"Command1", "Ende", "Beendet das Programm."},
        {"Command4", "I", "Ohne Wirkung."},
    };
    surface::describeControls(form, texts);
    designControl(form, "Command11")->setToolTip(QStringLiteral("Halt / Weiter (F5); angehalten: Einzelschritt (F6)"));
    designControl(form, "Command7")->setToolTip(QStringLiteral("Automatische Anregung ein/aus (F7)"));
    designControl(form, "Command5")->setToolTip(QStringLiteral("Löschen (F8)"));
}

} // namespace

void installKeys(Form1& form)
{
    auto* display = designControl<surface::DrawingSurface>(form, "Picture1");
    auto* handField = designControl<surface::DrawingSurface>(form, "Picture3");
    surface::setTabChain(&form,
        {display, handField, designControl(form, "HScroll1"), designControl(form, "HScroll2"),
            designControl(form, "Command7"), designControl(form, "Command5"), designControl(form, "Command11"),
            designControl(form, "HScroll3"), designControl(form, "Command9"), designControl(form, "Command2"),
            designControl(form, "Command3"), designControl(form, "Command1"), designControl(form, "Command4")});

    nameControls(form);
    surface::addProgramKeys(&form,
        {QStringLiteral("PAARLAB"), display, handField,
            [&form] {
                return form.model().y[0];
            },
            handStep,
            [&form] {
                form.singleStep();
            },
            [&form] {
                refresh(form);
            }});
}

} // namespace wavepair
