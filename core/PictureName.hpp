#pragma once

#include <string>

namespace core {

// A local date and time to the second.
struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The name a saved file is offered under: stem, time and extension, e.g.
// "KETTLAB Messwerte 2026-03-14 09-26-53.csv".
std::string timedFileName(const std::string& stem, const LocalTime& time, const char* extension);

// The name a saved picture is offered under: the program and the time, e.g.
// "KETTLAB 2026-03-14 09-26-53.png"; no colons, which some file systems refuse.
std::string pictureFileName(const std::string& program, const LocalTime& time);

} // namespace core
