#pragma once

#include "Recorder.hpp"

#include <array>
#include <optional>

namespace core {

// How a harmonic drive travels along a lattice.
enum class Propagation {
    wave,
    belowCutoff, // the pendulum chain below its lowest frequency: the masses follow the end, fading
    aboveCutoff, // faster than neighbours in opposite phase: fading as well
};

// The steady wave a harmonic drive of angular frequency omega makes in the
// lattice as the program integrates it: per pass v += a dt, then y += v dt.
// Eliminating v gives
//     m (y[n+1] - 2 y[n] + y[n-1]) = dt^2 (y(i-1) + y(i+1) - r y(i)) - damping dt (y[n] - y[n-1]),
// and y = e^(i(k i - omega n dt)) solves it for
//     cos k = r/2 - m (1 - cos(omega dt)) / dt^2 + damping (1 - e^(i omega dt)) / (2 dt).
// Undamped, with cos(omega dt) = 1 - Omega^2 dt^2 / 2, that is the lattice's
// own dispersion cos k = (r - m Omega^2) / 2: the step makes the chain answer
// a drive of omega as an exactly integrated chain answers Omega.
struct Wave {
    Propagation propagation = Propagation::wave;
    double wavenumber = 0; // radians per mass spacing, the real part of k
    double decay = 0;      // the imaginary part of k: amplitude e^(-decay) per spacing
    double speed = 0;      // omega / wavenumber, mass spacings per time unit
    double wavelength = 0; // mass spacings
};
Wave waveOf(double omega, double dt, const Lattice& lattice, double mass);

// What the recorder reads off a recording, and what the equations predict
// for it; empty where it is not known.
struct TraceValues {
    std::optional<double> period;
    std::optional<double> amplitude;
};
struct PairValues {
    std::optional<double> lag;        // of the second mass behind the first, in [0, period)
    std::optional<double> speed;      // phase speed, mass spacings per time unit
    std::optional<double> wavelength; // predicted only, mass spacings
};
struct Readings {
    std::array<TraceValues, traceCount> traces;
    PairValues pair;
    // Whether the prediction for the pair is "no wave", below or above the cut-off.
    std::optional<Propagation> pairFading;
};

// Each trace's period (mean time between upward zero crossings of its last
// periods) and amplitude (half peak to peak), once its periods repeat;
// for the first two masses their lag and the phase speed it gives, where
// they are less than a predicted wavelength apart.
Readings measured(const Recorder& recorder);
// The same from the drive and the lattice.
Readings predicted(const Recorder& recorder);

} // namespace core
