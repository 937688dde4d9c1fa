#pragma once

#include <QString>

namespace surface {

// A number as the German interface shows it: decimal comma, no thousands
// separator, whole values without a fractional part, no trailing zeros.
QString decimalText(double value);

} // namespace surface
