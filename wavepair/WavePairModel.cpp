#include "WavePairModel.hpp"

#include <algorithm>
#include <cmath>

namespace wavepair {

WavePairModel::WavePairModel()
    : pi(4.0 * std::atan(1.0))
{
    omega = 0.04 * (pi * 2.0);
}

void WavePairModel::advance()
{
    if (harmonic == 1) {
        tHarm = tHarm + dt;
        y[0] = -amplitude * std::sin(phase + omega * tHarm);
    }

    constexpr double innerDamping = 0.01;
    for (int i = 1; i < lastMass; ++i) {
        f[i] = (y[i - 1] + y[i + 1]) - restoring * y[i] - innerDamping * v[i];
    }

    if (reflector == 1) {
        for (int i = firstClamped; i <= lastMass; ++i) {
            f[i] = 0;
            v[i] = 0;
            y[i] = 0;
        }
    } else {
        f[lastMass] = restoring * (y[lastMass - 1] - y[lastMass]) - damping * v[lastMass];
    }

    for (int i = 1; i <= lastMass; ++i) {
        v[i] = v[i] + dt * f[i];
        y[i] = y[i] + dt * v[i];
    }

    if (reflector == 1) {
        y[lastMass] = 0;
    }
}

void WavePairModel::changeFrequency(int value)
{
    phase = static_cast<float>(phase + tHarm * omega);
    tHarm = 0;
    omega = (pi * 2.0 * value) / 1000.0;
}

void WavePairModel::switchReflector()
{
    damping = static_cast<std::int16_t>(2 - damping);
    reflector = damping == 2 ? 0 : 1;
}

void WavePairModel::clear()
{
    std::fill_n(y.begin(), clearedPoints, 0.0);
    std::fill_n(v.begin(), clearedPoints, 0.0);
    std::fill_n(f.begin(), clearedPoints, 0.0);
    std::fill_n(yDrawn.begin(), clearedPoints, 0.0);
    tHarm = 0;
    phase = 0;
}

} // namespace wavepair
