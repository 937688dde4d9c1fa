#include "WavePairProgram.hpp"

#include "WavePairDisplay.hpp"

#include "core/RecorderForm.hpp"

#include <cmath>

namespace wavepair {

namespace {

// Move and release in the hand-excitation field count only inside its height.
constexpr float handFieldLimit = 2.0F;

std::int16_t flipped(std::int16_t flag)
{
    return static_cast<std::int16_t>(1 - flag);
}

// The time step of the slowest speed, setSpeed(2).
constexpr double smallestDt = 2 / 100.0;
// The inner masses' velocity damping in the model's force law.
constexpr double innerDamping = 0.01;

} // namespace

void WavePairProgram::load(const WavePairCanvases& pictures)
{
    pictures.picture1.setDrawWidth(dotWidth);
    paint(pictures);
    RunWaves(pictures.picture1);
}

void WavePairProgram::paint(const WavePairCanvases& pictures) const
{
    DrawSymbols(pictures.picture2, pictures.picture3);
}

void WavePairProgram::RunWaves(core::Canvas& picture1)
{
    picture1.setDrawWidth(dotWidth);
}

bool WavePairProgram::pass(core::Canvas& picture1)
{
    if (model_.halted == 1) {
        return false;
    }
    advanceAndDraw(picture1);
    return true;
}

void WavePairProgram::singleStep(core::Canvas& picture1)
{
    if (model_.halted == 1) {
        advanceAndDraw(picture1);
    }
}

void WavePairProgram::advanceAndDraw(core::Canvas& picture1)
{
    model_.advance();
    if (recorder_) {
        recorder_->take(model_.y, driveState());
    }
    drawWaves(model_, picture1, dotColours_);
    drawn_ = rowsDrawnBy(model_);
    picture1.setDrawWidth(dotWidth);
}

WavePairView WavePairProgram::view() const
{
    return {model_.halted == 1, model_.harmonic == 1, model_.reflector == 1, model_.showTransverse == 1,
        model_.showLongitudinal == 1};
}

void WavePairProgram::haltOrResume(core::Canvas& picture1)
{
    model_.halted = flipped(model_.halted);
    if (model_.halted == 0) {
        RunWaves(picture1);
    }
}

void WavePairProgram::switchExcitation(core::Canvas& picture1)
{
    model_.harmonic = flipped(model_.harmonic);
    if (model_.harmonic == 1) {
        model_.halted = 0;
        RunWaves(picture1);
    }
}

void WavePairProgram::switchReflector()
{
    model_.switchReflector();
}

void WavePairProgram::switchTransverse(core::Canvas& picture1)
{
    model_.showTransverse = flipped(model_.showTransverse);
    clearPicture(picture1);
}

void WavePairProgram::switchLongitudinal(const WavePairCanvases& pictures)
{
    model_.showLongitudinal = flipped(model_.showLongitudinal);
    if (model_.showLongitudinal == 1) {
        DrawSymbols(pictures.picture2, pictures.picture3);
    }
    clearPicture(pictures.picture1);
}

void WavePairProgram::clear(core::Canvas& picture1)
{
    clearPicture(picture1);
    model_.clear();
    RunWaves(picture1);
    if (recorder_) {
        recorder_->clear();
    }
}

core::Recorder& WavePairProgram::openRecorder()
{
    if (!recorder_) {
        recorder_.emplace(smallestDt, WavePairModel::lastMass);
    }
    return *recorder_;
}

void WavePairProgram::showFollowed(core::Canvas& picture1)
{
    core::recolourDots(recorder(), dotColours_, dotColour, [&](int i, core::Rgb colour) {
        redrawDots(model_, drawn_, picture1, i, colour);
    });
}

core::DriveState WavePairProgram::driveState() const
{
    return {.harmonic = model_.harmonic == 1,
        .omega = model_.omega,
        .amplitude = model_.amplitude,
        .dt = model_.dt,
        .lattice = {.restoring = model_.restoring, .damping = innerDamping},
        .ends = model_.reflector};
}

void WavePairProgram::setAmplitude(int value)
{
    model_.amplitude = value / 10.0;
}

void WavePairProgram::setFrequency(int value)
{
    model_.changeFrequency(value);
}

void WavePairProgram::setSpeed(int value)
{
    model_.dt = value / 100.0;
}

void WavePairProgram::clearPicture(core::Canvas& picture1)
{
    picture1.Cls();
    drawn_ = {};
}

void WavePairProgram::drawMarkerLine(core::Canvas& picture1, float x, core::Rgb colour) const
{
    picture1.setDrawWidth(markerLineWidth);
    picture1.Line(x, markerTop, x, markerBottom, colour);
    picture1.setDrawWidth(dotWidth);
}

void WavePairProgram::markerDown(int button, float x, core::Canvas& picture1)
{
    if (button == 1 || button == 2) {
        drawMarkerLine(picture1, x, picture1.ForeColor());
        markerX_ = x;
    }
}

void WavePairProgram::markerMove(int button, float x, core::Canvas& picture1)
{
    if (button == 1 || button == 2) {
        eraseMarkerLine(model_, drawn_, picture1, markerX_, dotColours_);
        drawMarkerLine(picture1, x, picture1.ForeColor());
        markerX_ = x;
    }
}

void WavePairProgram::markerUp(int button, float x, core::Canvas& picture1)
{
    if (button == 1) {
        // Where no move reported the release point, the line still stands
        // where it was last drawn.
        eraseMarkerLine(model_, drawn_, picture1, x, dotColours_);
        eraseMarkerLine(model_, drawn_, picture1, markerX_, dotColours_);
    }
}

void WavePairProgram::handDown(int button, float y)
{
    if (button == 1) {
        model_.y[0] = y;
    }
}

void WavePairProgram::handMove(int button, float y)
{
    if (button == 1 && std::abs(y) < handFieldLimit) {
        model_.y[0] = y;
    }
}

} // namespace wavepair
