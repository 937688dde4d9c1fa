#include "Zoom.hpp"

#include <algorithm>

namespace core::zoom {

namespace {

double current = 1.0;

} // namespace

double factor()
{
    return current;
}

void setFactor(double z)
{
    current = z;
}

double fitting(int width, int height)
{
    return std::min(static_cast<double>(width) / designWidth, static_cast<double>(height) / designHeight);
}

} // namespace core::zoom
