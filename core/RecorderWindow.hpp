#pragma once

#include "FormDesign.hpp"
#include "Picture.hpp"
#include "ProgramForm.hpp"
#include "Recorder.hpp"
#include "RecorderForm.hpp"

#include <array>

namespace core {

// What the recorder's window needs of a program.
class RecorderHost {
public:
    virtual ~RecorderHost() = default;
    virtual Recorder& openRecorder() = 0;
    virtual void closeRecorder() = 0;
    virtual Recorder* recorder() = 0;
    // Draws the followed masses' dots in their traces' colours, or all
    // black once the recorder is closed.
    virtual void showFollowed() = 0;
};

// The chart recorder's window "Messschreiber" for any program: opening and
// closing it, the handlers of its controls and the plot, which it draws again
// every few passes and whose values it reads off a few times a second.
class RecorderWindow {
public:
    static constexpr const char* name = "Messschreiber";
    static constexpr const char* plotName = "Plot";

    RecorderWindow(const char* program, int lastMass, RecorderHost& host);

    const FormDesign& design() const { return design_; }
    bool isOpen() const { return host_.recorder() != nullptr; }
    void attach(Picture& plot);

    Reaction toggle();
    // An event on the window's controls, or the user closing it.
    Reaction handle(const FormEvent& event);
    // Ctrl with the left button on the program's surface picks the mass under
    // the pointer while the window is open: a followed mass is let go, another
    // takes the first free trace, else the third. True for such a press, its
    // moves and its release, which the surface's own handlers then do not get.
    bool picks(const FormEvent& event, int mass);
    // After each pass the program made.
    void afterPass();
    // After an event or a single step: plot and values now.
    void refresh();
    // The window's name once per change of its view while open, else nullptr.
    const char* takeChanged();
    // Its view for a window of this name, else none.
    FormView view(const char* window) const;

private:
    void drawPlot();
    void pick(int mass);
    void follow(std::size_t slot, int mass);

    FormDesign design_;
    RecorderHost& host_;
    Picture* plot_ = nullptr;
    // Kept while the window is closed, as its scroll bars keep them.
    std::array<int, followedMasses> masses_{};
    bool drivenEndShown_ = true;
    int window_ = 100;
    int passes_ = 0;
    bool viewDue_ = false;
    bool picking_ = false;
    FormView values_; // read off and predicted a few times a second
    PlotDrawn drawn_;
};

} // namespace core
