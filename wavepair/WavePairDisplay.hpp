#pragma once

#include "WavePairModel.hpp"

#include "core/Canvas.hpp"

#include <array>

namespace wavepair {

inline constexpr core::Rgb displayBackground = core::RGB(255, 255, 224);
inline constexpr core::Rgb insetBackground = core::RGB(224, 224, 224);
inline constexpr core::Rgb dotColour = core::RGB(0, 0, 0);
inline constexpr core::Rgb reflectorBarColour = core::RGB(128, 128, 128);

// The pen width of the dots; anything drawn thinner sets it back.
inline constexpr int dotWidth = 5;
inline constexpr int markerLineWidth = 1;

// The marker line runs past both edges of the display (y -3 to 3).
inline constexpr float markerTop = 5.0F;
inline constexpr float markerBottom = -5.0F;

// Rest lines of the two rows on the display.
inline constexpr float longitudinalRow = -1.0F;
inline constexpr float transverseRow = 1.0F;

// Each mass's dot colour by index; value-initialised, all black.
using DotColours = std::array<core::Rgb, WavePairModel::lastMass + 1>;

// The drawing step of a pass: for every second mass the dots of the rows that
// are on are erased where they were last drawn and drawn where they are now;
// yDrawn records where, whether a row is on or not.
void drawWaves(WavePairModel& model, core::Canvas& picture1, const DotColours& colours = {});

// The rows the passes have left on the display; clearing it takes them away.
struct RowsDrawn {
    bool longitudinal = false;
    bool transverse = false;
};
RowsDrawn rowsDrawnBy(const WavePairModel& model);

// Paints a marker line at x over in the background colour outside a pass and
// draws again, where they were last drawn, the dots it ran through, so a
// halted picture stays whole. While running the next pass would redraw them
// just the same.
void eraseMarkerLine(
    const WavePairModel& model, RowsDrawn rows, core::Canvas& picture1, float x, const DotColours& colours = {});

// The mass with dots whose rest place is nearest to x (mass i at x = i + 1,
// every second one from mass 2 drawn).
int massAt(float x);

// Draws mass i's dots again where they were last drawn, in another colour;
// only every second mass has dots.
void redrawDots(const WavePairModel& model, RowsDrawn rows, core::Canvas& picture1, int i, core::Rgb colour);

// The two pictograms: a loudspeaker on the longitudinal field, a vertical
// double arrow with a rest mark on the hand-excitation field.
void DrawSymbols(core::Canvas& picture2, core::Canvas& picture3);

} // namespace wavepair
