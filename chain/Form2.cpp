#include "Form2.hpp"

#include "Form3.hpp"
#include "InfoLayout.hpp"

#include "surface/ClassicFont.hpp"

#include <QPushButton>

namespace chain {

namespace {

const InfoLabel labels[] = {
    {"Label1", {120, 0, 4335, 1215},
        QStringLiteral("Das Programm simuliert 97 Massenpunkte (Kugeln) in einer waagerechten Reihe, die durch Federn "
                       "gekoppelt sind und sich nur senkrecht bewegen können. In der Praxis ist diese Anordnung ein "
                       "Torsionswellenleiter.")},
    {"Label2", {120, 1200, 4335, 2535},
        QStringLiteral(
            "Zur Mechanik: Der erste Massenpunkt (links) lässt sich beliebig auf und ab bewegen. Seine "
            "Auslenkung gibt die Bewegung über die Federn nach rechts weiter, von Nachbar zu Nachbar. Jeder "
            "Massenpunkt außer dem ersten und dem letzten erfährt Kräfte von seinen beiden Nachbarn. Der letzte "
            "(rechts) spürt die Kraft seines linken Nachbarn und, wenn sie eingeschaltet ist, eine "
            "Dämpfungskraft, die proportional zu v ist und stets gegen die Richtung seiner Geschwindigkeit "
            "wirkt.")},
    {"Label4", {120, 3720, 4335, 1215},
        QStringLiteral(
            "Anregung von Hand: Wellen entstehen, wenn man die erste Masse mit dem Mauszeiger auf und ab "
            "bewegt. Dazu den Zeiger auf oder dicht an den ersten Massenpunkt setzen und mit gedrückter linker "
            "Maustaste ziehen.")},
    {"Label7", {120, 4920, 4335, 1215},
        QStringLiteral(
            "Automatische Anregung: Die Anregung kann auch harmonisch sein. Amplitude und Periode stellt man "
            "mit den Schiebereglern im Feld „Anregung am linken Ende“ ein; die Taste „Harmonisch On/Off“ "
            "startet und stoppt sie.")},
    {"Label10", {120, 6120, 4335, 735},
        QStringLiteral("Im Feld „Löschfunktionen“ liegen Tasten, mit denen man die ganze Kette zur Ruhe bringt, nur "
                       "die Geschwindigkeiten …")},
    {"Label3", {4800, 0, 4335, 975},
        QStringLiteral("… oder nur die Auslenkungen aller Massenpunkte auf 0 setzt. Die Taste Halt/Weiter hält den "
                       "Ablauf eine Weile an und setzt ihn danach fort.")},
    {"Label8", {4800, 960, 4335, 1575},
        QStringLiteral(
            "Enden: Das rechte Ende des Wellenleiters ist lose. So sieht man, wie verschieden Wellenberge an "
            "den beiden Enden reflektiert werden (links fest, rechts lose, Dämpfung off). Das rechte Ende kann "
            "auch durch eine Reibungskraft proportional zur Geschwindigkeit gedämpft werden; dann lassen sich "
            "fortlaufende Wellen ohne Reflexion untersuchen.")},
    {"Label5", {4800, 2520, 4335, 1095},
        QStringLiteral(
            "Hindernis: Als Hindernis lässt sich eine zusätzliche Kraft auf die Masse in der Mitte der Kette "
            "einbauen. Sie ist proportional zu deren Geschwindigkeit und ihr entgegengerichtet.")},
    {"Label6", {4800, 3480, 4335, 855},
        QStringLiteral("Brechung: Für die Brechung werden die Massen in der rechten Hälfte der Kette vervierfacht; die "
                       "Federhärte bleibt gleich.")},
    {"Label9", {4800, 4320, 4335, 1455},
        QStringLiteral(
            "Dispersion und Messen: Die Torsionskette hat nur wenig Dispersion; das lässt sich durch Messen "
            "der Wellenlängen von Sinuswellen verschiedener Periode nachweisen. Zum Messen den Mauszeiger auf einen "
            "Wellenberg setzen und mit "
            "gedrückter rechter Maustaste zum nächsten Berg ziehen. Ein Maßband rollt sich ab, an dem man die "
            "Wellenlänge abliest.")},
};

} // namespace

Form2::Form2()
{
    setObjectName(QStringLiteral("Form2"));
    buildInfoWindow(this, QStringLiteral("Informationen zu \"Schwingbahn - Kugel-Feder-Kette (Torsionswellenleiter)\""),
        {2010, 2445, 10635, 7845}, labels);
    auto* button = surface::makeButton(
        this, QStringLiteral("Info zur Pendelkette"), {5280, 6120, 3015, 615}, surface::classicFont(8.25));
    button->setObjectName(QStringLiteral("Command1"));
    connect(button, &QPushButton::clicked, this, &Form2::Command1_Click);
}

Form2::~Form2() = default;

void Form2::Command1_Click()
{
    if (!form3_) {
        form3_ = std::make_unique<Form3>();
    }
    form3_->show();
    form3_->raise();
}

void Form2::closeAll()
{
    if (form3_) {
        form3_->close();
    }
    close();
}

} // namespace chain
