#include "PictureName.hpp"

#include <cstdio>

namespace core {

std::string timedFileName(const std::string& stem, const LocalTime& time, const char* extension)
{
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, " %04d-%02d-%02d %02d-%02d-%02d.", time.year, time.month, time.day, time.hour,
        time.minute, time.second);
    return stem + stamp + extension;
}

std::string pictureFileName(const std::string& program, const LocalTime& time)
{
    return timedFileName(program, time, "png");
}

} // namespace core
