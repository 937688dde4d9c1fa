#pragma once

#include "WavePairDisplay.hpp"
#include "WavePairModel.hpp"

#include "core/Canvas.hpp"
#include "core/Recorder.hpp"

#include <optional>

namespace wavepair {

// What the window shows of the program beyond the pictures: lamps, the
// reflector bar, the longitudinal field and the "Halt" button's caption.
struct WavePairView {
    bool halted = false;
    bool excitationOn = false;
    bool reflectorOn = false;
    bool transverseOn = true;
    bool longitudinalOn = false;
};

// The three drawing surfaces: the display and the two small fields on it.
struct WavePairCanvases {
    core::Canvas& picture1;
    core::Canvas& picture2;
    core::Canvas& picture3;
};

// PAARLAB without its window: the chain, the marker line, one pass of the
// run and one method per control. Everything is drawn through the canvases
// it is given; the window, the soak and the benchmarks all drive the program
// through these methods.
class WavePairProgram {
public:
    // The scene at load: the pictograms and the dots' pen width.
    void load(const WavePairCanvases& pictures);
    // What a repaint of the window draws: the pictograms.
    void paint(const WavePairCanvases& pictures) const;

    // One pass: false, and nothing done, when it finds the run halted;
    // otherwise advance and drawing.
    bool pass(core::Canvas& picture1);
    bool running() const { return model_.halted == 0; }
    // While halted: one pass as the run would make it; the run stays halted.
    // Does nothing while running.
    void singleStep(core::Canvas& picture1);

    // "Halt" / "Weiter", excitation on/off (on also resumes), reflector,
    // the two rows and "Löschen"; the run goes on while running() is true.
    void haltOrResume(core::Canvas& picture1);
    void switchExcitation(core::Canvas& picture1);
    void switchReflector();
    void switchTransverse(core::Canvas& picture1);
    void switchLongitudinal(const WavePairCanvases& pictures);
    void clear(core::Canvas& picture1);
    void setAmplitude(int value);
    void setFrequency(int value);
    void setSpeed(int value);

    // The marker line on the display and the hand excitation in its field;
    // button as the forms runtime numbers it (1 left, 2 right, 4 middle; in
    // a move the sum of the buttons held).
    void markerDown(int button, float x, core::Canvas& picture1);
    void markerMove(int button, float x, core::Canvas& picture1);
    void markerUp(int button, float x, core::Canvas& picture1);
    void handDown(int button, float y);
    void handMove(int button, float y);

    float markerX() const { return markerX_; }
    WavePairModel& model() { return model_; }
    const WavePairModel& model() const { return model_; }
    WavePairView view() const;

    // The chart recorder: open, every pass adds a sample; closed, it is gone
    // and a pass is what it always was.
    core::Recorder& openRecorder();
    void closeRecorder() { recorder_.reset(); }
    // The followed masses' dots in their traces' colours, all black once
    // the recorder is closed: those that change are drawn again in place.
    void showFollowed(core::Canvas& picture1);
    core::Recorder* recorder() { return recorder_ ? &*recorder_ : nullptr; }
    const core::Recorder* recorder() const { return recorder_ ? &*recorder_ : nullptr; }

private:
    void RunWaves(core::Canvas& picture1);
    void advanceAndDraw(core::Canvas& picture1);
    void drawMarkerLine(core::Canvas& picture1, float x, core::Rgb colour) const;
    // Clears the picture and forgets the dots drawn on it.
    void clearPicture(core::Canvas& picture1);
    core::DriveState driveState() const;

    WavePairModel model_;
    float markerX_ = 0;
    RowsDrawn drawn_;
    std::optional<core::Recorder> recorder_;
    DotColours dotColours_{};
};

} // namespace wavepair
