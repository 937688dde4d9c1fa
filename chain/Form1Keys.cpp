#include "Form1Keys.hpp"

#include "Form1.hpp"

#include "surface/DrawingSurface.hpp"
#include "surface/KeyboardAccess.hpp"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace chain {

namespace {

// One hand-key step moves the left end a tenth of a unit, the amplitude
// bar's step, so ten presses make the default amplitude.
constexpr double handStep = 0.1;

using surface::designControl;

bool showsOn(const Form1& form, const char* indicator)
{
    if (const auto* label = designControl<QLabel>(form, indicator)) {
        return label->text() == QStringLiteral("On");
    }
    return designControl<QLineEdit>(form, indicator)->text() == QStringLiteral("On");
}

QString surfaceSentence(const Form1& form)
{
    const bool pendulum = designControl<QRadioButton>(form, "Option2")->isChecked();
    const bool harmonic = showsOn(form, "Text5");
    const bool halted = designControl<QAbstractButton>(form, "Command11")->text() == QStringLiteral("Weiter");
    return QStringLiteral("Die %1 aus 97 Massen, das linke Ende %2, die Bewegung %3.")
        .arg(pendulum ? QStringLiteral("Pendelkette") : QStringLiteral("Kugel-Feder-Kette"),
            harmonic ? QStringLiteral("harmonisch angeregt") : QStringLiteral("von Hand bewegt"),
            halted ? QStringLiteral("angehalten") : QStringLiteral("läuft"));
}

// The texts that follow the state: lamps, the two buttons whose caption
// changes, and the sentence of the drawing surface.
void refresh(const Form1& form)
{
    struct Lamp {
        const char* name;
        const char* setting;
    };
    for (const Lamp& lamp : {Lamp{"Text5", "Harmonische Anregung"}, Lamp{"Label9", "Dämpfung"},
             Lamp{"Label10", "Brechung"}, Lamp{"Label12", "Hindernis"}}) {
        designControl(form, lamp.name)
            ->setAccessibleName(surface::stateText(QString::fromUtf8(lamp.setting), showsOn(form, lamp.name)));
    }
    designControl(form, "Label5")
        ->setAccessibleName(surface::stateText(QStringLiteral("Dämpfung"), showsOn(form, "Label9")));
    const QString haltCaption = designControl<QAbstractButton>(form, "Command11")->text();
    designControl(form, "Command11")->setAccessibleName(haltCaption);
    const bool clockRuns = designControl<QAbstractButton>(form, "Command8")->text().contains(QStringLiteral("Stopp"));
    designControl(form, "Command8")
        ->setAccessibleName(clockRuns ? QStringLiteral("Uhr anhalten") : QStringLiteral("Uhr starten"));
    // The surface's keys are read out after what it shows; it has no
    // tooltip, which would cover the wave.
    designControl(form, "Picture1")
        ->setAccessibleDescription(surfaceSentence(form)
            + QStringLiteral(" Pfeil hoch und runter bewegen das linke Ende, Pos1 setzt es auf null; "
                             "Strg+C kopiert das Bild, Strg+S speichert es."));
}

void nameControls(const Form1& form)
{
    const surface::ControlText texts[] = {
        {"Picture1", "Zeichenfläche der Kette", ""},
        {"HScroll1", "Amplitude", "Amplitude der harmonischen Anregung, 0 bis 2 in Zehnteln."},
        {"Text2", "Amplitude, Anzeige", "Die eingestellte Amplitude."},
        {"HScroll2", "Periode", "Periode der harmonischen Anregung, 1 bis 60 Zeiteinheiten."},
        {"Text3", "Periode, Anzeige", "Die eingestellte Periode."},
        {"Command7", "Harmonische Anregung ein/aus",
            "Schaltet die harmonische Anregung des linken Endes ein und aus. Taste F7."},
        {"Text5", "", "Zeigt, ob die harmonische Anregung an ist."},
        {"Command9", "Dämpfung ein/aus", "Schaltet die Dämpfung am rechten Ende ein und aus."},
        {"Label9", "", "Zeigt, ob die Dämpfung an ist."},
        {"Command5", "Löschen", "Setzt Auslenkungen, Geschwindigkeiten, Anregung und Uhr auf null. Taste F8."},
        {"Command11", "",
            "Hält die Bewegung an oder lässt sie weiterlaufen. Taste F5; angehalten macht F6 einen "
            "Einzelschritt."},
        {"Command1", "Geschwindigkeiten auf null", "Setzt alle Geschwindigkeiten v(i) auf null."},
        {"Command2", "Auslenkungen auf null", "Setzt alle Auslenkungen y(i) auf null."},
        {"Command3", "Brechung ein/aus", "Macht die rechte Hälfte der Kette viermal so schwer und wieder leicht."},
        {"Label10", "", "Zeigt, ob die Brechung an ist."},
        {"Command4", "Hindernis ein/aus", "Schaltet die Reibung an der mittleren Masse ein und aus."},
        {"Label12", "", "Zeigt, ob das Hindernis an ist."},
        {"Text4", "Uhr", "Die Zeit seit dem Start der Uhr."},
        {"Command8", "", "Startet die Uhr bei null oder hält sie an."},
        {"HScroll3", "Zeitablauf", "Geschwindigkeit des Zeitablaufs, von langsam bis schnell."},
        {"command6", "Info", "Öffnet das Infofenster zu den Modellen."},
        {"Option1", "Kugel-Feder-Kette", "Wellenträger: Massen nur durch Federn gekoppelt."},
        {"Option2", "Pendelkette", "Wellenträger: Massen als Pendel, zur Ruhelage zurückgezogen."},
        {"Label5", "", "Zeigt, ob die Dämpfung an ist."},
    };
    surface::describeControls(form, texts);
    designControl(form, "Command11")->setToolTip(QStringLiteral("Halt / Weiter (F5); angehalten: Einzelschritt (F6)"));
    designControl(form, "Command7")->setToolTip(QStringLiteral("Harmonische Anregung ein/aus (F7)"));
    designControl(form, "Command5")->setToolTip(QStringLiteral("Löschen (F8)"));
}

} // namespace

void installKeys(Form1& form)
{
    auto* picture = designControl<surface::DrawingSurface>(form, "Picture1");
    surface::setTabChain(&form,
        {picture, designControl(form, "HScroll1"), designControl(form, "HScroll2"), designControl(form, "Command7"),
            designControl(form, "Command5"), designControl(form, "Command11"), designControl(form, "Command1"),
            designControl(form, "Command2"), designControl(form, "HScroll3"), designControl(form, "Command8"),
            designControl(form, "Command9"), designControl(form, "Command3"), designControl(form, "Command4"),
            designControl(form, "command6"), designControl(form, "Option1"), designControl(form, "Option2")});

    nameControls(form);
    surface::addProgramKeys(&form,
        {QStringLiteral("KETTLAB"), picture, picture,
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

} // namespace chain
