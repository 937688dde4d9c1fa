#include "ChainProgram.hpp"

#include "ChainDisplay.hpp"

#include "core/RecorderForm.hpp"

#include <algorithm>
#include <cmath>

namespace chain {

namespace {

std::int16_t flipped(std::int16_t flag)
{
    return static_cast<std::int16_t>(1 - flag);
}

// The time step of the slowest speed, setSpeed(1).
constexpr double smallestDt = 1 / 20.0;

} // namespace

void ChainProgram::load(core::Canvas& picture1)
{
    picture1.setDrawWidth(dotWidth);
    drawMarker(picture1, Marker::damping);
    enterRun(picture1);
}

void ChainProgram::enterRun(core::Canvas& picture1)
{
    picture1.setDrawWidth(dotWidth);
}

bool ChainProgram::pass(core::Canvas& picture1)
{
    if (model_.halted == 1) {
        return false;
    }
    advanceAndDraw(picture1);
    return true;
}

void ChainProgram::singleStep(core::Canvas& picture1)
{
    if (model_.halted == 1) {
        advanceAndDraw(picture1);
    }
}

void ChainProgram::advanceAndDraw(core::Canvas& picture1)
{
    model_.advance();
    if (recorder_) {
        recorder_->take(model_.y, driveState());
    }
    drawChain(model_, picture1, dotColours_);
    drawn_ = drawnBy(model_);
    model_.t = model_.t + model_.dt;
    if (model_.clockOn == 1) {
        // The 0.05 keeps a sum of steps a hair below a hundredth from showing one hundredth too little.
        view_.clock = std::floor(100.0 * model_.t + 0.05) / 100.0;
    }
    picture1.setDrawWidth(dotWidth);
}

void ChainProgram::clearPicture(core::Canvas& picture1)
{
    picture1.Cls();
    drawn_ = {};
}

void ChainProgram::showMarker(core::Canvas& picture1, Marker marker, bool on)
{
    if (on) {
        drawMarker(picture1, marker);
    } else {
        eraseMarkerOverChain(model_, drawn_, picture1, marker, dotColours_);
    }
}

void ChainProgram::showExcitationMode()
{
    view_.label6 = model_.harmonic == 1 ? "Harmonisch bewegt" : "Bewegung mit Maus";
}

void ChainProgram::haltOrResume(core::Canvas& picture1)
{
    model_.halted = flipped(model_.halted);
    if (model_.halted == 0) {
        view_.command11 = "Halt";
        showExcitationMode();
        enterRun(picture1);
        return;
    }
    view_.command11 = "Weiter";
    view_.label6 = "Halt";
    if (model_.refraction == 1) {
        drawMarker(picture1, Marker::refraction);
    }
}

void ChainProgram::switchHarmonic()
{
    model_.harmonic = flipped(model_.harmonic);
    view_.harmonicOn = model_.harmonic == 1;
    showExcitationMode();
}

void ChainProgram::switchDamping(core::Canvas& picture1)
{
    model_.switchDamping();
    view_.dampingOn = model_.damping == 2;
    showMarker(picture1, Marker::damping, view_.dampingOn);
}

void ChainProgram::switchRefraction(core::Canvas& picture1)
{
    model_.switchRefraction();
    view_.refractionOn = model_.refraction == 1;
    if (view_.refractionOn) {
        drawMarker(picture1, Marker::refraction);
    } else {
        clearPicture(picture1);
        picture1.setDrawWidth(dotWidth);
        RedrawMarkers(model_, picture1);
    }
}

void ChainProgram::switchObstacle(core::Canvas& picture1)
{
    model_.obstacle = flipped(model_.obstacle);
    view_.obstacleOn = model_.obstacle == 1;
    showMarker(picture1, Marker::obstacle, view_.obstacleOn);
}

void ChainProgram::switchClock()
{
    model_.clockOn = flipped(model_.clockOn);
    if (model_.clockOn == 1) {
        view_.command8 = "   Stopp";
        model_.t = 0;
    } else {
        view_.command8 = "   Start";
    }
}

void ChainProgram::clearVelocities()
{
    model_.clearVelocities();
    if (recorder_) {
        recorder_->disturb();
    }
}

void ChainProgram::clearDisplacements(core::Canvas& picture1)
{
    clearPicture(picture1);
    model_.clearDisplacements();
    RedrawMarkers(model_, picture1);
    if (recorder_) {
        recorder_->disturb();
    }
}

void ChainProgram::clear(core::Canvas& picture1)
{
    clearPicture(picture1);
    model_.clearAll();
    RedrawMarkers(model_, picture1);
    if (recorder_) {
        recorder_->clear();
    }
}

void ChainProgram::chooseBallSpring()
{
    model_.restoring = ballSpringRestoring;
    view_.pendulum = false;
    view_.titleHead = "Schwingbahn - Torsionskette" + std::string(19, ' ');
}

void ChainProgram::choosePendulum()
{
    model_.restoring = pendulumRestoring;
    view_.pendulum = true;
    view_.titleHead = "Schwingbahn - Pendelkette" + std::string(36, ' ');
}

void ChainProgram::setAmplitude(int value)
{
    model_.amplitude = value / 10.0;
    view_.amplitude = model_.amplitude;
}

void ChainProgram::setPeriod(int value)
{
    model_.changePeriod(value);
    view_.period = value / 10.0;
}

void ChainProgram::setSpeed(int value)
{
    model_.dt = value / 20.0;
}

void ChainProgram::mouseDown(float x, float y)
{
    model_.downX = x;
    model_.downY = y;
}

void ChainProgram::mouseMove(int button, float x, float y, core::Canvas& picture1)
{
    if (button != 2) {
        view_.tape.shown = false;
        if (button == 1) {
            model_.y[0] = y;
        }
        return;
    }
    const double tenths = std::floor(10.0 * static_cast<double>(x - model_.downX));
    view_.tape = {true, x, model_.downY - 0.5F, tenths / 10.0};
    // The rounded end is a 16-bit integer; a pointer far outside cannot overflow it.
    const double end = std::floor(static_cast<double>(x) + 0.5);
    DrawTapeMarks(picture1, model_.downX, static_cast<int>(std::clamp(end, -32768.0, 32767.0)));
}

void ChainProgram::DrawTapeMarks(core::Canvas& picture1, double start, int end) const
{
    struct Tick {
        float step;
        float length;
    };
    constexpr Tick ticks[] = {{1.0F, 0.1F}, {5.0F, 0.15F}, {10.0F, 0.2F}};
    // Ticks beyond the surface's edges are invisible; skipping them keeps a
    // press far outside from costing thousands of lines.
    constexpr auto visibleLeft = static_cast<float>(chainScale.left) - 1.0F;
    constexpr auto visibleRight = static_cast<float>(chainScale.left + chainScale.width) + 1.0F;
    const float baseline = model_.downY;
    const auto last = std::min(static_cast<float>(end), visibleRight);

    picture1.setDrawWidth(1);
    for (const Tick& tick : ticks) {
        auto x = static_cast<float>(start);
        if (x < visibleLeft) {
            x += std::floor((visibleLeft - x) / tick.step) * tick.step;
        }
        // The tick position is a float that grows by the step, so every tick
        // keeps the fraction of the press point.
        while (x <= last) {
            picture1.Line(x, baseline, x, baseline - tick.length);
            x += tick.step;
        }
    }
    picture1.setDrawWidth(dotWidth);
}

core::Recorder& ChainProgram::openRecorder()
{
    if (!recorder_) {
        recorder_.emplace(smallestDt, ChainModel::lastMass);
    }
    return *recorder_;
}

void ChainProgram::showFollowed(core::Canvas& picture1)
{
    core::recolourDots(recorder(), dotColours_, dotColour, [&](int i, core::Rgb colour) {
        if (drawn_.shown) {
            redrawDot(model_, drawn_, picture1, i, colour);
        }
    });
}

core::DriveState ChainProgram::driveState() const
{
    return {.harmonic = model_.harmonic == 1,
        .omega = model_.omega,
        .amplitude = model_.amplitude,
        .dt = model_.dt,
        .lattice = {.restoring = model_.restoring,
            .firstHeavy = model_.refraction == 1 ? ChainModel::firstHeavyMass : 0,
            .heavyMass = 4},
        .ends = model_.damping + 4 * model_.obstacle};
}

void ChainProgram::redrawMarkers(core::Canvas& picture1) const
{
    RedrawMarkers(model_, picture1);
}

} // namespace chain
