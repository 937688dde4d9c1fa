#pragma once

namespace core::touch {

// A finger held still this long before it moves acts as the right button,
// which a finger has no other way to give.
constexpr int holdMilliseconds = 500;
// How far a finger may wander, in design pixels, and still be held still.
constexpr double stillPixels = 8;

} // namespace core::touch
