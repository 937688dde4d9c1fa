#pragma once

#include <array>
#include <cstdint>

namespace wavepair {

// The one chain that PAARLAB shows twice, as a longitudinal and as a
// transverse wave: a driven left end (mass 0) and unit masses 1 to 97 with
// unit couplings, one scalar displacement each. Indices 98 to 100 take no
// part. A wave travels one mass spacing per unit of model time.
//
// The automatic drive moves the left end as
//     y(0) = -amplitude * sin(phase + omega * tHarm),
// an inner mass feels its neighbours and a weak velocity damping
//     f(i) = (y(i-1) + y(i+1)) - restoring * y(i) - 0.01 * v(i),
// and the right end either takes up arriving waves (reflector off)
//     f(97) = restoring * (y(96) - y(97)) - damping * v(97)
// or is clamped, masses 90 to 97 held at rest, so waves come back inverted
// (reflector on). A pass advances masses 1 to 97 by one semi-implicit Euler
// step: v += dt * f, then y += dt * v with the new v.
struct WavePairModel {
    static constexpr int size = 101;
    static constexpr int lastMass = 97;
    static constexpr int firstClamped = 90;
    static constexpr int clearedPoints = 100; // "Löschen" acts on 0..99

    std::array<double, size> y{};
    std::array<double, size> v{};
    std::array<double, size> f{};
    std::array<double, size> yDrawn{};

    double dt = 0.2;
    double tHarm = 0;
    double omega = 0;
    double amplitude = 1;
    double pi = 0;

    float restoring = 2.0F;
    float phase = 0;

    std::int16_t damping = 2;
    std::int16_t halted = 0;
    std::int16_t harmonic = 0;
    std::int16_t reflector = 0;
    std::int16_t showTransverse = 1;
    std::int16_t showLongitudinal = 0;

    WavePairModel();

    // One pass of physics: drive, inner forces, right end, integration.
    void advance();

    // Sets omega = 2 pi value / 1000 without a jump of the drive: the phase
    // reached so far is folded into `phase` before tHarm restarts.
    void changeFrequency(int value);

    // damping <- 2 - damping; the reflector is on exactly while damping is 0.
    void switchReflector();

    // "Löschen": the chain at rest, the drive back at its start.
    void clear();
};

} // namespace wavepair
