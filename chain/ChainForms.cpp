#include "ChainForms.hpp"

#include "core/DecimalText.hpp"

#include <string>

namespace chain {

namespace {

using core::ControlKind;
using core::RGB;

constexpr core::Rgb lightYellow = RGB(255, 255, 224);
constexpr core::Rgb grey = RGB(192, 192, 192);
constexpr core::Rgb red = RGB(255, 0, 0);
constexpr core::Rgb pink = RGB(255, 192, 192);
constexpr core::Rgb white = RGB(255, 255, 255);

constexpr double plain = 8.25;
constexpr double bold = 9.75;

// The main window's share of the screen.
constexpr double windowFraction = 0.97;

core::FormDesign makeForm1()
{
    using enum ControlKind;
    return {
        .name = "Form1",
        .title = std::string("Schwingbahn  - Kugel-Feder-Kette (Torsionswellenleiter)    ") + core::makerNotice,
        .back = white,
        .fontPoints = plain,
        .client = {},
        .controls = {
            {.name = "Picture1", .kind = picture, .back = lightYellow, .accessibleName = "Zeichenfläche der Kette"},
            {.name = "Label3", .kind = label, .caption = "Festes Ende ", .container = "Picture1",
                .place = {0, 0, 1575, 255}, .fontPoints = plain, .back = lightYellow},
            {.name = "Label4", .kind = label, .caption = "Loses Ende", .container = "Picture1",
                .place = {0, 0, 1095, 255}, .fontPoints = plain, .back = lightYellow},
            {.name = "Label5", .kind = label, .caption = "Dämpfung on", .container = "Picture1",
                .place = {0, 0, 1815, 375}, .fontPoints = bold, .back = lightYellow,
                .description = "Zeigt, ob die Dämpfung an ist."},
            {.name = "Label6", .kind = label, .caption = "Bewegung mit Maus", .container = "Picture1",
                .place = {0, 0, 2295, 375}, .fontPoints = bold, .back = lightYellow},
            {.name = "Label7", .kind = label, .caption = "m = 1", .container = "Picture1",
                .place = {0, 0, 615, 255}, .fontPoints = plain, .back = lightYellow, .visible = false},
            {.name = "Label8", .kind = label, .caption = "m = 4", .container = "Picture1",
                .place = {0, 0, 615, 375}, .fontPoints = plain, .back = lightYellow, .visible = false},
            {.name = "Text1", .kind = textBox, .caption = "Text1", .container = "Picture1",
                .place = {0, 0, 615, 375}, .fontPoints = plain, .visible = false},

            {.name = "Frame3D1", .kind = frame, .caption = "Anregung am linken Ende", .fontPoints = bold, .back = grey},
            {.name = "Frame3D3", .kind = frame, .caption = "Löschfunktionen", .fontPoints = bold, .back = grey},
            {.name = "Frame3D5", .kind = frame, .caption = "   Uhr              Zeitablauf", .fontPoints = bold,
                .back = grey},
            {.name = "Frame3D2", .kind = frame, .caption = "Dämpfung", .fontPoints = bold, .back = grey},
            {.name = "Frame3D4", .kind = frame, .caption = "Brechung", .fontPoints = bold, .back = grey},
            {.name = "Frame3D6", .kind = frame, .caption = "Hindernis", .fontPoints = bold, .back = grey},
            {.name = "Frame3D7", .kind = frame, .caption = "Wellenträger", .fontPoints = bold, .back = grey},
            {.name = "command6", .kind = button, .caption = "Info", .fontPoints = bold, .accessibleName = "Info",
                .description = "Öffnet das Infofenster zu den Modellen."},

            {.name = "HScroll1", .kind = scrollBar, .container = "Frame3D1", .place = {120, 240, 1935, 375},
                .scroll = {0, 20, 1, 1, 10}, .accessibleName = "Amplitude",
                .description = "Amplitude der harmonischen Anregung, 0 bis 2 in Zehnteln."},
            {.name = "Text2", .kind = textBox, .caption = "Text2", .container = "Frame3D1",
                .place = {2160, 240, 615, 375}, .fontPoints = plain, .back = grey,
                .accessibleName = "Amplitude, Anzeige", .description = "Die eingestellte Amplitude."},
            {.name = "Label1", .kind = label, .caption = "Amplitude", .container = "Frame3D1",
                .place = {120, 600, 1695, 255}, .fontPoints = bold, .back = grey},
            {.name = "HScroll2", .kind = scrollBar, .container = "Frame3D1", .place = {120, 840, 1935, 375},
                .scroll = {10, 600, 10, 100, 250}, .accessibleName = "Periode",
                .description = "Periode der harmonischen Anregung, 1 bis 60 Zeiteinheiten."},
            {.name = "Text3", .kind = textBox, .caption = "Text3", .container = "Frame3D1",
                .place = {2160, 840, 495, 375}, .fontPoints = plain, .back = grey,
                .accessibleName = "Periode, Anzeige", .description = "Die eingestellte Periode."},
            {.name = "Label2", .kind = label, .caption = "Periode", .container = "Frame3D1",
                .place = {120, 1200, 1215, 255}, .fontPoints = bold, .back = grey},
            {.name = "Command7", .kind = button, .caption = "Harmonisch On/Off", .container = "Frame3D1",
                .place = {120, 1440, 2175, 375}, .fontPoints = bold, .accessibleName = "Harmonische Anregung ein/aus",
                .description = "Schaltet die harmonische Anregung des linken Endes ein und aus. Taste F7.",
                .toolTip = "Harmonische Anregung ein/aus (F7)"},
            {.name = "Text5", .kind = textBox, .caption = "Text5", .container = "Frame3D1",
                .place = {2160, 1440, 495, 375}, .fontPoints = plain, .back = grey,
                .description = "Zeigt, ob die harmonische Anregung an ist."},
            {.name = "Label13", .kind = label, .caption = "Anregung von Hand:", .container = "Frame3D1",
                .place = {120, 1920, 2535, 255}, .fontPoints = bold, .back = grey},
            {.name = "Label14", .kind = label, .caption = "Linke Maustaste drücken ", .container = "Frame3D1",
                .place = {120, 2160, 2535, 255}, .fontPoints = bold, .back = grey},
            {.name = "Label15", .kind = label, .caption = "und festes Ende ziehen", .container = "Frame3D1",
                .place = {120, 2400, 2535, 255}, .fontPoints = bold, .back = grey},

            {.name = "Command9", .kind = button, .caption = "On/Off", .container = "Frame3D2",
                .place = {120, 360, 1215, 375}, .fontPoints = plain, .accessibleName = "Dämpfung ein/aus",
                .description = "Schaltet die Dämpfung am rechten Ende ein und aus."},
            {.name = "Label9", .kind = label, .caption = "On", .container = "Frame3D2", .place = {1440, 360, 375, 255},
                .fontPoints = plain, .back = red, .description = "Zeigt, ob die Dämpfung an ist."},

            {.name = "Command5", .kind = button, .caption = "Löschen", .container = "Frame3D3",
                .place = {120, 360, 1215, 375}, .fontPoints = bold, .accessibleName = "Löschen",
                .description = "Setzt Auslenkungen, Geschwindigkeiten, Anregung und Uhr auf null. Taste F8.",
                .toolTip = "Löschen (F8)"},
            {.name = "Command11", .kind = button, .caption = "Halt", .container = "Frame3D3",
                .place = {1440, 360, 1095, 375}, .fontPoints = bold,
                .description = "Hält die Bewegung an oder lässt sie weiterlaufen. Taste F5; angehalten macht F6 einen "
                               "Einzelschritt.",
                .toolTip = "Halt / Weiter (F5); angehalten: Einzelschritt (F6)"},
            {.name = "Command1", .kind = button, .caption = "v(i) = 0", .container = "Frame3D3",
                .place = {120, 840, 1095, 375}, .fontPoints = bold, .accessibleName = "Geschwindigkeiten auf null",
                .description = "Setzt alle Geschwindigkeiten v(i) auf null."},
            {.name = "Command2", .kind = button, .caption = "y(i) = 0", .container = "Frame3D3",
                .place = {1440, 840, 1095, 375}, .fontPoints = bold, .accessibleName = "Auslenkungen auf null",
                .description = "Setzt alle Auslenkungen y(i) auf null."},

            {.name = "Command3", .kind = button, .caption = "On/Off", .container = "Frame3D4",
                .place = {120, 360, 1215, 375}, .fontPoints = plain, .accessibleName = "Brechung ein/aus",
                .description = "Macht die rechte Hälfte der Kette viermal so schwer und wieder leicht."},
            {.name = "Label10", .kind = label, .caption = "Off", .container = "Frame3D4",
                .place = {1440, 360, 375, 255}, .fontPoints = plain, .back = grey,
                .description = "Zeigt, ob die Brechung an ist."},

            {.name = "Text4", .kind = textBox, .caption = "    0", .container = "Frame3D5",
                .place = {120, 360, 1095, 375}, .fontPoints = plain, .accessibleName = "Uhr",
                .description = "Die Zeit seit dem Start der Uhr."},
            {.name = "HScroll3", .kind = scrollBar, .container = "Frame3D5", .place = {1440, 360, 1575, 375},
                .scroll = {1, 10, 1, 1, 10}, .accessibleName = "Zeitablauf",
                .description = "Geschwindigkeit des Zeitablaufs, von langsam bis schnell."},
            {.name = "Command8", .kind = button, .caption = "Start", .container = "Frame3D5",
                .place = {120, 840, 1095, 375}, .fontPoints = bold,
                .description = "Startet die Uhr bei null oder hält sie an."},
            {.name = "Label11", .kind = label, .caption = "langsam - schnell", .container = "Frame3D5",
                .place = {1320, 960, 1815, 255}, .fontPoints = bold, .back = grey},

            {.name = "Command4", .kind = button, .caption = "On/Off", .container = "Frame3D6",
                .place = {120, 360, 1215, 375}, .fontPoints = plain, .accessibleName = "Hindernis ein/aus",
                .description = "Schaltet die Reibung an der mittleren Masse ein und aus."},
            {.name = "Label12", .kind = label, .caption = "Off", .container = "Frame3D6",
                .place = {1440, 360, 375, 255}, .fontPoints = plain, .back = grey,
                .description = "Zeigt, ob das Hindernis an ist."},

            {.name = "Option1", .kind = option, .caption = "Kugel-Feder-Kette", .container = "Frame3D7",
                .place = {120, 240, 2175, 615}, .fontPoints = bold, .back = grey, .accessibleName = "Kugel-Feder-Kette",
                .description = "Wellenträger: Massen nur durch Federn gekoppelt."},
            {.name = "Option2", .kind = option, .caption = "Pendelkette", .container = "Frame3D7",
                .place = {120, 720, 1695, 735}, .fontPoints = bold, .back = grey, .accessibleName = "Pendelkette",
                .description = "Wellenträger: Massen als Pendel, zur Ruhelage zurückgezogen."},
        },
        .tabChain = {"Picture1", "HScroll1", "HScroll2", "Command7", "Command5", "Command11", "Command1", "Command2",
            "HScroll3", "Command8", "Command9", "Command3", "Command4", "command6", "Option1", "Option2"},
        // One hand-key step moves the left end a tenth of a unit, the
        // amplitude bar's step, so ten presses make the default amplitude.
        .program = "KETTLAB",
        .picture = "Picture1",
        .handField = "Picture1",
        .handStep = 0.1,
    };
}

// An info window's label: the first, the introduction, stands on pink.
core::ControlDesign infoLabel(const char* name, core::DesignRect place, const char* text, bool introduction = false)
{
    return {.name = name,
        .kind = ControlKind::label,
        .caption = text,
        .place = place,
        .fontPoints = plain,
        .back = introduction ? pink : lightYellow};
}

core::FormDesign makeForm2()
{
    core::FormDesign form{
        .name = "Form2",
        .title = "Informationen zu \"Schwingbahn - Kugel-Feder-Kette (Torsionswellenleiter)\"",
        .back = white,
        .fontPoints = plain,
        .client = core::DesignRect{2010, 2445, 10635, 7845},
        .controls = {
            infoLabel("Label1", {120, 0, 4335, 1215},
                "Das Programm simuliert 97 Massenpunkte (Kugeln) in einer waagerechten Reihe, die durch Federn "
                "gekoppelt sind und sich nur senkrecht bewegen können. In der Praxis ist diese Anordnung ein "
                "Torsionswellenleiter.",
                true),
            infoLabel("Label2", {120, 1200, 4335, 2535},
                "Zur Mechanik: Der erste Massenpunkt (links) lässt sich beliebig auf und ab bewegen. Seine "
                "Auslenkung gibt die Bewegung über die Federn nach rechts weiter, von Nachbar zu Nachbar. Jeder "
                "Massenpunkt außer dem ersten und dem letzten erfährt Kräfte von seinen beiden Nachbarn. Der letzte "
                "(rechts) spürt die Kraft seines linken Nachbarn und, wenn sie eingeschaltet ist, eine "
                "Dämpfungskraft, die proportional zu v ist und stets gegen die Richtung seiner Geschwindigkeit "
                "wirkt."),
            infoLabel("Label4", {120, 3720, 4335, 1215},
                "Anregung von Hand: Wellen entstehen, wenn man die erste Masse mit dem Mauszeiger auf und ab "
                "bewegt. Dazu den Zeiger auf oder dicht an den ersten Massenpunkt setzen und mit gedrückter linker "
                "Maustaste ziehen."),
            infoLabel("Label7", {120, 4920, 4335, 1215},
                "Automatische Anregung: Die Anregung kann auch harmonisch sein. Amplitude und Periode stellt man "
                "mit den Schiebereglern im Feld „Anregung am linken Ende“ ein; die Taste „Harmonisch On/Off“ "
                "startet und stoppt sie."),
            infoLabel("Label10", {120, 6120, 4335, 735},
                "Im Feld „Löschfunktionen“ liegen Tasten, mit denen man die ganze Kette zur Ruhe bringt, nur "
                "die Geschwindigkeiten …"),
            infoLabel("Label3", {4800, 0, 4335, 975},
                "… oder nur die Auslenkungen aller Massenpunkte auf 0 setzt. Die Taste Halt/Weiter hält den "
                "Ablauf eine Weile an und setzt ihn danach fort."),
            infoLabel("Label8", {4800, 960, 4335, 1575},
                "Enden: Das rechte Ende des Wellenleiters ist lose. So sieht man, wie verschieden Wellenberge an "
                "den beiden Enden reflektiert werden (links fest, rechts lose, Dämpfung off). Das rechte Ende kann "
                "auch durch eine Reibungskraft proportional zur Geschwindigkeit gedämpft werden; dann lassen sich "
                "fortlaufende Wellen ohne Reflexion untersuchen."),
            infoLabel("Label5", {4800, 2520, 4335, 1095},
                "Hindernis: Als Hindernis lässt sich eine zusätzliche Kraft auf die Masse in der Mitte der Kette "
                "einbauen. Sie ist proportional zu deren Geschwindigkeit und ihr entgegengerichtet."),
            infoLabel("Label6", {4800, 3480, 4335, 855},
                "Brechung: Für die Brechung werden die Massen in der rechten Hälfte der Kette vervierfacht; die "
                "Federhärte bleibt gleich."),
            infoLabel("Label9", {4800, 4320, 4335, 1455},
                "Dispersion und Messen: Die Torsionskette hat nur wenig Dispersion; das lässt sich durch Messen "
                "der Wellenlängen von Sinuswellen verschiedener Periode nachweisen. Zum Messen den Mauszeiger auf "
                "einen Wellenberg setzen und mit gedrückter rechter Maustaste zum nächsten Berg ziehen. Ein Maßband "
                "rollt sich ab, an dem man die Wellenlänge abliest."),
            {.name = "Command1", .kind = ControlKind::button, .caption = "Info zur Pendelkette",
                .place = {5280, 6120, 3015, 615}, .fontPoints = plain},
        },
        .tabChain = {},
    };
    return form;
}

core::FormDesign makeForm3()
{
    return {
        .name = "Form3",
        .title = std::string("Informationen zu \"Schwingbahn - Pendelkette\"") + std::string(17, ' ')
            + core::makerNotice,
        .back = white,
        .fontPoints = plain,
        .client = core::DesignRect{930, 1500, 9210, 7125},
        .controls = {
            infoLabel("Label1", {120, 0, 4335, 2295},
                "Das Programm simuliert 97 Massenpunkte, die in einer waagerechten Reihe an gleich langen Fäden "
                "hängen und durch Federn gekoppelt sind. Jeder Massenpunkt erfährt wie bei der Kugel-Feder-Kette "
                "Kräfte von seinen beiden Nachbarn und zusätzlich eine Komponente der Schwerkraft, die ihn stets "
                "in seine Ruhelage zurücktreibt. Durch diese zusätzliche Kraft verhält sich die Kette als "
                "Wellenträger ganz anders.",
                true),
            infoLabel("Label2", {120, 2280, 4335, 3015},
                "Untere Grenzfrequenz: Die Pendelkette hat eine untere Grenzfrequenz, die die Anregung "
                "überschreiten muss, damit überhaupt eine Welle entsteht. Ist die Periode einer harmonischen "
                "Anregung größer als 20 Zeiteinheiten (ZE), bilden sich keine Wellen. Unter 20 ZE baut sich eine "
                "Welle auf, füllt den ganzen Wellenleiter und geht in eine fortlaufende Sinuswelle über. Die "
                "Dämpfung lässt sich nicht so einstellen, dass die Reflexion für alle Wellenlängen unterdrückt "
                "wird; ein Teil der Welle wird immer reflektiert."),
            infoLabel("Label3", {120, 5280, 4335, 1815},
                "Obere Grenzfrequenz: Beide Wellenträger haben eine obere Grenzfrequenz. Sie ist erreicht, wenn "
                "bei schneller harmonischer Anregung benachbarte Massen gegenphasig schwingen. Die "
                "Kugel-Feder-Kette hat keine untere Grenzfrequenz; in ihr lassen sich Wellen jeder Länge anregen, "
                "in der Pendelkette nicht."),
            infoLabel("Label4", {4800, 0, 4335, 2415},
                "Dispersion: In der Pendelkette ist die Dispersion viel stärker. Ein einzelner Wellenberg lässt "
                "sich weder erzeugen noch über eine Strecke schicken. Gleich nach seiner Entstehung zieht er einen "
                "Schwanz aus Bergen und Tälern hinter sich her und wird zu einer Wellengruppe, die immer länger "
                "wird."),
            infoLabel("Label5", {4800, 2400, 4335, 2295},
                "Phasen- und Gruppengeschwindigkeit: Schaltet man die harmonische Anregung nur kurz ein, entsteht "
                "eine Wellengruppe. Ihr Kopf kommt langsamer voran als die einzelnen Wellenberge; diese werden "
                "kleiner und verschwinden, wenn sie den Kopf erreichen."),
        },
        .tabChain = {},
    };
}

} // namespace

const core::FormDesign& form1Design()
{
    static const core::FormDesign design = makeForm1();
    return design;
}

const core::FormDesign& form2Design()
{
    static const core::FormDesign design = makeForm2();
    return design;
}

const core::FormDesign& form3Design()
{
    static const core::FormDesign design = makeForm3();
    return design;
}

core::FormLoad form1Load(double screenWidth, double screenHeight)
{
    core::FormLoad load{.outerWidth = windowFraction * screenWidth,
        .outerHeight = windowFraction * screenHeight,
        .scale = {0, 0, 4000, 3000}};
    const auto place = [&load](const char* control, double left, double top, double width, double height) {
        load.places.push_back({control, {left, top, width, height}});
        return core::DesignRect{left, top, width, height};
    };
    const auto rightOf = [](const core::DesignRect& box) {
        // Each box's Left is read back from a box already placed, with a gap of 20.
        constexpr double gap = 20;
        return box.left + box.width + gap;
    };
    place("Picture1", 0, 2, 4000, 2000);
    const core::DesignRect box1 = place("Frame3D1", 0, 2020, 1000, 980);
    const core::DesignRect box3 = place("Frame3D3", rightOf(box1), 2020, 1200, 480);
    place("Frame3D5", rightOf(box1), 2520, 1200, 480);
    const core::DesignRect box2 = place("Frame3D2", rightOf(box3), 2020, 800, 320);
    const core::DesignRect box4 = place("Frame3D4", box2.left, 2340, 800, 320);
    place("Frame3D6", box2.left, 2660, 800, 340);
    place("Frame3D7", rightOf(box4), 2250, 830, 850);
    place("command6", rightOf(box4), 2020, 830, 200);

    load.scales = {{"Picture1", chainScale}};
    load.anchors = {{"Label3", 1, -2.8}, {"Label4", 85, -2.8}, {"Label5", 85, 2.5}, {"Label6", 1, 2.4},
        {"Label7", 25, -2.8}, {"Label8", 75, -2.8}};
    return load;
}

std::optional<std::string> clockText(const ChainView& view)
{
    if (!view.clock) {
        return {};
    }
    return "  " + core::decimalText(*view.clock);
}

core::FormView formView(const ChainView& view)
{
    // An indicator: red with "On", or grey with "Off".
    const auto indicator = [](const char* control, bool on) {
        return core::ControlState{.control = control, .caption = on ? "On" : "Off", .back = on ? red : grey};
    };
    const auto shown = [](const char* control, bool visible) {
        return core::ControlState{.control = control, .visible = visible};
    };
    core::FormView shows;
    if (!view.titleHead.empty()) {
        shows.title = view.titleHead + core::makerNotice;
    }
    shows.controls = {
        {.control = "Command11", .caption = view.command11},
        {.control = "Label6", .caption = view.label6},
        {.control = "Command8", .caption = view.command8},
        indicator("Text5", view.harmonicOn),
        shown("Label13", !view.harmonicOn),
        shown("Label14", !view.harmonicOn),
        shown("Label15", !view.harmonicOn),
        indicator("Label9", view.dampingOn),
        {.control = "Label5", .caption = view.dampingOn ? "Dämpfung on" : "Dämpfung off"},
        indicator("Label10", view.refractionOn),
        shown("Label7", view.refractionOn),
        shown("Label8", view.refractionOn),
        indicator("Label12", view.obstacleOn),
        {.control = view.pendulum ? "Option2" : "Option1", .checked = true},
        {.control = "Text2", .caption = core::decimalText(view.amplitude)},
        {.control = "Text3", .caption = core::decimalText(view.period)},
        {.control = "Text4", .caption = clockText(view)},
    };
    if (view.tape.shown) {
        shows.controls.push_back({.control = "Text1",
            .caption = core::decimalText(view.tape.length),
            .visible = true,
            .anchor = std::pair{view.tape.left, view.tape.top}});
    } else {
        shows.controls.push_back(shown("Text1", false));
    }
    return shows;
}

std::vector<core::StateText> stateTexts(const ChainView& view)
{
    const bool halted = view.command11 == "Weiter";
    const bool clockRuns = view.command8.find("Stopp") != std::string::npos;
    const std::string surface = std::string("Die ") + (view.pendulum ? "Pendelkette" : "Kugel-Feder-Kette")
        + " aus 97 Massen, das linke Ende " + (view.harmonicOn ? "harmonisch angeregt" : "von Hand bewegt")
        + ", die Bewegung " + (halted ? "angehalten" : "läuft") + ".";
    return {
        {"Text5", core::stateText("Harmonische Anregung", view.harmonicOn), ""},
        {"Label9", core::stateText("Dämpfung", view.dampingOn), ""},
        {"Label10", core::stateText("Brechung", view.refractionOn), ""},
        {"Label12", core::stateText("Hindernis", view.obstacleOn), ""},
        {"Label5", core::stateText("Dämpfung", view.dampingOn), ""},
        {"Command11", view.command11, ""},
        {"Command8", clockRuns ? "Uhr anhalten" : "Uhr starten", ""},
        // The surface's keys are read out after what it shows; it has no
        // tooltip, which would cover the wave.
        {"Picture1", "Zeichenfläche der Kette",
            surface
                + " Pfeil hoch und runter bewegen das linke Ende, Pos1 setzt es auf null; "
                  "Strg+C kopiert das Bild, Strg+S speichert es."},
    };
}

} // namespace chain
