#pragma once

#include "FormDesign.hpp"
#include "Picture.hpp"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// An event on a control of one of a program's windows, in the forms
// runtime's terms: a click, a scroll bar's new value, or the mouse on a
// picture in its user units (buttons 1 left, 2 right, 4 middle; in a move the
// sum of the buttons held; shift 1, Ctrl 2, Alt 4), or the user closing a
// window other than the main one.
struct FormEvent {
    enum Kind { click, change, mouseDown, mouseMove, mouseUp, unload };
    Kind kind = click;
    const char* window = "Form1";
    const char* control = "";
    int value = 0;
    int button = 0;
    int shift = 0;
    float x = 0;
    float y = 0;
};

// A text the user asked to keep as a file: written whole or not at all.
// Its name is offered as timedFileName(stem, now, extension).
struct TextFile {
    std::string title; // of the save dialog
    std::string stem;
    const char* extension = "txt";
    std::string text;
};

// What a handler asks of the front end beyond showing the new view.
struct Reaction {
    const char* open = nullptr;  // a window to show: made once, then raised
    const char* close = nullptr; // a window to hide
    bool end = false;            // the program ends
    std::optional<TextFile> save;
};

// A program's windows and handlers without a toolkit. A front end builds the
// windows from their designs, hands the pictures over, sends every event,
// shows the view after each and runs passes while running() holds.
class ProgramForm {
public:
    virtual ~ProgramForm() = default;

    // The designs of the program's windows, the main window first.
    virtual std::vector<const FormDesign*> windows() const = 0;
    // The main window on a screen of this size, in twips.
    virtual FormLoad geometry(double screenWidth, double screenHeight) const = 0;
    // Gives the handlers a picture: the main window's all before Form_Load,
    // another window's when that window is first made.
    virtual void attach(const char* picture, core::Picture& canvas) = 0;

    virtual void Form_Load() = 0;
    virtual Reaction handle(const FormEvent& event) = 0;
    // A picture lost its pixels (a new size): what stays on it is drawn again.
    virtual void redraw(const char* picture) = 0;

    // One pass of the run; false, and nothing done, when it finds the run halted.
    virtual bool pass() = 0;
    // While halted: one pass as the run would make it.
    virtual void singleStep() = 0;
    virtual bool running() const = 0;

    virtual FormView view() const = 0;
    // What a pass changes besides the pictures, shown after every pass.
    virtual std::optional<ControlState> passView() const { return {}; }
    // What another window than the main one shows, after every event and
    // whenever takeChangedWindow names it.
    virtual FormView windowView(const char* /*window*/) const { return {}; }
    // The window whose view the passes since the last call changed, if any.
    virtual const char* takeChangedWindow() { return nullptr; }
    // F9 and the panel's context menu: opens the chart recorder, or closes it.
    virtual Reaction switchRecorder() { return {}; }
    virtual std::vector<StateText> stateTexts() const = 0;
    // The driven end's height on the hand field, for the hand keys.
    virtual double handHeight() const = 0;
};

// A handler of a form: the method an event on a control calls.
template <typename Form> struct Handler {
    FormEvent::Kind kind;
    std::string_view control;
    void (Form::*click)() = nullptr;
    void (Form::*change)(int value) = nullptr;
    void (Form::*mouse)(int button, int shift, float x, float y) = nullptr;
};

// Calls the handler of the event's control, if it has one.
template <typename Form> void dispatch(Form& form, std::span<const Handler<Form>> handlers, const FormEvent& event)
{
    for (const Handler<Form>& h : handlers) {
        if (h.kind != event.kind || h.control != event.control) {
            continue;
        }
        if (h.click != nullptr) {
            (form.*h.click)();
        } else if (h.change != nullptr) {
            (form.*h.change)(event.value);
        } else if (h.mouse != nullptr) {
            (form.*h.mouse)(event.button, event.shift, event.x, event.y);
        }
    }
}

} // namespace core
