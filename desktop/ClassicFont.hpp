#pragma once

#include <QFont>

namespace desktop {

// "MS Sans Serif" at the given point size times the zoom, bold by default. The face is
// missing on Linux; Liberation Sans, metric-compatible with Arial, stands in
// for it and keeps the design widths of the captions.
QFont classicFont(double points, bool bold = true);

} // namespace desktop
