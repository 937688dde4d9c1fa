#include "ChainModel.hpp"

#include <algorithm>
#include <cmath>

namespace chain {

ChainModel::ChainModel()
    : pi(4.0 * std::atan(1.0))
{
    omega = 2.0 * pi / 25.0;
    std::fill(invM.begin(), invM.begin() + clearedPoints, 1.0);
}

void ChainModel::advance()
{
    if (harmonic == 1) {
        tHarm = tHarm + dt;
        y[0] = -amplitude * std::sin(omega * tHarm + phase);
    }

    for (int i = 1; i < lastMass; ++i) {
        f[i] = (y[i + 1] + y[i - 1]) - restoring * y[i];
    }
    f[lastMass] = restoring * (y[lastMass - 1] - y[lastMass]) - damping * v[lastMass];

    if (obstacle == 1) {
        f[obstacleMass] = f[obstacleMass] - v[obstacleMass];
    }

    for (int i = 1; i <= lastMass; ++i) {
        v[i] = v[i] + invM[i] * f[i] * dt;
        y[i] = y[i] + v[i] * dt;
    }
}

void ChainModel::changePeriod(int value)
{
    phase = static_cast<float>(phase + tHarm * omega);
    tHarm = 0;
    omega = 10.0 * (2.0 * pi) / value;
}

void ChainModel::switchDamping()
{
    damping = static_cast<std::int16_t>(2 - damping);
    if (damping == 2) {
        eraseG = 128;
        eraseB = 128;
    } else {
        eraseG = 255;
        eraseB = 224;
    }
}

void ChainModel::switchRefraction()
{
    refraction = static_cast<std::int16_t>(1 - refraction);
    const double heavy = refraction == 1 ? 0.25 : 1.0;
    std::fill(invM.begin() + firstHeavyMass, invM.begin() + clearedPoints, heavy);
}

void ChainModel::clearVelocities()
{
    std::fill_n(v.begin(), clearedPoints, 0.0);
}

void ChainModel::clearDisplacements()
{
    std::fill_n(y.begin(), clearedPoints, 0.0);
    std::fill_n(yDrawn.begin(), clearedPoints, 0.0);
}

void ChainModel::clearAll()
{
    clearDisplacements();
    clearVelocities();
    std::fill_n(f.begin(), clearedPoints, 0.0);
    t = 0;
    tHarm = 0;
    phase = 0;
}

} // namespace chain
