#include "ChainDisplay.hpp"

namespace chain {

namespace {

struct MarkerLook {
    float x;
    int width;
    bool foreground; // drawn in the surface's foreground colour
    surface::Rgb colour;
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

constexpr float surfaceTop = -3.0F;
constexpr float surfaceBottom = 3.0F;

} // namespace

void drawMarker(surface::Canvas& canvas, Marker marker)
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

void eraseMarker(surface::Canvas& canvas, Marker marker)
{
    const MarkerLook look = lookOf(marker);
    canvas.setDrawWidth(look.width);
    canvas.Line(look.x, surfaceTop, look.x, surfaceBottom, surfaceBackground);
    canvas.setDrawWidth(dotWidth);
}

void RedrawMarkers(const ChainModel& model, surface::Canvas& canvas)
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

void drawChain(ChainModel& model, surface::Canvas& canvas)
{
    constexpr int lastWideAfter = 46; // dots from point 47 on are wide in refraction mode
    const int last = ChainModel::lastMass;
    for (int i = 0; i < last; ++i) {
        if (model.refraction == 1 && i > lastWideAfter) {
            canvas.setDrawWidth(heavyDotWidth);
        }
        const auto x = static_cast<float>(i + 1);
        canvas.PSet(x, static_cast<float>(model.yDrawn[i]), surfaceBackground);
        canvas.PSet(x, static_cast<float>(model.y[i]), dotColour);
        model.yDrawn[i] = model.y[i];
    }
    // The end mass runs along the damping marker and is erased in its colour.
    const auto x = static_cast<float>(last + 1);
    canvas.PSet(x, static_cast<float>(model.yDrawn[last]), surface::RGB(255, model.eraseG, model.eraseB));
    canvas.PSet(x, static_cast<float>(model.y[last]), dotColour);
    model.yDrawn[last] = model.y[last];
}

} // namespace chain
