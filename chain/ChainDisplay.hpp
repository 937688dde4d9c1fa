#pragma once

#include "ChainModel.hpp"

#include "core/Canvas.hpp"

#include <array>

namespace chain {

inline constexpr core::Rgb surfaceBackground = core::RGB(255, 255, 224);
inline constexpr core::Rgb dotColour = core::RGB(0, 0, 0);
inline constexpr core::Rgb dampingMarkerColour = core::RGB(255, 128, 128);
inline constexpr core::Rgb obstacleMarkerColour = core::RGB(255, 0, 255);

// Each point's dot colour by index; value-initialised, all black.
using DotColours = std::array<core::Rgb, ChainModel::lastMass + 1>;

// The pen width of the dots; markers drawn with another width set it back.
inline constexpr int dotWidth = 4;
inline constexpr int heavyDotWidth = 5;

// The vertical marker lines over the full height of the surface.
enum class Marker { damping, obstacle, refraction };

void drawMarker(core::Canvas& canvas, Marker marker);
// Paints the marker over in the background colour.
void eraseMarker(core::Canvas& canvas, Marker marker);

// Draws the markers of the settings that are on, after the surface was cleared.
void RedrawMarkers(const ChainModel& model, core::Canvas& canvas);

// How the passes left the chain on the surface: whether it is there at all
// (clearing the surface takes it away) and whether its right half was drawn
// with the wide pen.
struct ChainDrawn {
    bool shown = false;
    bool wide = false;
};
ChainDrawn drawnBy(const ChainModel& model);

// Paints the marker over in the background colour outside a pass and draws
// again, where they were last drawn, the dots its line ran through, so a
// halted chain stays whole. While running the next pass would redraw them
// just the same.
void eraseMarkerOverChain(
    const ChainModel& model, ChainDrawn drawn, core::Canvas& canvas, Marker marker, const DotColours& colours = {});

// The mass whose dot stands nearest to x (points 1 to the last; point i at x = i + 1).
int massAt(float x);

// Draws point i's dot again where it was last drawn, in another colour.
void redrawDot(const ChainModel& model, ChainDrawn drawn, core::Canvas& canvas, int i, core::Rgb colour);

// The drawing step of a pass: every point is erased where it was last drawn
// and drawn where it is now, point by point, and yDrawn records where.
void drawChain(ChainModel& model, core::Canvas& canvas, const DotColours& colours = {});

} // namespace chain
