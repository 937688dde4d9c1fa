#include "chain/ChainProgram.hpp"
#include "surface/ClassicLook.hpp"
#include "surface/DrawingSurface.hpp"

#include <benchmark/benchmark.h>

namespace {

// The program with a running wave, so the numbers are not all zero.
void startWave(chain::ChainProgram& program, surface::Canvas& picture)
{
    program.switchHarmonic();
    program.switchClock();
    for (int pass = 0; pass < 500; ++pass) {
        program.pass(picture);
    }
}

void chainAdvance(benchmark::State& state)
{
    chain::ChainModel model;
    model.harmonic = 1;
    for (auto _ : state) {
        model.advance();
        benchmark::DoNotOptimize(model.y.data());
    }
}
BENCHMARK(chainAdvance);

// One pass as KETTLAB runs it on a 993 x 496 pixel surface: physics, erase
// and redraw of 98 dots into the backing image, clock.
void chainProgramPass(benchmark::State& state)
{
    chain::ChainProgram program;
    surface::DrawingSurface picture;
    picture.resize(993, 496);
    picture.setScale(chain::chainScale);
    picture.setBackColor(surface::lightYellow);
    program.load(picture);
    startWave(program, picture);
    for (auto _ : state) {
        program.pass(picture);
    }
    benchmark::DoNotOptimize(picture.image().constBits());
}
BENCHMARK(chainProgramPass);

} // namespace
