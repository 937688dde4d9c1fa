#include "Soak.hpp"

#include "surface/DrawingSurface.hpp"
#include "wavepair/WavePairDisplay.hpp"
#include "wavepair/WavePairModel.hpp"

namespace {

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
    wavepair::WavePairModel m;
    surface::DrawingSurface picture;
    picture.resize(1009, 521);
    picture.setScale({-10, -3, 105, 6});
    picture.setBackColor(wavepair::displayBackground);
    picture.setDrawWidth(wavepair::dotWidth);

    return runSoak(
        "PAARLAB", passes, m,
        [&] {
            m.advance();
            wavepair::drawWaves(m, picture);
            picture.setDrawWidth(wavepair::dotWidth);
        },
        [&](int which) {
            switchOption(which, m, picture);
        });
}
