#include "chain/ChainProgram.hpp"
#include "core/Picture.hpp"
#include "core/RecorderForm.hpp"
#include "core/Zoom.hpp"

#include <benchmark/benchmark.h>

#include <array>

namespace {

// A full ring: KETTLAB at its slowest speed with the harmonic drive, three
// masses and the driven end followed, in the window of the given length.
core::Recorder fullRecording(int window)
{
    chain::ChainProgram program;
    core::Picture surface;
    program.load(surface);
    program.setSpeed(1);
    program.openRecorder();
    core::Recorder& recorder = *program.recorder();
    recorder.follow(0, 10);
    recorder.follow(1, 30);
    recorder.follow(2, 60);
    recorder.setWindow(window);
    program.switchHarmonic();
    while (recorder.size() < recorder.capacity()) {
        program.pass(surface);
    }
    return recorder;
}

// The plot of the recorder window at 1920 x 1080 (zoom 1.40625: 889 x 338
// pixels), over the window of /50 to /500 time units.
void recorderPlot(benchmark::State& state)
{
    core::zoom::setFactor(1.40625);
    const core::Recorder recorder = fullRecording(static_cast<int>(state.range(0)));
    core::Picture plot;
    plot.setSize(889, 338, 1.0);
    for (auto _ : state) {
        core::drawRecording(plot, recorder);
    }
    benchmark::DoNotOptimize(plot.raster().pixels());
}
BENCHMARK(recorderPlot)->Arg(50)->Arg(500);

// The values read off and predicted, with their texts.
void recorderView(benchmark::State& state)
{
    const core::Recorder recorder = fullRecording(100);
    for (auto _ : state) {
        benchmark::DoNotOptimize(core::recorderView(recorder));
    }
}
BENCHMARK(recorderView);

} // namespace
