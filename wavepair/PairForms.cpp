#include "PairForms.hpp"

#include "WavePairDisplay.hpp"

#include <string>

namespace wavepair {

namespace {

using core::ControlKind;
using core::RGB;

constexpr core::Rgb grey = RGB(192, 192, 192);
constexpr core::Rgb red = RGB(255, 0, 0);
constexpr core::Rgb excitationOff = RGB(255, 128, 0);
constexpr core::Rgb reflectorButton = RGB(255, 128, 128);

constexpr double plain = 8.25;
constexpr double bold = 12;

// The window's share of the screen.
constexpr double windowFraction = 0.99;

// A red lamp without a caption; it shows a setting is on by being shown.
core::ControlDesign lamp(
    const char* name, const char* container, core::DesignRect place, const char* description, bool visible = true)
{
    return {.name = name,
        .kind = ControlKind::label,
        .container = container,
        .place = place,
        .fontPoints = plain,
        .back = red,
        .visible = visible,
        .description = description};
}

core::FormDesign makeForm1()
{
    using enum ControlKind;
    return {
        .name = "Form1",
        .title = "Längs- und Querwelle im Vergleich" + std::string(46, ' ') + core::makerNotice,
        .back = grey,
        .fontPoints = plain,
        .client = {},
        .controls = {
            {.name = "Picture1", .kind = picture, .place = {0, 240, 15135, 7815}, .back = displayBackground,
                .accessibleName = "Anzeige von Längs- und Querwelle"},
            {.name = "Picture2", .kind = picture, .container = "Picture1", .place = {0, 2040, 1455, 1215},
                .back = insetBackground, .accessibleName = "Sinnbild der Längswelle",
                .description = "Zeigt, wie die Punkte der Längswelle schwingen."},
            {.name = "Picture3", .kind = picture, .container = "Picture1", .place = {0, 3840, 1455, 2655},
                .back = insetBackground, .accessibleName = "Feld für die Anregung von Hand",
                .description = "Pfeil hoch und runter bewegen das linke Ende, Pos1 setzt es auf null.",
                // The right button does nothing here, so a finger drives the end at once.
                .holdIsRightButton = false},
            {.name = "Label5", .kind = label, .caption = " Anregung    mit Maus", .container = "Picture1",
                .place = {0, 6600, 1455, 615}, .fontPoints = bold, .back = displayBackground},
            {.name = "Label3", .kind = label, .container = "Picture1", .place = {14520, 0, 615, 7935},
                .fontPoints = plain, .back = reflectorBarColour, .visible = false},

            {.name = "Command1", .kind = button, .caption = "Ende", .place = {13320, 8160, 1575, 495},
                .fontPoints = bold, .accessibleName = "Ende", .description = "Beendet das Programm."},
            {.name = "Command4", .kind = button, .caption = "I", .place = {13320, 9000, 1575, 495}, .fontPoints = bold,
                .accessibleName = "I", .description = "Ohne Wirkung."},

            {.name = "Frame3D1", .kind = frame, .caption = "Automatische Anregung", .place = {0, 8040, 4335, 2655},
                .fontPoints = bold, .back = grey},
            {.name = "Frame3D3", .kind = frame, .caption = "Steuerfunktionen", .place = {4560, 8040, 3135, 1335},
                .fontPoints = bold, .back = grey},
            {.name = "Frame3D5", .kind = frame, .caption = "Zeitablauf", .place = {4560, 9360, 3135, 1335},
                .fontPoints = bold, .back = grey},
            {.name = "Frame3D2", .kind = frame, .caption = "Reflektor", .place = {8040, 8040, 2055, 2655},
                .fontPoints = bold, .back = grey},
            {.name = "Frame3D4", .kind = frame, .caption = "Einzelschaltungen", .place = {10200, 8040, 2775, 2655},
                .fontPoints = bold, .back = grey},

            {.name = "Label1", .kind = label, .caption = "Amplitude", .container = "Frame3D1",
                .place = {720, 480, 1695, 255}, .fontPoints = bold, .back = grey},
            {.name = "HScroll1", .kind = scrollBar, .container = "Frame3D1", .place = {120, 840, 2535, 375},
                .scroll = {0, 20, 1, 1, 10}, .accessibleName = "Amplitude",
                .description = "Amplitude der automatischen Anregung, von klein bis groß."},
            {.name = "klein", .kind = label, .caption = "klein", .container = "Frame3D1",
                .place = {120, 1320, 855, 375}, .fontPoints = bold, .back = grey},
            {.name = "Label6", .kind = label, .caption = "groß", .container = "Frame3D1",
                .place = {1920, 1320, 735, 375}, .fontPoints = bold, .back = grey},
            {.name = "HScroll2", .kind = scrollBar, .container = "Frame3D1", .place = {120, 1800, 2535, 375},
                .scroll = {1, 80, 1, 10, 40}, .accessibleName = "Frequenz",
                .description = "Frequenz der automatischen Anregung, von klein bis groß."},
            {.name = "Label2", .kind = label, .caption = "Frequenz", .container = "Frame3D1",
                .place = {720, 2280, 1695, 255}, .fontPoints = bold, .back = grey},
            lamp("Label7", "Frame3D1", {3240, 840, 495, 375}, "Zeigt, ob die automatische Anregung an ist.", false),
            {.name = "Command7", .kind = button, .caption = "On/Off", .container = "Frame3D1",
                .place = {2880, 1320, 1215, 855}, .fontPoints = plain, .back = excitationOff,
                .accessibleName = "Automatische Anregung ein/aus",
                .description = "Schaltet die automatische Anregung ein und aus; einschalten lässt die Bewegung "
                               "laufen. Taste F7.",
                .toolTip = "Automatische Anregung ein/aus (F7)"},

            {.name = "Command5", .kind = button, .caption = "Löschen", .container = "Frame3D3",
                .place = {120, 480, 1215, 375}, .fontPoints = bold, .accessibleName = "Löschen",
                .description = "Setzt die Kette in Ruhe und die Anregung auf ihren Anfang. Taste F8.",
                .toolTip = "Löschen (F8)"},
            {.name = "Command11", .kind = button, .caption = "Halt", .container = "Frame3D3",
                .place = {1680, 480, 1215, 375}, .fontPoints = bold,
                .description = "Hält die Bewegung an oder lässt sie weiterlaufen. Taste F5; angehalten macht F6 "
                               "einen Einzelschritt.",
                .toolTip = "Halt / Weiter (F5); angehalten: Einzelschritt (F6)"},

            {.name = "HScroll3", .kind = scrollBar, .container = "Frame3D5", .place = {240, 480, 2655, 375},
                .scroll = {2, 40, 1, 1, 20}, .accessibleName = "Zeitablauf",
                .description = "Geschwindigkeit des Zeitablaufs, von langsam bis schnell."},
            {.name = "Label4", .kind = label, .caption = "langsam", .container = "Frame3D5",
                .place = {240, 960, 1095, 375}, .fontPoints = bold, .back = grey},
            {.name = "Label11", .kind = label, .caption = "schnell", .container = "Frame3D5",
                .place = {1920, 960, 975, 375}, .fontPoints = bold, .back = grey},

            lamp("Label8", "Frame3D2", {720, 840, 495, 375}, "Zeigt, ob der Reflektor an ist.", false),
            {.name = "Command9", .kind = button, .caption = "On/Off", .container = "Frame3D2",
                .place = {360, 1320, 1215, 855}, .fontPoints = plain, .back = reflectorButton,
                .accessibleName = "Reflektor ein/aus",
                .description = "Hält das rechte Ende fest, sodass die Wellen zurückkommen, oder löst es."},

            {.name = "Command2", .kind = button, .caption = "Querwelle", .container = "Frame3D4",
                .place = {120, 840, 1935, 495}, .fontPoints = bold, .accessibleName = "Querwelle ein/aus",
                .description = "Zeigt die Querwelle oder blendet sie aus."},
            lamp("Label9", "Frame3D4", {2160, 840, 495, 375}, "Zeigt, ob die Querwelle gezeigt wird."),
            {.name = "Command3", .kind = button, .caption = "Längswelle", .container = "Frame3D4",
                .place = {120, 1680, 1935, 495}, .fontPoints = bold, .accessibleName = "Längswelle ein/aus",
                .description = "Zeigt die Längswelle oder blendet sie aus."},
            lamp("Label10", "Frame3D4", {2160, 1680, 495, 375}, "Zeigt, ob die Längswelle gezeigt wird."),
        },
        .tabChain = {"Picture1", "Picture3", "HScroll1", "HScroll2", "Command7", "Command5", "Command11", "HScroll3",
            "Command9", "Command2", "Command3", "Command1", "Command4"},
        // A tenth of a unit per key, 40 steps over the height of the field.
        .program = "PAARLAB",
        .picture = "Picture1",
        .handField = "Picture3",
        .handStep = 0.1,
    };
}

} // namespace

const core::FormDesign& form1Design()
{
    static const core::FormDesign design = makeForm1();
    return design;
}

core::FormLoad form1Load(double screenWidth, double screenHeight)
{
    return {.outerWidth = windowFraction * screenWidth,
        .outerHeight = windowFraction * screenHeight,
        .scale = {0, 0, 4000, 3000},
        .scales
        = {{"Picture1", {-10, -3, 105, 6}}, {"Picture2", {-150, -100, 300, 200}}, {"Picture3", {-1, -2, 4, 4}}}};
}

core::FormView formView(const WavePairView& view)
{
    const auto shown = [](const char* control, bool visible) {
        return core::ControlState{.control = control, .visible = visible};
    };
    return {.title = {},
        .controls = {
            {.control = "Command11", .caption = view.halted ? "Weiter" : "Halt"},
            shown("Label7", view.excitationOn),
            shown("Label5", !view.excitationOn),
            {.control = "Command7", .back = view.excitationOn ? red : excitationOff},
            shown("Label8", view.reflectorOn),
            shown("Label3", view.reflectorOn),
            shown("Label9", view.transverseOn),
            shown("Label10", view.longitudinalOn),
            shown("Picture2", view.longitudinalOn),
        }};
}

std::vector<core::StateText> stateTexts(const WavePairView& view)
{
    std::string rows = "ohne sichtbare Reihe";
    if (view.transverseOn && view.longitudinalOn) {
        rows = "als Querwelle und als Längswelle";
    } else if (view.transverseOn) {
        rows = "als Querwelle";
    } else if (view.longitudinalOn) {
        rows = "als Längswelle";
    }
    const std::string sentence = "Die Kette aus 98 Massen " + rows + ", das linke Ende "
        + (view.excitationOn ? "automatisch angeregt" : "von Hand bewegt") + ", "
        + (view.reflectorOn ? "das rechte Ende reflektiert" : "das rechte Ende schluckt die Wellen") + ", die Bewegung "
        + (view.halted ? "angehalten" : "läuft") + ".";
    return {
        {"Label7", core::stateText("Automatische Anregung", view.excitationOn), ""},
        {"Label8", core::stateText("Reflektor", view.reflectorOn), ""},
        {"Label9", core::stateText("Querwelle", view.transverseOn), ""},
        {"Label10", core::stateText("Längswelle", view.longitudinalOn), ""},
        {"Command11", view.halted ? "Weiter" : "Halt", ""},
        // The display's keys are read out after what it shows; it has no
        // tooltip, which would cover the waves.
        {"Picture1", "Anzeige von Längs- und Querwelle", sentence + " Strg+C kopiert das Bild, Strg+S speichert es."},
    };
}

} // namespace wavepair
