#pragma once

#include "Rgb.hpp"
#include "UserScale.hpp"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace core {

// A window as the forms designer left it: every control with its design name,
// kind, caption, place, font, colours and scroll steps, in the order the
// controls are made (later ones lie on top). Every front end builds its
// widgets from these tables and writes none of it itself.

enum class ControlKind { picture, frame, label, button, textBox, option, scrollBar };

// Twips from the container's top-left corner. Controls a form places in its
// own window units when it loads (see FormLoad) carry only their size here.
struct DesignRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

struct ScrollSteps {
    int min = 0;
    int max = 0;
    int smallChange = 1;
    int largeChange = 1;
    int value = 0;
};

struct ControlDesign {
    const char* name = "";
    ControlKind kind = ControlKind::label;
    const char* caption = "";        // UTF-8, blanks included
    const char* container = nullptr; // nullptr: the form itself
    DesignRect place;
    std::optional<double> fontPoints; // bold; none: the container's font
    std::optional<core::Rgb> back;    // none: the kind's own colour
    ScrollSteps scroll;
    bool visible = true;
    // What a screen reader announces; an empty name leaves the caption or the
    // name the program gives the control as its state changes.
    const char* accessibleName = "";
    const char* description = "";
    const char* toolTip = "";
    // On a picture: whether a finger held still acts as the right button.
    bool holdIsRightButton = true;
};

struct FormDesign {
    const char* name = "";
    std::string title; // UTF-8, blanks included
    core::Rgb back;
    double fontPoints = 8.25;
    // Where an info window first appears and its client size, in twips.
    std::optional<DesignRect> client;
    // Opens beside the main window rather than where the design puts it.
    bool opensBeside = false;
    std::vector<ControlDesign> controls;
    // The keyboard's Tab order through the controls.
    std::vector<const char*> tabChain;
    // For the program's keys: the name of saved pictures, the picture they
    // copy and save, the field the hand keys move the driven end on, and
    // their step in its units.
    const char* program = "";
    const char* picture = nullptr;
    const char* handField = nullptr;
    double handStep = 0.1;
};

// The colour a control is filled with: its BackColor, else white for a
// picture and the classic grey for a label or an option; other kinds without
// one take the look's own.
inline std::optional<core::Rgb> shownBack(const ControlDesign& c)
{
    switch (c.kind) {
    case ControlKind::picture:
        return c.back.value_or(core::RGB(255, 255, 255));
    case ControlKind::label:
    case ControlKind::option:
        return c.back.value_or(core::RGB(192, 192, 192));
    default:
        return c.back;
    }
}

// What a form does to its window when it loads, for a screen of a given size.
struct FormLoad {
    // A child placed in the form's window units.
    struct Place {
        const char* control;
        DesignRect units;
    };
    // A picture's own user scale.
    struct Scale {
        const char* picture;
        core::UserScale scale;
    };
    // A control on a picture, its top-left corner at a point in the picture's units.
    struct Anchor {
        const char* control;
        double x;
        double y;
    };

    double outerWidth = 0; // twips, frame and title bar included
    double outerHeight = 0;
    double left = 1; // the frame's top-left corner on the screen, twips
    double top = 1;
    core::UserScale scale; // the form's window units over its client area
    std::vector<Place> places;
    std::vector<Scale> scales;
    std::vector<Anchor> anchors;
};

// What a window shows of the program's state: each control's caption,
// colour, visibility or choice, where it is given; a control on a picture can
// move to a point in the picture's units.
struct ControlState {
    const char* control = "";
    std::optional<std::string> caption;
    std::optional<core::Rgb> back;
    std::optional<bool> visible;
    std::optional<bool> checked;
    std::optional<int> value; // a scroll bar's position, set without a change event
    std::optional<std::pair<double, double>> anchor;
};

struct FormView {
    std::optional<std::string> title;
    std::vector<ControlState> controls;
};

// The notice that ends the main windows' titles, after the blanks each title sets.
inline constexpr const char* makerNotice = "© 2026 Wellenlabor";

// "Dämpfung: an" or "Dämpfung: aus".
inline std::string stateText(const std::string& setting, bool on)
{
    return setting + (on ? ": an" : ": aus");
}

// A screen-reader text that follows the program's state.
struct StateText {
    const char* control;
    std::string name;
    std::string description; // empty: unchanged
};

} // namespace core
