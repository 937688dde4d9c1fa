#include "chain/ChainModel.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using chain::ChainModel;

namespace {

constexpr double pi = 3.14159265358979323846;

// Sends a half-sine pulse into the chain by moving point 0 by hand between
// passes, as a left-button drag does, then leaves the end at rest on the axis.
void sendPulse(ChainModel& m, double height, double duration)
{
    const auto passes = std::lround(duration / m.dt);
    for (long k = 1; k <= passes; ++k) {
        m.y[0] = height * std::sin(pi * static_cast<double>(k) / static_cast<double>(passes));
        m.advance();
    }
    m.y[0] = 0;
}

int peakIndex(const ChainModel& m, int from = 1, int to = ChainModel::lastMass)
{
    int peak = from;
    for (int i = from; i <= to; ++i) {
        if (std::abs(m.y[i]) > std::abs(m.y[peak])) {
            peak = i;
        }
    }
    return peak;
}

double largest(const ChainModel& m, int from = 1, int to = ChainModel::lastMass)
{
    return std::abs(m.y[peakIndex(m, from, to)]);
}

// Model time until the pulse's peak has reached mass `target`.
double timeToReach(ChainModel& m, int target, double limit = 400)
{
    double time = 0;
    while (peakIndex(m) < target && time < limit) {
        m.advance();
        time += m.dt;
    }
    return time;
}

void runFor(ChainModel& m, double time)
{
    const auto passes = static_cast<int>(std::lround(time / m.dt));
    for (int k = 0; k < passes; ++k) {
        m.advance();
    }
}

} // namespace

TEST(ChainPass, OneStepByHand)
{
    // y(0) = 1, all else at rest: f(1) = 1, v(1) = 1 * 1 * 0.5, y(1) = 0.5 * 0.5.
    ChainModel m;
    m.y[0] = 1;
    m.advance();
    EXPECT_EQ(m.f[1], 1.0);
    EXPECT_EQ(m.v[1], 0.5);
    EXPECT_EQ(m.y[1], 0.25);
    EXPECT_EQ(m.f[2], 0.0);
    EXPECT_EQ(m.y[2], 0.0);
    EXPECT_EQ(m.y[0], 1.0); // the driven end is never integrated

    // Second pass: f(1) = (0 + 1) - 2 * 0.25 = 0.5, f(2) = 0.25.
    m.advance();
    EXPECT_EQ(m.f[1], 0.5);
    EXPECT_EQ(m.f[2], 0.25);
    EXPECT_EQ(m.v[1], 0.75);
    EXPECT_EQ(m.y[1], 0.625);
}

TEST(ChainPass, PendulumEndObstacleAndMassEnterAsWritten)
{
    ChainModel m;
    m.restoring = chain::pendulumRestoring;
    m.y[10] = 1;
    m.y[97] = 1;
    m.v[97] = 0.5;
    m.obstacle = 1;
    m.v[48] = 1;
    m.switchRefraction();
    m.advance();
    // The 32-bit 2.1 widened to double, not the double 2.1.
    EXPECT_EQ(m.f[10], -static_cast<double>(2.1F));
    EXPECT_NE(m.f[10], -2.1);
    EXPECT_EQ(m.f[9], 1.0);
    // End: 2.1 * (0 - 1) - 2 * 0.5.
    EXPECT_EQ(m.f[97], static_cast<double>(2.1F) * -1.0 - 1.0);
    // Obstacle: friction of coefficient 1 on mass 48, which is heavy here.
    EXPECT_EQ(m.f[48], -1.0);
    EXPECT_EQ(m.v[48], 1.0 + 0.25 * -1.0 * 0.5);
}

TEST(ChainPass, HarmonicDriveStartsFromTheLoadValuesAndAdvancesItsOwnTime)
{
    // Amplitude 1, period 25, dt 0.5: y(0) = -sin(2 pi / 25 * 0.5).
    ChainModel m;
    m.harmonic = 1;
    m.advance();
    EXPECT_EQ(m.tHarm, 0.5);
    EXPECT_DOUBLE_EQ(m.y[0], -0.12533323356430426);
    m.harmonic = 0;
    const double held = m.y[0];
    runFor(m, 10);
    EXPECT_EQ(m.tHarm, 0.5);
    EXPECT_EQ(m.y[0], held);
}

TEST(ChainPass, AChainAtRestStaysExactlyAtRest)
{
    ChainModel m;
    for (const float restoring : {chain::ballSpringRestoring, chain::pendulumRestoring}) {
        m.restoring = restoring;
        m.obstacle = 1;
        for (int k = 0; k < 2000; ++k) {
            m.advance();
        }
    }
    for (const auto* array : {&m.y, &m.v, &m.f}) {
        EXPECT_TRUE(std::all_of(array->begin(), array->end(), [](double x) {
            return x == 0.0;
        }));
    }
}

TEST(ChainWaves, APulseTravelsOneSpacingPerTimeUnit)
{
    ChainModel m;
    m.dt = 0.05;
    sendPulse(m, 1.0, 6.0);
    const double toMass20 = timeToReach(m, 20);
    const double from20to70 = timeToReach(m, 70);
    EXPECT_GT(toMass20, 0.0);
    EXPECT_NEAR(50.0 / from20to70, 1.0, 0.08);
}

TEST(ChainWaves, LooseEndReflectsUprightHeldEndInverted)
{
    ChainModel m;
    m.dt = 0.05;
    m.damping = 0;
    sendPulse(m, 1.0, 6.0);
    // Out to the loose end (97) and back to about mass 50.
    runFor(m, 97 + 47 - 3);
    const int back = peakIndex(m);
    EXPECT_NEAR(back, 50, 6);
    EXPECT_GT(m.y[back], 0.5);

    // On to the held left end and out again to about mass 50.
    runFor(m, 50 + 50);
    const int again = peakIndex(m);
    EXPECT_NEAR(again, 50, 6);
    EXPECT_LT(m.y[again], -0.5);
}

TEST(ChainWaves, DampedEndAbsorbsAPulse)
{
    ChainModel m;
    m.dt = 0.05;
    ASSERT_EQ(m.damping, 2);
    sendPulse(m, 1.0, 6.0);
    runFor(m, 60);
    const double incident = largest(m);
    EXPECT_GT(incident, 0.8);
    runFor(m, 97 + 40 - 60); // past the end and back to about mass 60
    EXPECT_LT(largest(m) / incident, 0.05);
}

TEST(ChainWaves, RefractionHalvesTheSpeedAndReflectsAThirdInverted)
{
    ChainModel m;
    m.dt = 0.05;
    m.switchRefraction();
    sendPulse(m, 1.0, 6.0);
    runFor(m, 25);
    const double incident = largest(m);

    // The reflected part, back in the light half, about 15 spacings from the boundary.
    ChainModel reflected = m;
    runFor(reflected, 22 + 15);
    const int r = peakIndex(reflected, 1, 40);
    EXPECT_LT(reflected.y[r], 0.0);
    EXPECT_NEAR(-reflected.y[r] / incident, 1.0 / 3.0, 0.06);

    // The transmitted part runs at about half the speed in the heavy half.
    timeToReach(m, 55);
    const double from55to75 = [&] {
        double time = 0;
        while (peakIndex(m, 48, 97) < 75 && time < 200) {
            m.advance();
            time += m.dt;
        }
        return time;
    }();
    EXPECT_NEAR(20.0 / from55to75, 0.5, 0.05);
}

TEST(ChainWaves, StaysBoundedAtTheLargestStepWithEveryOption)
{
    for (int options = 0; options < 16; ++options) {
        ChainModel m;
        ASSERT_EQ(m.dt, 0.5);
        m.restoring = (options & 1) != 0 ? chain::pendulumRestoring : chain::ballSpringRestoring;
        if ((options & 2) != 0) {
            m.switchDamping();
        }
        if ((options & 4) != 0) {
            m.switchRefraction();
        }
        m.obstacle = static_cast<std::int16_t>((options & 8) != 0 ? 1 : 0);
        // A rough start: every mass displaced, the shortest waves included.
        for (int i = 1; i <= 97; ++i) {
            m.y[i] = (i % 2 == 0 ? 1.0 : -1.0) * std::sin(i * 0.37);
        }
        double worst = 0;
        for (int k = 0; k < 20000; ++k) {
            m.advance();
            worst = std::max(worst, largest(m));
        }
        EXPECT_TRUE(std::isfinite(worst)) << options;
        EXPECT_LT(worst, 5.0) << options;
    }
}

TEST(ChainWaves, DrivenChainStaysBoundedWithDamping)
{
    for (const int period : {10, 25, 100, 250, 600}) {
        ChainModel m;
        m.harmonic = 1;
        m.amplitude = 2;
        m.changePeriod(period);
        double worst = 0;
        for (int k = 0; k < 20000; ++k) {
            m.advance();
            worst = std::max(worst, largest(m));
        }
        EXPECT_LT(worst, 20.0) << period;
    }
}

TEST(ChainControls, PeriodChangeKeepsTheDriveContinuous)
{
    ChainModel m;
    m.harmonic = 1;
    runFor(m, 18.5);
    const double before = m.omega * m.tHarm + m.phase;
    const double lastY0 = m.y[0];
    m.changePeriod(100);
    EXPECT_EQ(m.tHarm, 0.0);
    EXPECT_DOUBLE_EQ(m.omega, 2 * pi / 10);
    EXPECT_NEAR(m.omega * m.tHarm + m.phase, before, 1e-6);
    m.advance();
    // One pass moves the end by at most amplitude * omega * dt.
    EXPECT_LE(std::abs(m.y[0] - lastY0), m.amplitude * m.omega * m.dt + 1e-6);
    EXPECT_GT(std::abs(m.y[0] - lastY0), 0.0);
}

TEST(ChainControls, SwitchesKeepTheirInvariants)
{
    ChainModel m;
    m.switchDamping();
    EXPECT_EQ(m.damping, 0);
    EXPECT_EQ(m.eraseG, 255);
    EXPECT_EQ(m.eraseB, 224);
    m.switchDamping();
    EXPECT_EQ(m.damping, 2);
    EXPECT_EQ(m.eraseG, 128);
    EXPECT_EQ(m.eraseB, 128);

    m.switchRefraction();
    EXPECT_EQ(m.refraction, 1);
    for (int i = 0; i <= 100; ++i) {
        EXPECT_EQ(m.invM[i], i == 100 ? 0.0 : (i >= 48 ? 0.25 : 1.0)) << i;
    }
    m.switchRefraction();
    EXPECT_EQ(m.refraction, 0);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(m.invM[i], 1.0) << i;
    }
    EXPECT_EQ(m.invM[100], 0.0);
}

TEST(ChainControls, ClearingButtonsClearWhatTheyMustAndNothingElse)
{
    auto filled = [] {
        ChainModel m;
        m.y.fill(1);
        m.v.fill(2);
        m.f.fill(3);
        m.yDrawn.fill(4);
        m.t = 5;
        m.tHarm = 6;
        m.phase = 7;
        m.harmonic = 1;
        m.amplitude = 1.3;
        m.omega = 0.9;
        m.restoring = chain::pendulumRestoring;
        return m;
    };
    auto zeroUpTo99 = [](const std::array<double, 101>& a) {
        return std::all_of(a.begin(), a.begin() + 100, [](double x) {
            return x == 0.0;
        });
    };

    ChainModel velocities = filled();
    velocities.clearVelocities();
    EXPECT_TRUE(zeroUpTo99(velocities.v));
    EXPECT_EQ(velocities.y[5], 1.0);
    EXPECT_EQ(velocities.yDrawn[5], 4.0);

    ChainModel displacements = filled();
    displacements.clearDisplacements();
    EXPECT_TRUE(zeroUpTo99(displacements.y));
    EXPECT_TRUE(zeroUpTo99(displacements.yDrawn));
    EXPECT_EQ(displacements.v[5], 2.0);
    EXPECT_EQ(displacements.t, 5.0);

    ChainModel all = filled();
    all.clearAll();
    for (const auto* array : {&all.y, &all.v, &all.f, &all.yDrawn}) {
        EXPECT_TRUE(zeroUpTo99(*array));
    }
    EXPECT_EQ(all.t + all.tHarm + all.phase, 0.0);
    EXPECT_EQ(all.harmonic, 1);
    EXPECT_EQ(all.amplitude, 1.3);
    EXPECT_EQ(all.omega, 0.9);
    EXPECT_EQ(all.restoring, chain::pendulumRestoring);
}
