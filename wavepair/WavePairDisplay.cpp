#include "WavePairDisplay.hpp"

#include <algorithm>
#include <cmath>

namespace wavepair {

namespace {

// A longitudinal dot is shifted along its row, a transverse one across it;
// a positive displacement moves them left and down.
float longitudinalX(int i, double displacement)
{
    return static_cast<float>((i + 1) - 1.5 * displacement);
}

float transverseY(double displacement)
{
    return static_cast<float>(1 + 0.5 * displacement);
}

} // namespace

RowsDrawn rowsDrawnBy(const WavePairModel& model)
{
    return {model.showLongitudinal == 1, model.showTransverse == 1};
}

void eraseMarkerLine(
    const WavePairModel& model, RowsDrawn rows, core::Canvas& picture1, float x, const DotColours& colours)
{
    picture1.setDrawWidth(markerLineWidth);
    picture1.Line(x, markerTop, x, markerBottom, displayBackground);
    picture1.setDrawWidth(dotWidth);
    // The line is thinner than a dot and the dots of a row stand two units
    // apart, so only the dots within one unit of it can be touched.
    const auto crossed = [x](float dotX) {
        return std::abs(dotX - x) <= 1.0F;
    };
    for (int i = 0; i < WavePairModel::lastMass; i += 2) {
        const float longitudinal = longitudinalX(i, model.yDrawn[i]);
        const core::Rgb colour = colours.at(static_cast<std::size_t>(i));
        if (rows.longitudinal && crossed(longitudinal)) {
            picture1.PSet(longitudinal, longitudinalRow, colour);
        }
        const auto transverse = static_cast<float>(i + 1);
        if (rows.transverse && crossed(transverse)) {
            picture1.PSet(transverse, transverseY(model.yDrawn[i]), colour);
        }
    }
}

int massAt(float x)
{
    const long lastDrawn = WavePairModel::lastMass - 1;
    return static_cast<int>(std::clamp(2 * std::lround((x - 1) / 2), 2L, lastDrawn));
}

void redrawDots(const WavePairModel& model, RowsDrawn rows, core::Canvas& picture1, int i, core::Rgb colour)
{
    if (i % 2 != 0) {
        return;
    }
    if (rows.longitudinal) {
        picture1.PSet(longitudinalX(i, model.yDrawn[i]), longitudinalRow, colour);
    }
    if (rows.transverse) {
        picture1.PSet(static_cast<float>(i + 1), transverseY(model.yDrawn[i]), colour);
    }
}

void drawWaves(WavePairModel& model, core::Canvas& picture1, const DotColours& colours)
{
    for (int i = 0; i < WavePairModel::lastMass; i += 2) {
        const core::Rgb colour = colours[static_cast<std::size_t>(i)];
        if (model.showLongitudinal == 1) {
            picture1.PSet(longitudinalX(i, model.yDrawn[i]), longitudinalRow, displayBackground);
            picture1.PSet(longitudinalX(i, model.y[i]), longitudinalRow, colour);
        }
        if (model.showTransverse == 1) {
            const auto x = static_cast<float>(i + 1);
            picture1.PSet(x, transverseY(model.yDrawn[i]), displayBackground);
            picture1.PSet(x, transverseY(model.y[i]), colour);
        }
        model.yDrawn[i] = model.y[i];
    }
}

void DrawSymbols(core::Canvas& picture2, core::Canvas& picture3)
{
    picture2.setDrawWidth(2);
    picture2.LineBox(-50, 50, 50, -50, dotColour);
    picture2.Line(50, -50, 150, -100);
    picture2.Line(50, 50, 150, 100);

    picture3.setDrawWidth(3);
    picture3.Line(1.0F, -1.5F, 1.0F, 1.5F);
    picture3.Line(1.0F, -1.5F, 0.8F, -1.3F);
    picture3.Line(1.0F, -1.5F, 1.2F, -1.3F);
    picture3.Line(1.0F, 1.5F, 0.8F, 1.3F);
    picture3.Line(1.0F, 1.5F, 1.2F, 1.3F);
    picture3.Line(0.8F, 0.0F, 1.2F, 0.0F);
}

} // namespace wavepair
