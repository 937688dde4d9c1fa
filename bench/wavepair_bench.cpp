#include "wavepair/WavePairDisplay.hpp"
#include "wavepair/WavePairModel.hpp"

#include "surface/ClassicControls.hpp"
#include "surface/DrawingSurface.hpp"
#include "surface/Zoom.hpp"

#include <QLabel>

#include <benchmark/benchmark.h>

namespace {

// A chain carrying the drive's wave, so the numbers are not all zero.
wavepair::WavePairModel movingWavePair()
{
    wavepair::WavePairModel model;
    model.harmonic = 1;
    model.showLongitudinal = 1;
    for (int pass = 0; pass < 500; ++pass) {
        model.advance();
    }
    return model;
}

void wavepairAdvance(benchmark::State& state)
{
    wavepair::WavePairModel model = movingWavePair();
    for (auto _ : state) {
        model.advance();
        benchmark::DoNotOptimize(model.y.data());
    }
}
BENCHMARK(wavepairAdvance);

// One pass as PAARLAB runs it with both rows on, on its 1009 x 521 pixel
// display (/0), and on a 1920 x 1080 screen at its zoom of 1.40625 (/1:
// 1419 x 733 pixels, dots 7 pixels wide): physics, erase and redraw of 2 x 49
// dots into the backing image, repaint of the reflector bar.
void wavepairFullPass(benchmark::State& state)
{
    const bool zoomed = state.range(0) == 1;
    surface::zoom::setFactor(zoomed ? 1.40625 : 1.0);
    wavepair::WavePairModel model = movingWavePair();
    surface::DrawingSurface picture;
    picture.resize(zoomed ? QSize(1419, 733) : QSize(1009, 521));
    picture.setScale({-10, -3, 105, 6});
    picture.setBackColor(wavepair::displayBackground);
    picture.setDrawWidth(wavepair::dotWidth);
    QLabel bar(&picture);
    for (auto _ : state) {
        model.advance();
        wavepair::drawWaves(model, picture);
        surface::setBackColor(&bar, wavepair::reflectorBarColour);
        picture.setDrawWidth(wavepair::dotWidth);
    }
    benchmark::DoNotOptimize(picture.image().constBits());
}
BENCHMARK(wavepairFullPass)->Arg(0)->Arg(1);

} // namespace
