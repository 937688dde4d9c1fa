#include "ChainDisplay.hpp"

#include <algorithm>
#include <cmath>

namespace chain {

namespace {

struct MarkerLook {
    float x;
    int width;
    bool foreground; // drawn in the surface's foreground colour
    core::Rgb colour;
};

MarkerLook lookOf(Marker marker)
{
    switch (marker) {
    case Marker::damping:
        return {98.0F, 4, false, dampingMarkerColour};
    case Marker::obstacle:
        return {48.0F, 1, false, obstacleMarkerColour};
    case Marker::refraction:
        return {47.5F, 1, true, {}};
    }
    return {};
}

// Dots from point 47 on are wide in refraction mode.
constexpr int lastNarrow = 46;

constexpr float surfaceTop = -3.0F;
constexpr float surfaceBottom = 3.0F;

} // namespace

void drawMarker(core::Canvas& canvas, Marker marker)
{
    const MarkerLook look = lookOf(marker);
    canvas.setDrawWidth(look.width);
    if (look.foreground) {
        canvas.Line(look.x, surfaceTop, look.x, surfaceBottom);
    } else {
        canvas.Line(look.x, surfaceTop, look.x, surfaceBottom, look.colour);
    }
    canvas.setDrawWidth(dotWidth);
}

void eraseMarker(core::Canvas& canvas, Marker marker)
{
    const MarkerLook look = lookOf(marker);
    canvas.setDrawWidth(look.width);
    canvas.Line(look.x, surfaceTop, look.x, surfaceBottom, surfaceBackground);
    canvas.setDrawWidth(dotWidth);
}

ChainDrawn drawnBy(const ChainModel& model)
{
    return {true, model.refraction == 1};
}

void eraseMarkerOverChain(
    const ChainModel& model, ChainDrawn drawn, core::Canvas& canvas, Marker marker, const DotColours& colours)
{
    eraseMarker(canvas, marker);
    if (!drawn.shown) {
        return;
    }
    // A marker line is at most as wide as a dot and dots stand one unit
    // apart, so only the dots within one unit of the line can be touched.
    const float x = lookOf(marker).x;
    for (int i = 0; i <= ChainModel::lastMass; ++i) {
        const auto dotX = static_cast<float>(i + 1);
        if (std::abs(dotX - x) <= 1.0F) {
            redrawDot(model, drawn, canvas, i, colours.at(static_cast<std::size_t>(i)));
        }
    }
}

int massAt(float x)
{
    return static_cast<int>(std::clamp(std::lround(x) - 1L, 1L, static_cast<long>(ChainModel::lastMass)));
}

void redrawDot(const ChainModel& model, ChainDrawn drawn, core::Canvas& canvas, int i, core::Rgb colour)
{
    canvas.setDrawWidth(drawn.wide && i > lastNarrow ? heavyDotWidth : dotWidth);
    canvas.PSet(static_cast<float>(i + 1), static_cast<float>(model.yDrawn[i]), colour);
    canvas.setDrawWidth(dotWidth);
}

void RedrawMarkers(const ChainModel& model, core::Canvas& canvas)
{
    if (model.damping == 2) {
        drawMarker(canvas, Marker::damping);
    }
    if (model.obstacle == 1) {
        drawMarker(canvas, Marker::obstacle);
    }
    if (model.refraction == 1) {
        drawMarker(canvas, Marker::refraction);
    }
}

void drawChain(ChainModel& model, core::Canvas& canvas, const DotColours& colours)
{
    const int last = ChainModel::lastMass;
    for (int i = 0; i < last; ++i) {
        if (model.refraction == 1 && i > lastNarrow) {
            canvas.setDrawWidth(heavyDotWidth);
        }
        const auto x = static_cast<float>(i + 1);
        canvas.PSet(x, static_cast<float>(model.yDrawn[i]), surfaceBackground);
        canvas.PSet(x, static_cast<float>(model.y[i]), colours[static_cast<std::size_t>(i)]);
        model.yDrawn[i] = model.y[i];
    }
    // The end mass runs along the damping marker and is erased in its colour.
    const auto x = static_cast<float>(last + 1);
    canvas.PSet(x, static_cast<float>(model.yDrawn[last]), core::RGB(255, model.eraseG, model.eraseB));
    canvas.PSet(x, static_cast<float>(model.y[last]), colours[last]);
    model.yDrawn[last] = model.y[last];
}

} // namespace chain
