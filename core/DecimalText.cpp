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

std::string fixedText(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value + 0.0);
    std::string shown(text);
    std::replace(shown.begin(), shown.end(), '.', ',');
    // A small negative value rounds to "-0,00", shown as "0,00".
    if (shown.front() == '-' && shown.find_first_not_of("-0,") == std::string::npos) {
        shown.erase(0, 1);
    }
    return shown;
}

} // namespace core
