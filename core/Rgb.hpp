#pragma once

#include <cstdint>

namespace core {

// A colour of three components 0..255, as the forms runtime's RGB() made them.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend constexpr bool operator==(Rgb, Rgb) = default;
};

constexpr Rgb RGB(int r, int g, int b)
{
    return Rgb{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)};
}

} // namespace core
