#pragma once

#include "ClassicFont.hpp"
#include "core/Rgb.hpp"

#include <QFont>

namespace surface {

// The colours both programs' windows share.
inline constexpr Rgb black = RGB(0, 0, 0);
inline constexpr Rgb white = RGB(255, 255, 255);
inline constexpr Rgb grey = RGB(192, 192, 192);
inline constexpr Rgb red = RGB(255, 0, 0);
// The drawing surfaces' light yellow.
inline constexpr Rgb lightYellow = RGB(255, 255, 224);

// The window font; captions use bolder sizes of the same face.
inline QFont windowFont()
{
    return classicFont(8.25);
}

} // namespace surface
