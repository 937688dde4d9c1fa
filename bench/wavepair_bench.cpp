#include "core/Picture.hpp"
#include "core/Zoom.hpp"
#include "wavepair/WavePairDisplay.hpp"
#include "wavepair/WavePairProgram.hpp"

#include <benchmark/benchmark.h>

#include <array>
#include <utility>

namespace {

void wavepairAdvance(benchmark::State& state)
{
    wavepair::WavePairModel model;
    model.harmonic = 1;
    for (auto _ : state) {
        model.advance();
        benchmark::DoNotOptimize(model.y.data());
    }
}
BENCHMARK(wavepairAdvance);

// One pass as PAARLAB runs it with both rows on, on its 1009 x 521 pixel
// display (/0), on a 1920 x 1080 screen at its zoom of 1.40625 (/1:
// 1419 x 733 pixels, dots 7 pixels wide) and on a 3840 x 2160 screen at
// 2.8125 (/2: 2838 x 1466 pixels, dots 14 pixels wide): physics, erase and
// redraw of 2 x 49 dots into the backing image.
void wavepairPass(benchmark::State& state, bool recording)
{
    const auto screen = static_cast<int>(state.range(0));
    core::zoom::setFactor(std::array{1.0, 1.40625, 2.8125}.at(screen));
    wavepair::WavePairProgram program;
    core::Picture picture1;
    const auto size = std::array{std::pair{1009, 521}, std::pair{1419, 733}, std::pair{2838, 1466}}.at(screen);
    picture1.setSize(size.first, size.second, 1.0);
    picture1.setScale({-10, -3, 105, 6});
    picture1.setBackColor(wavepair::displayBackground);
    core::Picture picture2;
    core::Picture picture3;
    const wavepair::WavePairCanvases pictures{picture1, picture2, picture3};
    program.load(pictures);
    if (recording) {
        program.openRecorder();
        program.recorder()->follow(0, 10);
        program.recorder()->follow(1, 30);
        program.recorder()->follow(2, 60);
    }
    program.switchLongitudinal(pictures);
    program.switchExcitation(picture1);
    for (int pass = 0; pass < 500; ++pass) {
        program.pass(picture1);
    }
    for (auto _ : state) {
        program.pass(picture1);
    }
    benchmark::DoNotOptimize(picture1.raster().pixels());
}

void wavepairProgramPass(benchmark::State& state)
{
    wavepairPass(state, false);
}
BENCHMARK(wavepairProgramPass)->Arg(0)->Arg(1)->Arg(2);

// The same with the recorder open, following three masses and the driven end.
void wavepairProgramPassRecording(benchmark::State& state)
{
    wavepairPass(state, true);
}
BENCHMARK(wavepairProgramPassRecording)->Arg(0)->Arg(1)->Arg(2);

} // namespace
