#pragma once

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <string>

// What a soak of one program saw.
struct SoakResult {
    std::string program;
    std::int64_t passes = 0;
    double seconds = 0;
    long startRssKb = 0;
    long endRssKb = 0;
    long peakRssKb = 0;
    double largestDisplacement = 0;
    bool allFinite = true;
};

// Resident and peak memory of this process, in kB. Under AddressSanitizer,
// which holds freed blocks back in a quarantine of up to 256 MB so that the
// resident size grows with all a run allocates, residentKb is the heap in
// use instead: what a leak would grow.
long residentKb();
// What residentKb measures, for the report.
const char* residentName();
long peakResidentKb();

// Runs KETTLAB's chain model and drawing for the given number of passes,
// switching every option on a schedule.
SoakResult soakChain(std::int64_t passes);

// The same for PAARLAB's wave pair.
SoakResult soakWavePair(std::int64_t passes);

// Whether a model's arrays and drive time hold only finite numbers.
template <typename Model> bool finiteState(const Model& m)
{
    for (const auto* array : {&m.y, &m.v, &m.f, &m.yDrawn}) {
        if (!std::all_of(array->begin(), array->end(), [](double x) {
                return std::isfinite(x);
            })) {
            return false;
        }
    }
    return std::isfinite(m.tHarm);
}

// Runs `pass` the given number of times and `switchOption(k)` before every
// 997th, watching the middle mass, the numbers and the memory.
template <typename Model, typename Pass, typename Switch>
SoakResult runSoak(const char* program, std::int64_t passes, const Model& m, Pass pass, Switch switchOption)
{
    constexpr int passesPerSwitch = 997;
    constexpr int settledAfter = 1000;
    SoakResult result;
    result.program = program;
    const auto began = std::chrono::steady_clock::now();
    for (std::int64_t k = 0; k < passes; ++k) {
        if (k == settledAfter) {
            result.startRssKb = residentKb();
        }
        if (k % passesPerSwitch == passesPerSwitch - 1) {
            switchOption(static_cast<int>(k / passesPerSwitch));
            result.allFinite = result.allFinite && finiteState(m);
        }
        pass();
        result.largestDisplacement = std::max(result.largestDisplacement, std::abs(m.y[48]));
    }
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    result.passes = passes;
    result.allFinite = result.allFinite && finiteState(m);
    result.endRssKb = residentKb();
    result.peakRssKb = peakResidentKb();
    return result;
}
