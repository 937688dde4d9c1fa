#include "PictureName.hpp"

#include <cstdio>

namespace core {

std::string pictureFileName(const std::string& program, const LocalTime& time)
{
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, " %04d-%02d-%02d %02d-%02d-%02d.png", time.year, time.month, time.day, time.hour,
        time.minute, time.second);
    return program + stamp;
}

} // namespace core
