#include "chain/ChainDisplay.hpp"
#include "chain/ChainModel.hpp"
#include "surface/DrawingSurface.hpp"

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

// One pass as KETTLAB runs it on a 993 x 496 pixel surface: physics, erase
// and redraw of 98 dots into the backing image, clock.
void chainFullPass(benchmark::State& state)
{
    chain::ChainModel model = movingChain();
    surface::DrawingSurface picture;
    picture.resize(993, 496);
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
BENCHMARK(chainFullPass);

} // namespace
