#pragma once

// How a zoom is asked for on the command line or in the environment: plain
// C++, no toolkit, so that --help and a bad value need no display.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace core::zoom {

// The zooms that can show the design: from a quarter up to eight times.
constexpr double smallest = 0.25;
constexpr double largest = 8.0;

// A zoom given as text: a number from `smallest` to `largest`, with a
// decimal point or, as the messages write it, a decimal comma.
std::optional<double> parse(std::string_view text);

// What the arguments and the environment ask for: to run, at a zoom if one
// is given; to show the help; or to stop at a fault. text is the help or
// the German message, ready to print.
struct Request {
    enum class Kind { run, help, fault };
    Kind kind = Kind::run;
    std::optional<double> zoom;
    std::string text;
};

// Reads --zoom F, --zoom=F and --help (or -h) from the arguments after the
// program's name; the variable's value (null when it is not set) counts
// only without the option.
Request read(std::span<const std::string_view> arguments, const char* variable, std::string_view program);

// The --zoom option and the WELLENLABOR_ZOOM variable, read before the
// application object exists. Prints the help and exits with 0, or prints
// the fault and exits with 2; returns the zoom asked for, if any.
std::optional<double> fromCommandLine(int argc, char* argv[], const char* program);

} // namespace core::zoom
