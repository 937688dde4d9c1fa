#include "Recorder.hpp"

#include <algorithm>
#include <cmath>

namespace core {

namespace {

// A tenth more than the longest window needs, against the rounding of the steps.
constexpr double margin = 1.1;

} // namespace

Recorder::Recorder(double smallestDt, int lastMass)
    : ring_(static_cast<std::size_t>(std::ceil(margin * windowLengths.back() / smallestDt)))
    , lastMass_(lastMass)
{
}

void Recorder::follow(int slot, int number)
{
    const int mass = std::clamp(number, 0, lastMass_);
    if (masses_.at(static_cast<std::size_t>(slot)) != mass) {
        masses_.at(static_cast<std::size_t>(slot)) = mass;
        clear();
    }
}

void Recorder::take(std::span<const double> y, const DriveState& drive)
{
    if (!(drive == drive_)) {
        drive_ = drive;
        steadyCount_ = 0;
    }
    time_ += drive.dt;
    Sample& sample = ring_[next_];
    sample.t = time_;
    for (int k = 0; k < followedMasses; ++k) {
        const int mass = masses_[static_cast<std::size_t>(k)];
        sample.y[static_cast<std::size_t>(k)] = mass > 0 ? -y[static_cast<std::size_t>(mass)] : 0.0;
    }
    sample.y[drivenEndTrace] = -y[0];
    next_ = (next_ + 1) % ring_.size();
    size_ = std::min(size_ + 1, ring_.size());
    steadyCount_ = std::min(steadyCount_ + 1, size_);
}

void Recorder::clear()
{
    next_ = 0;
    size_ = 0;
    steadyCount_ = 0;
    time_ = 0;
}

} // namespace core
