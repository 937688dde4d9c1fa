#include "core/ZoomOption.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

struct Asked {
    const char* name;
    std::vector<std::string> arguments;
    const char* variable; // null: not set
    double zoom;          // 0: none asked for
    std::string said;     // empty: the program runs
};

} // namespace

TEST(ZoomOption, AZoomIsAskedForWithinItsRange)
{
    const std::string nines(10000, '9');
    const std::vector<Asked> cases = {
        {"none", {}, nullptr, 0.0, ""},
        {"option over variable", {"--zoom", "1"}, "abc", 1.0, ""},
        {"variable alone", {}, "2", 2.0, ""},
        {"smallest, comma", {"--zoom=0,25"}, nullptr, 0.25, ""},
        {"largest", {"--zoom", "8"}, nullptr, 8.0, ""},
        {"too small", {"--zoom", "1e-5"}, nullptr, 0.0, "--zoom muss eine Zahl von 0,25 bis 8 sein, nicht „1e-5“"},
        {"denormal", {"--zoom", "4.9e-324"}, nullptr, 0.0, "„4.9e-324“"},
        {"too large", {"--zoom=8.5"}, nullptr, 0.0, "„8.5“"},
        {"bad variable", {}, "abc", 0.0, "WELLENLABOR_ZOOM muss"},
        {"long value cut short", {"--zoom", nines}, nullptr, 0.0, "„" + nines.substr(0, 40) + "…“"},
        {"no value", {"--zoom"}, nullptr, 0.0, "braucht einen Wert"},
        {"help", {"-h"}, "abc", 0.0, "Faktor F, von 0,25 bis 8"},
    };
    for (const Asked& asked : cases) {
        const std::vector<std::string_view> views(asked.arguments.begin(), asked.arguments.end());
        const auto request = core::zoom::read(views, asked.variable, "kettlab");
        EXPECT_EQ(request.zoom.value_or(0.0), asked.zoom) << asked.name;
        EXPECT_EQ(request.kind == core::zoom::Request::Kind::run, asked.said.empty()) << asked.name;
        EXPECT_NE(request.text.find(asked.said), std::string::npos) << asked.name << ": " << request.text;
    }
}
