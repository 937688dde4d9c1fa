#pragma once

#include <string>

namespace core {

// A number as the German windows show it: a decimal comma, no grouping, up to
// 15 significant digits and never "-0".
std::string decimalText(double value);
// The same with a fixed number of decimals.
std::string fixedText(double value, int decimals);

} // namespace core
