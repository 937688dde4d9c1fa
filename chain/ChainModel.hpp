#pragma once

#include <array>
#include <cstdint>

namespace chain {

// The chain of KETTLAB: a driven left end (point 0) and 97 masses (1 to 97)
// that move only vertically, each coupled to its neighbours by unit springs.
// Indices 98 to 100 take no part. Displacements grow downward, in the
// drawing surface's vertical units; time is in model time units.
//
// The force on an inner mass is
//     f(i) = (y(i+1) + y(i-1)) - restoring * y(i),
// so restoring = 2 is the pure ball-spring chain and 2.1 adds the pendulum's
// pull 0.1 * y(i) towards the rest line. The loose right end feels
//     f(97) = restoring * (y(96) - y(97)) - damping * v(97),
// and a pass advances every mass by one semi-implicit Euler step
//     v += f / m * dt,   y += v * dt   (with the new v).
struct ChainModel {
    static constexpr int size = 101;
    static constexpr int lastMass = 97;
    static constexpr int obstacleMass = 48;
    static constexpr int firstHeavyMass = 48;
    static constexpr int clearedPoints = 100; // the clearing buttons act on 0..99

    std::array<double, size> y{};
    std::array<double, size> v{};
    std::array<double, size> f{};
    std::array<double, size> yDrawn{};
    std::array<double, size> invM{};

    double dt = 0.5;
    double t = 0;
    double tHarm = 0;
    double omega = 0;
    double amplitude = 1;
    double pi = 0;

    float restoring = 2.0F;
    float phase = 0;
    float downX = 0;
    float downY = 0;

    std::int16_t damping = 2;
    std::int16_t halted = 0;
    std::int16_t harmonic = 0;
    std::int16_t refraction = 0;
    std::int16_t obstacle = 0;
    std::int16_t clockOn = 0;
    std::int16_t eraseG = 128;
    std::int16_t eraseB = 128;

    ChainModel();

    // One pass of physics: drive, forces, right end, obstacle, integration.
    void advance();

    // Changes the period to T = value / 10 without a jump of the drive: the
    // phase reached so far is folded into `phase` before tHarm restarts.
    void changePeriod(int value);

    // damping <- 2 - damping, with the matching erase colour of the end mass.
    void switchDamping();
    // refraction <- 1 - refraction; the right half becomes four times heavier, or light again.
    void switchRefraction();

    // "v(i) = 0", "y(i) = 0" and "Löschen".
    void clearVelocities();
    void clearDisplacements();
    void clearAll();
};

// The restoring coefficients of the two carriers: the float nearest 2.1 for
// the pendulum chain.
constexpr float ballSpringRestoring = 2.0F;
constexpr float pendulumRestoring = 2.1F;

} // namespace chain
