#include "chain/ChainForms.hpp"
#include "chain/ChainProgram.hpp"
#include "core/DecimalText.hpp"
#include "core/Picture.hpp"
#include "core/RecorderForm.hpp"
#include "core/WaveReading.hpp"
#include "core/WindowPlace.hpp"
#include "core/Zoom.hpp"
#include "wavepair/PairForms.hpp"
#include "wavepair/WavePairProgram.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr double pi = std::numbers::pi;

core::DriveState harmonicDrive(double period, double dt, core::Lattice lattice = {})
{
    return {.harmonic = true, .omega = 2 * pi / period, .amplitude = 1, .dt = dt, .lattice = lattice};
}

// KETTLAB and PAARLAB on a picture each, as a window runs them.
struct Chain {
    chain::ChainProgram program;
    core::Picture picture;
    Chain()
    {
        picture.setSize(400, 200, 1);
        picture.setScale(chain::chainScale);
        program.load(picture);
    }
    void pass() { program.pass(picture); }
    void step() { program.singleStep(picture); }
    void halt() { program.haltOrResume(picture); }
    void clear() { program.clear(picture); }
    void excite() { program.switchHarmonic(); }
};

struct Pair {
    wavepair::WavePairProgram program;
    core::Picture picture;
    core::Picture field2;
    core::Picture field3;
    Pair()
    {
        picture.setSize(400, 200, 1);
        picture.setScale({-10, -3, 105, 6});
        program.load({picture, field2, field3});
    }
    void pass() { program.pass(picture); }
    void step() { program.singleStep(picture); }
    void halt() { program.haltOrResume(picture); }
    void clear() { program.clear(picture); }
    void excite() { program.switchExcitation(picture); }
};

// The speed bar's lowest setting in a program's main window.
int slowest(const core::FormDesign& form)
{
    return std::find_if(form.controls.begin(), form.controls.end(), [](const core::ControlDesign& c) {
        return std::string(c.name) == "HScroll3";
    })->scroll.min;
}

template <typename Program> void expectOneSamplePerPass(const core::FormDesign& form)
{
    Program run;
    run.program.openRecorder();
    run.excite();
    for (int k = 0; k < 3; ++k) {
        run.pass();
    }
    const core::Recorder& recorder = *run.program.recorder();
    EXPECT_EQ(recorder.size(), 3U);
    EXPECT_DOUBLE_EQ(recorder.newest().y[core::drivenEndTrace], -run.program.model().y[0]);
    run.halt();
    run.pass();
    EXPECT_EQ(recorder.size(), 3U);
    run.step();
    EXPECT_EQ(recorder.size(), 4U);
    run.clear();
    EXPECT_EQ(recorder.size(), 0U);
    // The longest window at the slowest speed fits.
    run.program.setSpeed(slowest(form));
    EXPECT_GE(static_cast<double>(recorder.capacity()) * run.program.model().dt, core::windowLengths.back());
}

// A followed mass's dot shows in its trace's colour while the recorder is
// open; closed, the surface is pixel for pixel that of a run without it.
template <typename Program> void expectSamePixels()
{
    Program closed;
    Program open;
    open.program.openRecorder().follow(0, 10);
    open.program.showFollowed(open.picture);
    for (Program* run : {&closed, &open}) {
        run->excite();
        for (int k = 0; k < 300; ++k) {
            run->pass();
        }
    }
    const core::Raster& a = closed.picture.raster();
    const core::Raster& b = open.picture.raster();
    const auto count = static_cast<std::size_t>(a.width()) * static_cast<std::size_t>(a.height());
    open.picture.raster().drawHeldDot();
    EXPECT_GT(std::count(b.pixels(), b.pixels() + count, core::Picture::pixelValue(core::traceColours[0])), 0);
    open.program.closeRecorder();
    open.program.showFollowed(open.picture);
    closed.picture.raster().drawHeldDot();
    open.picture.raster().drawHeldDot();
    EXPECT_TRUE(std::equal(a.pixels(), a.pixels() + count, b.pixels()));
}

// Feeds a recorder two sines a lag apart at masses `first` and `second`.
core::Recorder sines(int first, int second, double period, double lag, double amplitude, double time)
{
    const double dt = 0.5;
    core::Recorder recorder(dt, chain::ChainModel::lastMass);
    recorder.follow(0, first);
    recorder.follow(1, second);
    std::array<double, chain::ChainModel::size> y{};
    for (int pass = 1; pass * dt <= time; ++pass) {
        const double t = pass * dt;
        // The models' y grows downward: a trace rises with -y.
        y[static_cast<std::size_t>(first)] = -amplitude * std::sin(2 * pi * t / period);
        y[static_cast<std::size_t>(second)] = -amplitude * std::sin(2 * pi * (t - lag) / period);
        recorder.take(y, harmonicDrive(period, dt));
    }
    return recorder;
}

} // namespace

TEST(Recorder, OneSamplePerPassNoneHaltedNoneAfterLoeschen)
{
    expectOneSamplePerPass<Chain>(chain::form1Design());
    expectOneSamplePerPass<Pair>(wavepair::form1Design());
}

TEST(Recorder, FollowedDotsInColourThenBlackAsWithoutRecorder)
{
    core::zoom::setFactor(1);
    expectSamePixels<Chain>();
    expectSamePixels<Pair>();
}

TEST(Recorder, TheRingKeepsTheNewestSamples)
{
    core::Recorder recorder(0.5, 97);
    const std::array<double, 101> y{};
    const std::size_t extra = 7;
    for (std::size_t k = 0; k < recorder.capacity() + extra; ++k) {
        recorder.take(y, harmonicDrive(25, 0.5));
    }
    EXPECT_EQ(recorder.size(), recorder.capacity());
    EXPECT_DOUBLE_EQ(recorder.at(0).t, 0.5 * (extra + 1));
}

TEST(WaveReading, HandWorkedDispersionOfTheSteppedChain)
{
    // dt = 0.5. T = 25: omega = 2 pi / 25 = 0.2513274, omega dt = 0.1256637,
    //   cos(omega dt) = 0.9921147, Omega^2 = 2 (1 - 0.9921147) / 0.25 = 0.0630824.
    // Ball-spring, r = 2: cos k = (2 - 0.0630824) / 2 = 0.9684588, k = 0.2518270,
    //   c = 0.2513274 / 0.2518270 = 0.9980163, lambda = 2 pi / k = 24.95041.
    // Pendulum, r = 2.1 (as a float 2.0999999): cos k = (2.0999999 - 0.0630824) / 2
    //   = 1.0184588 > 1: no wave, the amplitude fades by e^-kappa per mass,
    //   kappa = acosh(1.0184588) = 0.1918450 (below Omega^2 = r - 2 = 0.1, T > 19.86).
    // Pendulum, T = 15: omega = 0.4188790, cos(omega dt) = 0.9781476,
    //   Omega^2 = 2 (1 - 0.9781476) / 0.25 = 0.1748192, cos k = (2.0999999 - 0.1748192) / 2
    //   = 0.9625904, k = 0.2743911, c = 0.4188790 / 0.2743911 = 1.526576, lambda = 22.89865.
    struct Row {
        double period;
        float restoring;
        core::Propagation propagation;
        double speed;
        double wavelength;
        double decay;
    };
    const Row rows[] = {
        {25, chain::ballSpringRestoring, core::Propagation::wave, 0.9980163, 24.95041, 0},
        {25, chain::pendulumRestoring, core::Propagation::belowCutoff, 0, 0, 0.1918450},
        {15, chain::pendulumRestoring, core::Propagation::wave, 1.526576, 22.89865, 0},
    };
    for (const Row& row : rows) {
        const core::Wave wave = core::waveOf(2 * pi / row.period, 0.5, {.restoring = row.restoring}, 1);
        EXPECT_EQ(wave.propagation, row.propagation) << row.period;
        EXPECT_NEAR(wave.speed, row.speed, 1e-6) << row.period;
        EXPECT_NEAR(wave.wavelength, row.wavelength, 1e-5) << row.period;
        EXPECT_NEAR(wave.decay, row.decay, 1e-6) << row.period;
    }
}

TEST(WaveReading, ReadsPeriodAmplitudeLagAndSpeedOffSteadySines)
{
    struct Row {
        int first;
        int second;
        double lag;
        double speed; // 0: not read
    };
    // T = 25: the second mass lags by 5 over 10 spacings (2 per time unit);
    // placed left of the first, it leads, so the first lags 25 - 20 = 5 behind it;
    // 30 spacings are more than the predicted wavelength of 24.95.
    const Row rows[] = {{10, 20, 5, 2}, {20, 10, 20, 2}, {10, 40, 5, 0}};
    for (const Row& row : rows) {
        const core::Readings read = core::measured(sines(row.first, row.second, 25, row.lag, 0.8, 400));
        ASSERT_TRUE(read.traces[0].period) << row.first;
        EXPECT_NEAR(*read.traces[0].period, 25, 0.01);
        EXPECT_NEAR(*read.traces[1].amplitude, 0.8, 0.002);
        EXPECT_NEAR(read.pair.lag.value_or(-1), row.lag, 0.01);
        EXPECT_NEAR(read.pair.speed.value_or(0), row.speed, 0.01);
    }
    // Four periods are too few to call the state steady.
    EXPECT_FALSE(core::measured(sines(10, 20, 25, 5, 0.8, 100)).traces[0].period);
}

TEST(WaveReading, KettlabsDampedChainAgreesWithThePredictionWithinOnePerCent)
{
    // The damped end sends back a few per cent of the wave, which shifts each
    // mass's phase by up to some hundredths of a radian along half a
    // wavelength; masses 10 and 22, half a wavelength apart, share the shift.
    Chain run;
    run.program.setPeriod(250);
    run.program.setSpeed(10);
    run.program.openRecorder();
    core::Recorder& recorder = *run.program.recorder();
    recorder.follow(0, 10);
    recorder.follow(1, 22);
    for (int k = 0; k < 200; ++k) {
        run.pass();
    }
    EXPECT_FALSE(core::predicted(recorder).traces[0].period); // the hand drives the end
    run.excite();
    for (int k = 0; k < 2000; ++k) {
        run.pass();
    }
    const core::Readings read = core::measured(recorder);
    const core::Readings predicted = core::predicted(recorder);
    ASSERT_TRUE(read.traces[0].period && read.pair.speed && predicted.pair.speed);
    EXPECT_NEAR(*read.traces[0].period / *predicted.traces[0].period, 1, 0.01);
    EXPECT_NEAR(*read.pair.speed / *predicted.pair.speed, 1, 0.01);
}

TEST(RecorderForm, ViewNamesOnlyControlsOfTheDesign)
{
    core::Recorder recorder(0.5, 97);
    recorder.follow(0, 10);
    recorder.follow(1, 30);
    const core::FormDesign design = core::recorderDesign("KETTLAB", 97);
    std::set<std::string> names;
    for (const core::ControlDesign& control : design.controls) {
        names.insert(control.name);
    }
    for (const core::ControlState& state : core::recorderView(recorder).controls) {
        EXPECT_TRUE(names.contains(state.control)) << state.control;
    }
    for (const char* control : design.tabChain) {
        EXPECT_TRUE(names.contains(control)) << control;
    }
}

TEST(RecorderForm, PredictionTextsForTheChainsBehaviour)
{
    struct Row {
        float restoring;
        double period;
        const char* speed;
    };
    const Row rows[] = {
        {chain::ballSpringRestoring, 25, "0,998 Abstände/ZE, λ = 25,0"},
        {chain::pendulumRestoring, 25, "keine Welle (unterhalb der Grenzfrequenz)"},
    };
    for (const Row& row : rows) {
        core::Recorder recorder(0.5, 97);
        recorder.follow(0, 10);
        recorder.follow(1, 30);
        const std::array<double, 101> y{};
        recorder.take(y, harmonicDrive(row.period, 0.5, {.restoring = row.restoring}));
        const core::FormView view = core::recorderView(recorder);
        const auto shown = [&view](const char* control) {
            return std::find_if(view.controls.begin(), view.controls.end(), [control](const core::ControlState& c) {
                return std::string(c.control) == control;
            })->caption.value_or("");
        };
        EXPECT_EQ(shown("PredictedSpeed"), row.speed);
        EXPECT_EQ(shown("MeasuredSpeed"), "–");
    }
}

TEST(RecorderForm, CsvForGermanSpreadsheets)
{
    core::Recorder recorder(0.5, 97);
    recorder.follow(0, 10);
    std::array<double, 101> y{};
    y[10] = 0.25;
    y[0] = -1;
    recorder.take(y, harmonicDrive(25, 0.5));
    EXPECT_EQ(core::recordingCsv(recorder), "t in ZE;Masse 10;Punkt 0\r\n0,5000;-0,250000;1,000000\r\n");
}

TEST(RecorderForm, FixedDecimalsWithCommaAndNoNegativeZero)
{
    EXPECT_EQ(core::fixedText(-0.001, 2), "0,00");
    EXPECT_EQ(core::fixedText(-0.5, 3), "-0,500");
    EXPECT_EQ(core::fixedText(24.996, 2), "25,00");
}

TEST(RecorderForm, PlotShowsEachFollowedTraceInItsColour)
{
    core::zoom::setFactor(1);
    core::Picture plot;
    plot.setSize(300, 150, 1);
    core::Recorder recorder = sines(10, 20, 25, 5, 0.8, 150);
    recorder.showDrivenEnd(false);
    core::drawRecording(plot, recorder);
    plot.raster().drawHeldDot();
    const core::Raster& raster = plot.raster();
    const std::set<std::uint32_t> colours(
        raster.pixels(), raster.pixels() + static_cast<std::ptrdiff_t>(raster.width()) * raster.height());
    for (std::size_t trace = 0; trace < core::traceCount; ++trace) {
        EXPECT_EQ(colours.contains(core::Picture::pixelValue(core::traceColours.at(trace))), trace < 2) << trace;
    }
    EXPECT_TRUE(colours.contains(core::Picture::pixelValue(core::gridColour)));
}

TEST(RecorderForm, TraceColoursStandOutAndStayApartForColourBlindViewers)
{
    const auto linear = [](int c) {
        const double v = c / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const auto luminance = [&linear](core::Rgb c) {
        return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
    };
    // Machado, Oliveira and Fernandes (2009), full severity, on linear RGB.
    using Matrix = std::array<std::array<double, 3>, 3>;
    const Matrix seen[] = {
        {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}},
        {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}},
        {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}},
        {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}},
    };
    const auto simulated = [&linear](core::Rgb c, const Matrix& m) {
        const std::array<double, 3> rgb{linear(c.r), linear(c.g), linear(c.b)};
        std::array<double, 3> out{};
        for (std::size_t i = 0; i < 3; ++i) {
            const double v = std::clamp(m[i][0] * rgb[0] + m[i][1] * rgb[1] + m[i][2] * rgb[2], 0.0, 1.0);
            out[i] = 255 * (v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055);
        }
        return out;
    };
    for (const core::Rgb colour : core::traceColours) {
        // The contrast that WCAG asks of lines and symbols.
        EXPECT_GE((luminance(core::plotBackground) + 0.05) / (luminance(colour) + 0.05), 3.0);
    }
    for (const Matrix& m : seen) {
        for (std::size_t i = 0; i < core::traceCount; ++i) {
            for (std::size_t j = i + 1; j < core::traceCount; ++j) {
                const auto a = simulated(core::traceColours.at(i), m);
                const auto b = simulated(core::traceColours.at(j), m);
                EXPECT_GE(std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]), 50) << i << " " << j;
            }
        }
    }
}

TEST(RecorderForm, PolylineFillsEachColumnOverTheLinesSpan)
{
    // On a 12 x 12 picture in pixel units, pen 1: a level line covers its
    // columns once; a steep one fills its column from end to end; a slope
    // meets each column edge, so neighbouring columns overlap by a pixel.
    struct Row {
        std::vector<std::pair<float, float>> points;
        int pixels;
        core::PixelRect bounds;
    };
    const Row rows[] = {
        {{{2, 5}, {8, 5}}, 7, {2, 5, 7, 1}},
        {{{2, 1}, {2.5F, 9}}, 9, {2, 1, 1, 9}},
        {{{1, 1}, {4, 4}}, 7, {1, 1, 4, 4}},
    };
    core::zoom::setFactor(1);
    for (const Row& row : rows) {
        core::Picture picture;
        picture.setSize(12, 12, 1);
        picture.setScale({0, 0, 12, 12});
        picture.setDrawWidth(1);
        picture.Polyline(row.points, core::RGB(0, 0, 0));
        int count = 0;
        core::PixelRect seen{12, 12, 0, 0};
        int right = -1;
        int bottom = -1;
        for (int y = 0; y < 12; ++y) {
            for (int x = 0; x < 12; ++x) {
                if (picture.raster().pixels()[y * 12 + x] == core::Picture::pixelValue(core::RGB(0, 0, 0))) {
                    ++count;
                    seen.left = std::min(seen.left, x);
                    seen.top = std::min(seen.top, y);
                    right = std::max(right, x);
                    bottom = std::max(bottom, y);
                }
            }
        }
        EXPECT_EQ(count, row.pixels) << row.pixels;
        EXPECT_EQ(seen.left, row.bounds.left);
        EXPECT_EQ(seen.top, row.bounds.top);
        EXPECT_EQ(right, row.bounds.right());
        EXPECT_EQ(bottom, row.bounds.bottom());
    }
}

TEST(WindowPlace, BesideTheMainWindowWhereThereIsRoomElseOffThePicture)
{
    const core::ScreenRect area{0, 0, 1920, 1080};
    struct Row {
        core::ScreenRect main;
        core::ScreenRect picture;
        double left;
        double top;
    };
    const Row rows[] = {
        {{0, 0, 1024, 768}, {0, 0, 1024, 500}, 1024, 0},      // right of it
        {{900, 0, 1020, 500}, {900, 0, 1020, 300}, 900, 500}, // below it
        {{1000, 0, 920, 1080}, {1000, 0, 920, 700}, 200, 0},  // left of it
        {{0, 0, 1920, 1080}, {0, 0, 1920, 700}, 1120, 580},   // full screen: off the picture's bottom
        {{0, 0, 1920, 1080}, {0, 400, 1920, 680}, 1120, 0},   // picture below: the top corner
    };
    for (const Row& r : rows) {
        const core::ScreenRect at = core::placeBeside(r.main, r.picture, 800, 500, area);
        EXPECT_EQ(at.left, r.left);
        EXPECT_EQ(at.top, r.top);
    }
}
