#include "chain/ChainDisplay.hpp"
#include "chain/ChainProgram.hpp"
#include "core/Picture.hpp"
#include "core/Zoom.hpp"

#include <benchmark/benchmark.h>

#include <array>
#include <utility>

namespace {

// The program with a running wave, so the numbers are not all zero.
void startWave(chain::ChainProgram& program, core::Canvas& picture)
{
    program.switchHarmonic();
    program.switchClock();
    for (int pass = 0; pass < 500; ++pass) {
        program.pass(picture);
    }
}

void followThree(chain::ChainProgram& program)
{
    program.openRecorder();
    program.recorder()->follow(0, 10);
    program.recorder()->follow(1, 30);
    program.recorder()->follow(2, 60);
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

// One pass as KETTLAB runs it on a 993 x 496 pixel surface (/0), and on a
// 1920 x 1080 screen at its zoom of 1.40625 (/1: 1862 x 698 pixels, dots 6
// pixels wide) and on a 3840 x 2160 screen at 2.8125 (/2: 3724 x 1396 pixels,
// dots 11 pixels wide): physics, erase and redraw of 98 dots into the backing
// image, clock.
void chainPass(benchmark::State& state, bool recording)
{
    const auto screen = static_cast<int>(state.range(0));
    core::zoom::setFactor(std::array{1.0, 1.40625, 2.8125}.at(screen));
    chain::ChainProgram program;
    core::Picture picture;
    const auto size = std::array{std::pair{993, 496}, std::pair{1862, 698}, std::pair{3724, 1396}}.at(screen);
    picture.setSize(size.first, size.second, 1.0);
    picture.setScale(chain::chainScale);
    picture.setBackColor(chain::surfaceBackground);
    program.load(picture);
    if (recording) {
        followThree(program);
    }
    startWave(program, picture);
    for (auto _ : state) {
        program.pass(picture);
    }
    benchmark::DoNotOptimize(picture.raster().pixels());
}

void chainProgramPass(benchmark::State& state)
{
    chainPass(state, false);
}
BENCHMARK(chainProgramPass)->Arg(0)->Arg(1)->Arg(2);

// The same with the recorder open, following three masses and the driven end.
void chainProgramPassRecording(benchmark::State& state)
{
    chainPass(state, true);
}
BENCHMARK(chainProgramPassRecording)->Arg(0)->Arg(1)->Arg(2);

} // namespace
