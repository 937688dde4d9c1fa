#include "DecimalText.hpp"

#include <algorithm>
#include <cstdio>

namespace core {

std::string decimalText(double value)
{
    char text[32];
    // Adding 0.0 turns a negative zero into 0.
    std::snprintf(text, sizeof text, "%.15g", value + 0.0);
    std::string shown(text);
    std::replace(shown.begin(), shown.end(), '.', ',');
    return shown;
}

} // namespace core
