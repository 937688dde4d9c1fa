#include "WaveReading.hpp"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace core {

namespace {

// A trace is steady when its last periods agree in length to within half a
// per cent and in swing to within one per cent.
constexpr std::size_t periodsCompared = 4;
constexpr double periodTolerance = 0.005;
constexpr double swingTolerance = 0.01;
// Below this a trace is not told from rounding noise: no period is read.
constexpr double smallestAmplitude = 1e-3;
// How many periods back the reading looks; more only costs time.
constexpr double periodsRead = 8;

// The upward zero crossings of a trace, interpolated between samples, and
// the peak to peak between each crossing and the next.
struct Cycles {
    std::vector<double> crossings;
    std::vector<double> swings;
};

Cycles cyclesOf(const Recorder& recorder, std::size_t from, std::size_t trace)
{
    Cycles cycles;
    double high = 0;
    double low = 0;
    for (std::size_t i = from + 1; i < recorder.size(); ++i) {
        const Sample& before = recorder.at(i - 1);
        const Sample& after = recorder.at(i);
        const double a = before.y[trace];
        const double b = after.y[trace];
        high = std::max(high, b);
        low = std::min(low, b);
        if (a < 0 && b >= 0) {
            if (!cycles.crossings.empty()) {
                cycles.swings.push_back(high - low);
            }
            cycles.crossings.push_back(before.t + (after.t - before.t) * (-a) / (b - a));
            high = b;
            low = b;
        }
    }
    return cycles;
}

double mean(const double* first, std::size_t count)
{
    double sum = 0;
    for (std::size_t i = 0; i < count; ++i) {
        sum += first[i];
    }
    return sum / static_cast<double>(count);
}

// Whether the last `periodsCompared` values agree to within `tolerance` of their mean.
bool agree(const std::vector<double>& values, double tolerance)
{
    const double* last = values.data() + values.size() - periodsCompared;
    const auto [low, high] = std::minmax_element(last, last + periodsCompared);
    return *high - *low <= tolerance * std::abs(mean(last, periodsCompared));
}

TraceValues steadyValues(const Cycles& cycles)
{
    if (cycles.swings.size() < periodsCompared) {
        return {};
    }
    std::vector<double> periods;
    for (std::size_t i = 1; i < cycles.crossings.size(); ++i) {
        periods.push_back(cycles.crossings[i] - cycles.crossings[i - 1]);
    }
    const double amplitude = mean(cycles.swings.data() + cycles.swings.size() - periodsCompared, periodsCompared) / 2;
    if (amplitude < smallestAmplitude || !agree(periods, periodTolerance) || !agree(cycles.swings, swingTolerance)) {
        return {};
    }
    return {mean(periods.data() + periods.size() - periodsCompared, periodsCompared), amplitude};
}

// The lag of the second trace's crossings behind the first's, in [0, period).
std::optional<double> lagOf(const Cycles& first, const Cycles& second, double period)
{
    std::vector<double> lags;
    for (std::size_t i = first.crossings.size() - periodsCompared; i < first.crossings.size(); ++i) {
        const auto later = std::lower_bound(second.crossings.begin(), second.crossings.end(), first.crossings[i]);
        if (later == second.crossings.end()) {
            continue;
        }
        double lag = *later - first.crossings[i];
        // Near 0 and near a period the lags may fall either side of the wrap.
        if (!lags.empty() && lag - lags.front() > period / 2) {
            lag -= period;
        } else if (!lags.empty() && lags.front() - lag > period / 2) {
            lag += period;
        }
        lags.push_back(lag);
    }
    if (lags.empty()) {
        return {};
    }
    const double lag = mean(lags.data(), lags.size());
    return lag - period * std::floor(lag / period);
}

// The wave between the first two masses: none where either is not followed,
// they lie on both sides of the heavy half's border, or the drive is off.
std::optional<Wave> pairWave(const Recorder& recorder)
{
    const DriveState& drive = recorder.drive();
    const int first = recorder.masses()[0];
    const int second = recorder.masses()[1];
    const Lattice& lattice = drive.lattice;
    if (!drive.harmonic || drive.omega <= 0 || first == 0 || second == 0
        || lattice.massOf(first) != lattice.massOf(second)) {
        return {};
    }
    return waveOf(drive.omega, drive.dt, lattice, lattice.massOf(first));
}

bool followed(const Recorder& recorder, std::size_t trace)
{
    return trace == drivenEndTrace ? recorder.drivenEndShown() : recorder.masses().at(trace) > 0;
}

} // namespace

Wave waveOf(double omega, double dt, const Lattice& lattice, double mass)
{
    const double theta = omega * dt;
    const std::complex<double> cosK = lattice.restoring / 2 - mass * (1 - std::cos(theta)) / (dt * dt)
        + lattice.damping * (1.0 - std::polar(1.0, theta)) / (2 * dt);
    std::complex<double> k = std::acos(cosK);
    // Of k and its conjugate, the wave fades in the direction it travels.
    if (k.imag() < 0) {
        k = std::conj(k);
    }
    Wave wave;
    wave.decay = k.imag();
    if (cosK.real() > 1) {
        wave.propagation = Propagation::belowCutoff;
        return wave;
    }
    if (cosK.real() < -1) {
        wave.propagation = Propagation::aboveCutoff;
        return wave;
    }
    wave.wavenumber = k.real();
    wave.speed = omega / k.real();
    wave.wavelength = 2 * std::numbers::pi / k.real();
    return wave;
}

Readings measured(const Recorder& recorder)
{
    const DriveState& drive = recorder.drive();
    Readings readings;
    if (!drive.harmonic || drive.omega <= 0) {
        return readings;
    }
    const double period = 2 * std::numbers::pi / drive.omega;
    const auto recent = static_cast<std::size_t>(periodsRead * period / drive.dt) + 2;
    const std::size_t from = recorder.size() - std::min({recorder.steadyCount(), recent, recorder.size()});
    std::array<Cycles, traceCount> cycles;
    for (std::size_t trace = 0; trace < traceCount; ++trace) {
        if (followed(recorder, trace)) {
            cycles.at(trace) = cyclesOf(recorder, from, trace);
            readings.traces.at(trace) = steadyValues(cycles.at(trace));
        }
    }
    const std::optional<Wave> wave = pairWave(recorder);
    const std::optional<double> firstPeriod = readings.traces[0].period;
    if (!wave || !firstPeriod || !readings.traces[1].period) {
        return readings;
    }
    readings.pair.lag = lagOf(cycles[0], cycles[1], *firstPeriod);
    const int distance = recorder.masses()[1] - recorder.masses()[0];
    if (!readings.pair.lag || wave->propagation != Propagation::wave || std::abs(distance) >= wave->wavelength) {
        return readings;
    }
    // The mass further right lags: the second by the lag, or the first by the rest of the period.
    const double travel = distance > 0 ? *readings.pair.lag : *firstPeriod - *readings.pair.lag;
    if (travel > 0) {
        readings.pair.speed = std::abs(distance) / travel;
    }
    return readings;
}

Readings predicted(const Recorder& recorder)
{
    const DriveState& drive = recorder.drive();
    Readings readings;
    if (!drive.harmonic || drive.omega <= 0) {
        return readings;
    }
    const double period = 2 * std::numbers::pi / drive.omega;
    const Lattice& lattice = drive.lattice;
    for (std::size_t trace = 0; trace < traceCount; ++trace) {
        if (!followed(recorder, trace)) {
            continue;
        }
        TraceValues& values = readings.traces.at(trace);
        values.period = period;
        const int mass = trace == drivenEndTrace ? 0 : recorder.masses().at(trace);
        // The travelling wave's amplitude, without what the right end and the
        // heavy half's border send back; past that border none is predicted.
        if (lattice.massOf(mass) == 1) {
            const Wave wave = waveOf(drive.omega, drive.dt, lattice, 1);
            values.amplitude = drive.amplitude * std::exp(-wave.decay * mass);
        }
    }
    const std::optional<Wave> wave = pairWave(recorder);
    if (!wave) {
        return readings;
    }
    if (wave->propagation != Propagation::wave) {
        readings.pairFading = wave->propagation;
        return readings;
    }
    const double lag = wave->wavenumber * (recorder.masses()[1] - recorder.masses()[0]) / drive.omega;
    readings.pair = {lag - period * std::floor(lag / period), wave->speed, wave->wavelength};
    return readings;
}

} // namespace core
