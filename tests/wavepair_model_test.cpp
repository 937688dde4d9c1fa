#include "wavepair/WavePairModel.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using wavepair::WavePairModel;

namespace {

constexpr double pi = 3.14159265358979323846;

// The interior damping 0.01 * v lets a travelling wave's height fall as
// exp(-0.005 * distance), since it moves one spacing per time unit.
double decayOver(double distance)
{
    return std::exp(-0.005 * distance);
}

// The extreme displacements a probe mass shows while a half-sine pulse of
// height 1 and the given duration is sent in from mass 0 (moved by hand
// between passes, as a drag in the excitation field does) and comes back.
struct PulseAtProbe {
    double outgoing = 0;  // largest displacement before the pulse can return
    double returning = 0; // displacement of largest size after that
    double arrival = 0;   // model time of the outgoing peak
};

PulseAtProbe sendPulse(WavePairModel& m, int probe, double duration, double returnsAfter)
{
    PulseAtProbe seen;
    double time = 0;
    while (time < returnsAfter + 120) {
        time += m.dt;
        m.y[0] = time <= duration ? std::sin(pi * time / duration) : 0.0;
        m.advance();
        const double y = m.y[probe];
        if (time < returnsAfter) {
            if (y > seen.outgoing) {
                seen.outgoing = y;
                seen.arrival = time;
            }
        } else if (std::abs(y) > std::abs(seen.returning)) {
            seen.returning = y;
        }
    }
    return seen;
}

double largestDisplacement(const WavePairModel& m)
{
    double most = 0;
    for (int i = 0; i <= WavePairModel::lastMass; ++i) {
        most = std::max(most, std::abs(m.y[i]));
    }
    return most;
}

} // namespace

TEST(WavePairPass, OneStepByHand)
{
    // y(0) = 1, all else at rest: f(1) = 1, v(1) = 0.2, y(1) = 0.2 * 0.2.
    WavePairModel m;
    m.y[0] = 1;
    m.advance();
    EXPECT_EQ(m.f[1], 1.0);
    EXPECT_EQ(m.v[1], 0.2);
    EXPECT_DOUBLE_EQ(m.y[1], 0.04);
    EXPECT_EQ(m.y[2], 0.0);
    EXPECT_EQ(m.y[0], 1.0); // the driven end is never integrated

    // Second pass: f(1) = 1 - 2 * 0.04 - 0.01 * 0.2, f(2) = 0.04.
    m.advance();
    EXPECT_DOUBLE_EQ(m.f[1], 1.0 - 0.08 - 0.002);
    EXPECT_DOUBLE_EQ(m.f[2], 0.04);
    EXPECT_DOUBLE_EQ(m.v[1], 0.2 + 0.2 * 0.918);
    EXPECT_DOUBLE_EQ(m.y[1], 0.04 + 0.2 * m.v[1]);
}

TEST(WavePairPass, TheAbsorbingEndTakesTwiceTheCouplingAndIsBraked)
{
    WavePairModel m;
    m.y[96] = 0.5;
    m.y[97] = 1;
    m.v[97] = 0.5;
    m.advance();
    // 2 * (0.5 - 1) - 2 * 0.5; mass 97 feels no inner damping term.
    EXPECT_EQ(m.f[97], -2.0);
    EXPECT_DOUBLE_EQ(m.f[96], 1.0 - 2 * 0.5);
    EXPECT_DOUBLE_EQ(m.v[97], 0.5 - 0.2 * 2.0);
}

TEST(WavePairPass, AChainAtRestStaysExactlyAtRest)
{
    WavePairModel m;
    for (int k = 0; k < 1000; ++k) {
        m.advance();
    }
    m.switchReflector();
    for (int k = 0; k < 1000; ++k) {
        m.advance();
    }
    EXPECT_EQ(largestDisplacement(m), 0.0);
    EXPECT_TRUE(std::all_of(m.v.begin(), m.v.end(), [](double x) {
        return x == 0.0;
    }));
}

TEST(WavePairPulse, RunsOutAtTheAbsorbingEnd)
{
    // A pulse 20 spacings long, watched at mass 40: it passes on its way out
    // 40 time units after the drive's peak at t = 10, and whatever the end
    // sends back passes again after another 2 * (97 - 40).
    WavePairModel m;
    const PulseAtProbe seen = sendPulse(m, 40, 20, 100);
    EXPECT_NEAR(seen.arrival, 10 + 40, 2.0);
    EXPECT_NEAR(seen.outgoing, decayOver(40), 0.03);
    EXPECT_LT(std::abs(seen.returning), 0.05 * seen.outgoing);
}

TEST(WavePairPulse, ComesBackInvertedFromTheReflector)
{
    // Mass 89 is coupled to the clamped mass 90, a fixed point: the pulse
    // returns with the opposite sign after 2 * (90 - 40) more spacings.
    WavePairModel m;
    m.switchReflector();
    const PulseAtProbe seen = sendPulse(m, 40, 20, 100);
    EXPECT_NEAR(seen.returning / seen.outgoing, -decayOver(100), 0.05);
    EXPECT_NEAR(seen.returning / seen.outgoing, -0.6, 0.1);
}

TEST(WavePairReflector, ClampsTheEndStretchAtTheNextPass)
{
    WavePairModel m;
    for (int i = 80; i <= WavePairModel::lastMass; ++i) {
        m.y[i] = 0.3 * (i - 79);
        m.v[i] = -0.1 * (i - 79);
    }
    m.switchReflector();
    EXPECT_EQ(m.reflector, 1);
    EXPECT_EQ(m.damping, 0);
    m.advance();
    for (int i = 90; i <= WavePairModel::lastMass; ++i) {
        EXPECT_EQ(m.y[i], 0.0) << i;
        EXPECT_EQ(m.v[i], 0.0) << i;
        EXPECT_EQ(m.f[i], 0.0) << i;
    }
    // Mass 89 still felt mass 90 where it was at the start of the pass.
    EXPECT_DOUBLE_EQ(m.f[89], (m.y[88] - 0.2 * m.v[88]) + 0.3 * 11 - 2 * 0.3 * 10 + 0.01 * 1.0);
    EXPECT_NE(m.y[89], 0.0);

    // Off again: the end masses start from rest at 0 and move only when the
    // chain reaches them.
    m.switchReflector();
    EXPECT_EQ(m.reflector, 0);
    EXPECT_EQ(m.damping, 2);
    m.advance();
    EXPECT_EQ(m.y[97], 0.0);
    EXPECT_EQ(m.y[91], 0.0);
    EXPECT_NE(m.y[90], 0.0);
}

TEST(WavePairDrive, StartsFromTheLoadValuesAndAdvancesItsOwnTimeOnlyWhileOn)
{
    // Amplitude 1, frequency value 40, dt 0.2: y(0) = -sin(0.08 pi * 0.2).
    WavePairModel m;
    m.harmonic = 1;
    m.advance();
    EXPECT_EQ(m.tHarm, 0.2);
    EXPECT_DOUBLE_EQ(m.y[0], -0.05024431817976956);
    m.harmonic = 0;
    const double held = m.y[0];
    for (int k = 0; k < 50; ++k) {
        m.advance();
    }
    EXPECT_EQ(m.tHarm, 0.2);
    EXPECT_EQ(m.y[0], held);
}

TEST(WavePairDrive, FrequencyChangesKeepTheLeftEndContinuous)
{
    WavePairModel m;
    m.harmonic = 1;
    for (int k = 0; k < 37; ++k) {
        m.advance();
    }
    for (const int value : {80, 1, 17, 40}) {
        const double before = m.y[0];
        const double omegaBefore = m.omega;
        m.changeFrequency(value);
        EXPECT_EQ(m.tHarm, 0.0);
        EXPECT_DOUBLE_EQ(m.omega, 2 * pi * value / 1000);
        m.advance();
        // One pass moves the end by at most amplitude * omega * dt, plus the
        // rounding of the phase to 32 bits.
        EXPECT_LE(std::abs(m.y[0] - before), m.amplitude * std::max(omegaBefore, m.omega) * m.dt + 1e-5) << value;
        for (int k = 0; k < 23; ++k) {
            m.advance();
        }
    }
}

TEST(WavePairDrive, ChangingTheFrequencyWhileOffStoresThePhase)
{
    WavePairModel m;
    m.harmonic = 1;
    for (int k = 0; k < 10; ++k) {
        m.advance();
    }
    m.harmonic = 0;
    m.changeFrequency(20);
    EXPECT_EQ(m.phase, static_cast<float>(2.0 * 0.08 * pi));
    m.harmonic = 1;
    m.advance();
    EXPECT_DOUBLE_EQ(m.y[0], -std::sin(m.phase + 0.04 * pi * 0.2));
}

TEST(WavePairDrive, ClearingRestartsTheDriveAtSineZeroMovingNegative)
{
    WavePairModel m;
    m.harmonic = 1;
    m.switchReflector();
    for (int k = 0; k < 300; ++k) {
        m.advance();
    }
    m.changeFrequency(55);
    m.clear();
    EXPECT_EQ(largestDisplacement(m), 0.0);
    for (const auto* array : {&m.v, &m.f, &m.yDrawn}) {
        EXPECT_TRUE(std::all_of(array->begin(), array->end(), [](double x) {
            return x == 0.0;
        }));
    }
    EXPECT_EQ(m.tHarm, 0.0);
    EXPECT_EQ(m.phase, 0.0F);
    EXPECT_EQ(m.harmonic, 1);
    EXPECT_EQ(m.reflector, 1);
    m.advance();
    EXPECT_LT(m.y[0], 0.0);
    EXPECT_DOUBLE_EQ(m.y[0], -std::sin(2 * pi * 55 / 1000 * 0.2));
}

TEST(WavePairStability, BoundedForEverySpeedAndFrequencyAtFullAmplitude)
{
    // The absorbing end passes on the drive's wave at its own height; the
    // reflector adds the returning wave, weakened on its way, so the sum
    // stays below 2.5 amplitudes (about 2.3 once steady).
    for (const int reflector : {0, 1}) {
        for (int speed = 2; speed <= 40; ++speed) {
            for (int frequency = 1; frequency <= 80; ++frequency) {
                WavePairModel m;
                if (reflector == 1) {
                    m.switchReflector();
                }
                m.dt = speed / 100.0;
                m.amplitude = 2;
                m.harmonic = 1;
                m.changeFrequency(frequency);
                double most = 0;
                const auto passes = static_cast<int>(400 / m.dt);
                for (int pass = 1; pass <= passes; ++pass) {
                    m.advance();
                    if (pass % 10 == 0) {
                        most = std::max(most, largestDisplacement(m));
                    }
                }
                const double bound = (reflector == 1 ? 2.5 : 1.1) * m.amplitude;
                ASSERT_TRUE(std::isfinite(most));
                ASSERT_LT(most, bound) << "reflector " << reflector << " dt " << m.dt << " value " << frequency;
            }
        }
    }
}
