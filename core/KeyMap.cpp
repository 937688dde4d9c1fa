#include "KeyMap.hpp"

#include <algorithm>
#include <cmath>

namespace core {

double handKeyHeight(KeyAction action, double present, double step, double top, double bottom)
{
    double steps = std::round(present / step);
    if (action == KeyAction::handUp) {
        steps -= 1;
    } else if (action == KeyAction::handDown) {
        steps += 1;
    } else {
        steps = 0;
    }
    return std::clamp(steps * step, std::min(top, bottom), std::max(top, bottom));
}

} // namespace core
