#pragma once

#include "ChainDisplay.hpp"
#include "ChainModel.hpp"

#include "core/Canvas.hpp"
#include "core/Recorder.hpp"
#include "core/UserScale.hpp"

#include <optional>
#include <string>

namespace chain {

// The drawing surface's user scale: x 0 to 100, y -3 at the top to 3 at the bottom.
inline constexpr core::UserScale chainScale{0, -3, 100, 6};

// The measuring tape's length box, in the surface's user units.
struct TapeBox {
    bool shown = false;
    float left = 0;
    float top = 0;
    double length = 0;
};

// What the window shows of the program beyond the picture: captions, lamps
// and numbers, kept up to date by every handler and pass.
struct ChainView {
    std::string command11 = "Halt";
    std::string label6 = "Bewegung mit Maus";
    std::string command8 = "Start";
    bool harmonicOn = false;
    bool dampingOn = true;
    bool refractionOn = false;
    bool obstacleOn = false;
    bool pendulum = false;
    // Empty until a carrier is chosen: the window keeps its first title.
    std::string titleHead;
    double amplitude = 1;
    double period = 25;
    // Empty until the clock has run: the box keeps its first text.
    std::optional<double> clock;
    TapeBox tape;
};

// KETTLAB without its window: the chain, what the window shows of it, one
// pass of the run and one method per control. Everything is drawn through
// the Canvas it is given; the window, the soak and the benchmarks all drive
// the program through these methods.
class ChainProgram {
public:
    // The scene at load: dot pen width and the damping marker.
    void load(core::Canvas& picture1);

    // One pass: false, and nothing done, when it finds the run halted;
    // otherwise advance, drawing and clock.
    bool pass(core::Canvas& picture1);
    bool running() const { return model_.halted == 0; }
    // While halted: one pass as the run would make it; the run stays halted.
    // Does nothing while running.
    void singleStep(core::Canvas& picture1);

    // "Halt" / "Weiter"; the run goes on while running() is true.
    void haltOrResume(core::Canvas& picture1);
    void switchHarmonic();
    void switchDamping(core::Canvas& picture1);
    void switchRefraction(core::Canvas& picture1);
    void switchObstacle(core::Canvas& picture1);
    void switchClock();
    void clearVelocities();
    void clearDisplacements(core::Canvas& picture1);
    void clear(core::Canvas& picture1);
    void chooseBallSpring();
    void choosePendulum();
    void setAmplitude(int value);
    void setPeriod(int value);
    void setSpeed(int value);

    // The mouse on the surface: button as the forms runtime numbers it (1
    // left, 2 right, 4 middle; in a move the sum of the buttons held).
    void mouseDown(float x, float y);
    void mouseMove(int button, float x, float y, core::Canvas& picture1);

    // Restores the markers on a surface that lost its picture.
    void redrawMarkers(core::Canvas& picture1) const;

    ChainModel& model() { return model_; }
    const ChainModel& model() const { return model_; }
    const ChainView& view() const { return view_; }

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
    void enterRun(core::Canvas& picture1);
    void advanceAndDraw(core::Canvas& picture1);
    // Clears the picture and forgets the dots drawn on it.
    void clearPicture(core::Canvas& picture1);
    // Draws a marker line, or erases it without cutting into the dots.
    void showMarker(core::Canvas& picture1, Marker marker, bool on);
    void showExcitationMode();
    void DrawTapeMarks(core::Canvas& picture1, double start, int end) const;
    core::DriveState driveState() const;

    ChainModel model_;
    ChainDrawn drawn_;
    ChainView view_;
    std::optional<core::Recorder> recorder_;
    DotColours dotColours_{};
};

} // namespace chain
