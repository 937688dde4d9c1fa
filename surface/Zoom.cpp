#include "Zoom.hpp"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace surface::zoom {

namespace {

double current = 1.0;

constexpr int badUsage = 2;

std::optional<double> parseOrExit(std::string_view text, const char* source, const char* program)
{
    const auto z = parse(text);
    if (!z) {
        std::fprintf(stderr, "%s: %s must be a number above 0 and at most %g, not \"%.*s\"\n", program, source, largest,
            static_cast<int>(text.size()), text.data());
        std::exit(badUsage);
    }
    return z;
}

} // namespace

double factor()
{
    return current;
}

void setFactor(double z)
{
    current = z;
}

double fitting(QSize screenPixels)
{
    return std::min(static_cast<double>(screenPixels.width()) / designScreen.width(),
        static_cast<double>(screenPixels.height()) / designScreen.height());
}

std::optional<double> parse(std::string_view text)
{
    double z = 0;
    const auto* end = text.data() + text.size();
    const auto [rest, fault] = std::from_chars(text.data(), end, z);
    if (text.empty() || fault != std::errc() || rest != end || !std::isfinite(z) || z <= 0 || z > largest) {
        return std::nullopt;
    }
    return z;
}

std::optional<double> fromCommandLine(int argc, char* argv[], const char* program)
{
    std::optional<double> asked;
    if (const char* env = std::getenv("WELLENLABOR_ZOOM"); env != nullptr) {
        asked = parseOrExit(env, "WELLENLABOR_ZOOM", program);
    }
    const std::string_view option = "--zoom";
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::printf("Usage: %s [--zoom F]\n\n"
                        "  --zoom F   scale the window and everything in it by F (0 < F <= %g);\n"
                        "             by default the design for 1024 x 768 is scaled to fit the\n"
                        "             screen; --zoom 1 gives the classic pixels. The environment\n"
                        "             variable WELLENLABOR_ZOOM does the same.\n"
                        "  --help     show this help\n",
                program, largest);
            std::exit(0);
        }
        if (arg == option) {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "%s: --zoom needs a value\n", program);
                std::exit(badUsage);
            }
            asked = parseOrExit(argv[++i], "--zoom", program);
        } else if (arg.starts_with(std::string(option) + "=")) {
            asked = parseOrExit(arg.substr(option.size() + 1), "--zoom", program);
        }
    }
    return asked;
}

void apply(std::optional<double> asked)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize pixels = screen != nullptr ? screen->geometry().size() : designScreen;
    setFactor(asked.value_or(fitting(pixels)));
}

} // namespace surface::zoom
