#include "chain/ChainDisplay.hpp"
#include "chain/ChainModel.hpp"
#include "surface/DrawingSurface.hpp"
#include "surface/Zoom.hpp"

#include <benchmark/benchmark.h>

namespace {

// A chain carrying a running wave, so the numbers are not all zero.
chain::ChainModel movingChain()
{
    chain::ChainModel model;
    model.harmonic = 1;
    for (int pass = 0; pass < 500; ++pass) {
        model.advance();
    }
    return model;
}

void chainAdvance(benchmark::State& state)
{
    chain::ChainModel model = movingChain();
    for (auto _ : state) {
        model.advance();
        benchmark::DoNotOptimize(model.y.data());
    }
}
BENCHMARK(chainAdvance);

// One pass as KETTLAB runs it on a 993 x 496 pixel surface (/0), and on a
// 1920 x 1080 screen at its zoom of 1.40625 (/1: 1862 x 698 pixels, dots 6
// pixels wide): physics, erase and redraw of 98 dots into the backing image,
// clock.
void chainFullPass(benchmark::State& state)
{
    const bool zoomed = state.range(0) == 1;
    surface::zoom::setFactor(zoomed ? 1.40625 : 1.0);
    chain::ChainModel model = movingChain();
    surface::DrawingSurface picture;
    picture.resize(zoomed ? QSize(1862, 698) : QSize(993, 496));
    picture.setScale({0, -3, 100, 6});
    picture.setBackColor(chain::surfaceBackground);
    picture.setDrawWidth(chain::dotWidth);
    for (auto _ : state) {
        model.advance();
        chain::drawChain(model, picture);
        model.t = model.t + model.dt;
        picture.setDrawWidth(chain::dotWidth);
    }
    benchmark::DoNotOptimize(picture.image().constBits());
}
BENCHMARK(chainFullPass)->Arg(0)->Arg(1);

} // namespace
