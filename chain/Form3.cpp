#include "Form3.hpp"

#include "InfoLayout.hpp"

#include "surface/MakerNotice.hpp"

namespace chain {

namespace {

const InfoLabel labels[] = {
    {"Label1", {120, 0, 4335, 2295},
        QStringLiteral(
            "Das Programm simuliert 97 Massenpunkte, die in einer waagerechten Reihe an gleich langen Fäden "
            "hängen und durch Federn gekoppelt sind. Jeder Massenpunkt erfährt wie bei der Kugel-Feder-Kette "
            "Kräfte von seinen beiden Nachbarn und zusätzlich eine Komponente der Schwerkraft, die ihn stets "
            "in seine Ruhelage zurücktreibt. Durch diese zusätzliche Kraft verhält sich die Kette als "
            "Wellenträger ganz anders.")},
    {"Label2", {120, 2280, 4335, 3015},
        QStringLiteral(
            "Untere Grenzfrequenz: Die Pendelkette hat eine untere Grenzfrequenz, die die Anregung "
            "überschreiten muss, damit überhaupt eine Welle entsteht. Ist die Periode einer harmonischen "
            "Anregung größer als 20 Zeiteinheiten (ZE), bilden sich keine Wellen. Unter 20 ZE baut sich eine Welle "
            "auf, füllt den ganzen Wellenleiter und geht in eine fortlaufende Sinuswelle über. Die Dämpfung "
            "lässt sich nicht so einstellen, dass die Reflexion für alle Wellenlängen unterdrückt wird; ein "
            "Teil der Welle wird immer reflektiert.")},
    {"Label3", {120, 5280, 4335, 1815},
        QStringLiteral(
            "Obere Grenzfrequenz: Beide Wellenträger haben eine obere Grenzfrequenz. Sie ist erreicht, wenn "
            "bei schneller harmonischer Anregung benachbarte Massen gegenphasig schwingen. Die "
            "Kugel-Feder-Kette hat keine untere Grenzfrequenz; in ihr lassen sich Wellen jeder Länge anregen, "
            "in der Pendelkette nicht.")},
    {"Label4", {4800, 0, 4335, 2415},
        QStringLiteral(
            "Dispersion: In der Pendelkette ist die Dispersion viel stärker. Ein einzelner Wellenberg lässt "
            "sich weder erzeugen noch über eine Strecke schicken. Gleich nach seiner Entstehung zieht er einen "
            "Schwanz aus Bergen und Tälern hinter sich her und wird zu einer Wellengruppe, die immer länger "
            "wird.")},
    {"Label5", {4800, 2400, 4335, 2295},
        QStringLiteral(
            "Phasen- und Gruppengeschwindigkeit: Schaltet man die harmonische Anregung nur kurz ein, entsteht "
            "eine Wellengruppe. Ihr Kopf kommt langsamer voran als die einzelnen Wellenberge; diese werden "
            "kleiner und verschwinden, wenn sie den Kopf erreichen.")},
};

} // namespace

Form3::Form3()
{
    setObjectName(QStringLiteral("Form3"));
    buildInfoWindow(this,
        QStringLiteral("Informationen zu \"Schwingbahn - Pendelkette\"") + QString(17, QLatin1Char(' '))
            + surface::makerNotice(),
        {930, 1500, 9210, 7125}, labels);
}

} // namespace chain
