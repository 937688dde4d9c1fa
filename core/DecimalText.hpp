#pragma once

#include <string>

namespace core {

// A number as the German windows show it: a decimal comma, no grouping, up to
// 15 significant digits and never "-0".
std::string decimalText(double value);

} // namespace core
