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

template <typename T> T* find(const Form1& form, const char* name)
{
    return form.findChild<T*>(QString::fromLatin1(name));
}

QWidget* widget(const Form1& form, const char* name)
{
    return find<QWidget>(form, name);
}

bool showsOn(const Form1& form, const char* indicator)
{
    if (const auto* label = find<QLabel>(form, indicator)) {
        return label->text() == QStringLiteral("On");
    }
    return find<QLineEdit>(form, indicator)->text() == QStringLiteral("On");
}

QString surfaceSentence(const Form1& form)
{
    const bool pendulum = find<QRadioButton>(form, "Option2")->isChecked();
    const bool harmonic = showsOn(form, "Text5");
    const bool halted = find<QAbstractButton>(form, "Command11")->text() == QStringLiteral("Weiter");
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
        widget(form, lamp.name)
            ->setAccessibleName(surface::stateText(QString::fromUtf8(lamp.setting), showsOn(form, lamp.name)));
    }
    widget(form, "Label5")->setAccessibleName(surface::stateText(QStringLiteral("Dämpfung"), showsOn(form, "Label9")));
    const QString haltCaption = find<QAbstractButton>(form, "Command11")->text();
    widget(form, "Command11")->setAccessibleName(haltCaption);
    const bool clockRuns = find<QAbstractButton>(form, "Command8")->text().contains(QStringLiteral("Stopp"));
    widget(form, "Command8")
        ->setAccessibleName(clockRuns ? QStringLiteral("Uhr anhalten") : QStringLiteral("Uhr starten"));
    widget(form, "Picture1")->setAccessibleDescription(surfaceSentence(form));
}

void describeControls(const Form1& form)
{
    struct Text {
        const char* control;
        const char* name;
        const char* description;
    };
    const Text texts[] = {
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
    for (const Text& text : texts) {
        QWidget* control = widget(form, text.control);
        if (*text.name != '\0') {
            control->setAccessibleName(QString::fromUtf8(text.name));
        }
        control->setAccessibleDescription(QString::fromUtf8(text.description));
    }
    widget(form, "Command11")->setToolTip(QStringLiteral("Halt / Weiter (F5); angehalten: Einzelschritt (F6)"));
    widget(form, "Command7")->setToolTip(QStringLiteral("Harmonische Anregung ein/aus (F7)"));
    widget(form, "Command5")->setToolTip(QStringLiteral("Löschen (F8)"));
    widget(form, "Picture1")
        ->setToolTip(QStringLiteral("Linkes Ende bewegen: Pfeil hoch/runter, Pos1 setzt es auf null. "
                                    "Bild kopieren: Strg+C, speichern: Strg+S"));
}

} // namespace

void installKeys(Form1& form)
{
    auto* picture = find<surface::DrawingSurface>(form, "Picture1");
    surface::setTabChain(&form,
        {picture, widget(form, "HScroll1"), widget(form, "HScroll2"), widget(form, "Command7"),
            widget(form, "Command5"), widget(form, "Command11"), widget(form, "Command1"), widget(form, "Command2"),
            widget(form, "HScroll3"), widget(form, "Command8"), widget(form, "Command9"), widget(form, "Command3"),
            widget(form, "Command4"), widget(form, "command6"), widget(form, "Option1"), widget(form, "Option2")});

    describeControls(form);
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
