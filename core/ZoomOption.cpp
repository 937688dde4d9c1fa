#include "ZoomOption.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace core::zoom {

namespace {

constexpr int badUsage = 2;

// A number as German texts write it, with the decimal comma.
std::string german(double number)
{
    std::array<char, 32> digits{};
    std::snprintf(digits.data(), digits.size(), "%g", number);
    std::string text = digits.data();
    for (char& c : text) {
        if (c == '.') {
            c = ',';
        }
    }
    return text;
}

std::string range()
{
    return "von " + german(smallest) + " bis " + german(largest);
}

// A value echoed in a message: its first 40 characters (not bytes, so that
// no UTF-8 character is cut in two), then an ellipsis.
std::string shortened(std::string_view value)
{
    constexpr std::size_t shown = 40;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const bool starts = (static_cast<unsigned char>(value[i]) & 0xC0U) != 0x80U;
        if (starts && characters++ == shown) {
            return std::string(value.substr(0, i)) + "…";
        }
    }
    return std::string(value);
}

Request fault(std::string_view program, std::string_view message)
{
    return {Request::Kind::fault, std::nullopt, std::string(program) + ": " + std::string(message) + "\n"};
}

Request asked(std::string_view text, std::string_view source, std::string_view program)
{
    if (const auto z = parse(text)) {
        return {Request::Kind::run, z, {}};
    }
    return fault(
        program, std::string(source) + " muss eine Zahl " + range() + " sein, nicht „" + shortened(text) + "“");
}

Request help(std::string_view program)
{
    const std::string name(program);
    return {Request::Kind::help, std::nullopt,
        "Aufruf: " + name
            + " [--zoom F]\n\n"
              "  --zoom F   vergrößert das Fenster und alles darin um den Faktor F, "
            + range()
            + ";\n"
              "             ohne die Option wird die Gestaltung für 1024 × 768 an den Bildschirm\n"
              "             angepasst, --zoom 1 gibt die klassischen Pixel. Die Umgebungsvariable\n"
              "             WELLENLABOR_ZOOM wirkt ebenso; die Option geht ihr vor.\n"
              "  --help     zeigt diese Hilfe\n"};
}

} // namespace

std::optional<double> parse(std::string_view text)
{
    std::string number(text);
    std::replace(number.begin(), number.end(), ',', '.');
    double z = 0;
    const auto* end = number.data() + number.size();
    const auto [rest, fault] = std::from_chars(number.data(), end, z);
    if (text.empty() || fault != std::errc() || rest != end || !std::isfinite(z) || z < smallest || z > largest) {
        return std::nullopt;
    }
    return z;
}

Request read(std::span<const std::string_view> arguments, const char* variable, std::string_view program)
{
    constexpr std::string_view option = "--zoom";
    constexpr std::string_view withValue = "--zoom=";
    std::optional<Request> fromOption;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            return help(program);
        }
        if (argument == option) {
            if (i + 1 == arguments.size()) {
                return fault(program, "--zoom braucht einen Wert, eine Zahl " + range());
            }
            fromOption = asked(arguments[++i], option, program);
        } else if (argument.starts_with(withValue)) {
            fromOption = asked(argument.substr(withValue.size()), option, program);
        }
        if (fromOption && fromOption->kind == Request::Kind::fault) {
            return *fromOption;
        }
    }
    if (fromOption) {
        return *fromOption;
    }
    if (variable != nullptr) {
        return asked(variable, "WELLENLABOR_ZOOM", program);
    }
    return {};
}

std::optional<double> fromCommandLine(int argc, char* argv[], const char* program)
{
    const std::vector<std::string_view> arguments(argv + std::min(argc, 1), argv + argc);
    const Request request = read(arguments, std::getenv("WELLENLABOR_ZOOM"), program);
    switch (request.kind) {
    case Request::Kind::help:
        std::fputs(request.text.c_str(), stdout);
        std::exit(0);
    case Request::Kind::fault:
        std::fputs(request.text.c_str(), stderr);
        std::exit(badUsage);
    case Request::Kind::run:
        break;
    }
    return request.zoom;
}

} // namespace core::zoom
