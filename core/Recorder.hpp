#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <vector>

namespace core {

// The chart recorder follows up to three masses by number and the driven end.
inline constexpr int followedMasses = 3;
inline constexpr int traceCount = followedMasses + 1;
inline constexpr int drivenEndTrace = followedMasses;

// The window lengths the recorder offers, in time units.
inline constexpr std::array<int, 4> windowLengths{50, 100, 200, 500};

// A chain of coupled masses as its equation of motion has it:
//     m(i) * a(i) = y(i-1) + y(i+1) - restoring * y(i) - damping * v(i),
// every mass 1, or heavyMass from firstHeavy on (firstHeavy 0: none heavy).
struct Lattice {
    double restoring = 2;
    double damping = 0;
    int firstHeavy = 0;
    double heavyMass = 4;

    double massOf(int i) const { return firstHeavy > 0 && i >= firstHeavy ? heavyMass : 1.0; }
    friend bool operator==(const Lattice&, const Lattice&) = default;
};

// Everything a pass depends on besides the chain's state. A change means the
// chain is no longer in the steady state of the drive that was running.
struct DriveState {
    bool harmonic = false;
    double omega = 0;
    double amplitude = 0;
    double dt = 0;
    Lattice lattice;
    int ends = 0; // the program's own end and obstacle settings, coded

    friend bool operator==(const DriveState&, const DriveState&) = default;
};

// One pass: the recording's time and each trace's upward displacement, so a
// trace rises when its dot rises on the surface (the models' y grows downward).
struct Sample {
    double t = 0;
    std::array<double, traceCount> y{};
};

// What the recorder keeps of the passes: one sample per pass in a ring of
// fixed size, which holds the longest window at the smallest time step.
class Recorder {
public:
    // lastMass: the highest number a followed mass can have.
    Recorder(double smallestDt, int lastMass);

    // Slot 0 to 2 follows mass `number`, 0 for none. A trace means one mass
    // throughout, so a new choice starts a new recording.
    void follow(int slot, int number);
    void showDrivenEnd(bool on) { drivenEndShown_ = on; }
    void setWindow(int length) { window_ = length; }

    const std::array<int, followedMasses>& masses() const { return masses_; }
    bool drivenEndShown() const { return drivenEndShown_; }
    int window() const { return window_; }
    int lastMass() const { return lastMass_; }

    // The pass just made, with the chain's displacements by model index.
    void take(std::span<const double> y, const DriveState& drive);
    // "Löschen": no samples, time 0.
    void clear();
    // The chain was moved by hand: what follows is no steady state yet.
    void disturb() { steadyCount_ = 0; }

    std::size_t size() const { return size_; }
    std::size_t capacity() const { return ring_.size(); }
    // The i-th sample, 0 the oldest kept.
    const Sample& at(std::size_t i) const
    {
        const std::size_t k = first() + i;
        return ring_[k < ring_.size() ? k : k - ring_.size()];
    }
    const Sample& newest() const { return at(size_ - 1); }
    // How many of the newest samples the present drive made undisturbed.
    std::size_t steadyCount() const { return steadyCount_; }
    const DriveState& drive() const { return drive_; }

private:
    // Without a division: the plot reads every sample of a window.
    std::size_t first() const { return next_ >= size_ ? next_ - size_ : next_ + ring_.size() - size_; }

    std::vector<Sample> ring_;
    std::size_t next_ = 0;
    std::size_t size_ = 0;
    std::size_t steadyCount_ = 0;
    double time_ = 0;
    DriveState drive_;
    std::array<int, followedMasses> masses_{};
    bool drivenEndShown_ = true;
    int window_ = 100;
    int lastMass_;
};

} // namespace core
