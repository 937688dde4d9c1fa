#include "Soak.hpp"

#include "surface/DrawingSurface.hpp"
#include "wavepair/WavePairDisplay.hpp"
#include "wavepair/WavePairModel.hpp"

#include <chrono>
#include <cmath>

namespace {

bool finite(const wavepair::WavePairModel& m)
{
    for (const auto* array : {&m.y, &m.v, &m.f, &m.yDrawn}) {
        for (double x : *array) {
            if (!std::isfinite(x)) {
                return false;
            }
        }
    }
    return std::isfinite(m.tHarm);
}

std::int16_t flipped(std::int16_t flag)
{
    return static_cast<std::int16_t>(1 - flag);
}

// The switches and bars of the control panel, as their handlers act on model and picture.
void switchOption(int which, wavepair::WavePairModel& m, surface::DrawingSurface& picture)
{
    switch (which % 7) {
    case 0:
        m.harmonic = flipped(m.harmonic);
        break;
    case 1:
        m.switchReflector();
        break;
    case 2:
        m.showTransverse = flipped(m.showTransverse);
        picture.Cls();
        break;
    case 3:
        m.showLongitudinal = flipped(m.showLongitudinal);
        picture.Cls();
        break;
    case 4:
        m.changeFrequency(1 + (which * 13) % 80);
        m.amplitude = ((which * 7) % 21) / 10.0;
        break;
    case 5:
        m.dt = (2 + (which * 3) % 39) / 100.0;
        break;
    default:
        picture.Cls();
        m.clear();
        break;
    }
}

} // namespace

SoakResult soakWavePair(std::int64_t passes)
{
    constexpr int passesPerSwitch = 997;
    wavepair::WavePairModel m;
    surface::DrawingSurface picture;
    picture.resize(1009, 521);
    picture.setScale({-10, -3, 105, 6});
    picture.setBackColor(wavepair::displayBackground);
    picture.setDrawWidth(wavepair::dotWidth);

    SoakResult result;
    result.program = "PAARLAB";
    const auto began = std::chrono::steady_clock::now();
    for (std::int64_t pass = 0; pass < passes; ++pass) {
        if (pass == 1000) {
            result.startRssKb = residentKb();
        }
        if (pass % passesPerSwitch == passesPerSwitch - 1) {
            switchOption(static_cast<int>(pass / passesPerSwitch), m, picture);
            result.allFinite = result.allFinite && finite(m);
        }
        m.advance();
        wavepair::drawWaves(m, picture);
        picture.setDrawWidth(wavepair::dotWidth);
        result.largestDisplacement = std::max(result.largestDisplacement, std::abs(m.y[48]));
    }
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    result.passes = passes;
    result.allFinite = result.allFinite && finite(m);
    result.endRssKb = residentKb();
    result.peakRssKb = peakResidentKb();
    return result;
}
