#include "Pace.hpp"

#include <algorithm>
#include <cmath>

namespace core {

void Pace::restart()
{
    origin_.reset();
    credited_ = 0;
}

int Pace::due(std::chrono::nanoseconds now)
{
    using namespace std::chrono;
    if (!origin_) {
        // The first frame of a run shows its first pass at once.
        origin_ = now - duration_cast<nanoseconds>(seconds(1)) / passesPerSecond;
    }
    const double elapsed = duration<double>(now - *origin_).count();
    const auto credit = std::llround(elapsed * passesPerSecond);
    const long long due = credit - credited_;
    credited_ = std::max(credited_, credit);
    return static_cast<int>(std::clamp<long long>(due, 0, maxPassesPerTick));
}

} // namespace core
