#include "core/DecimalText.hpp"
#include "core/Twips.hpp"
#include "core/Zoom.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

namespace twips = core::twips;
namespace zoom = core::zoom;

TEST(Units, TwipsAreFifteenPerPixelAt96DpiAndShrinkWithTheZoom)
{
    EXPECT_EQ(twips::perPixel(twips::standardDpi), 15.0);
    EXPECT_EQ(twips::toPixels(14899.2, 15.0), 993);
    zoom::setFactor(2.0);
    EXPECT_EQ(twips::perPixel(twips::standardDpi), 7.5);
    zoom::setFactor(1.0);
}

TEST(Units, TheDesignScreenFitsByItsTighterSide)
{
    EXPECT_EQ(zoom::fitting(1920, 1080), 1.40625);
    EXPECT_EQ(zoom::fitting(1280, 1024), 1.25);
}

TEST(Units, NumbersShowWithTheGermanComma)
{
    const std::pair<double, const char*> cases[] = {{25.0, "25"}, {4.3, "4,3"}, {0.05, "0,05"}, {-0.1, "-0,1"},
        {-0.0, "0"}, {1234.5, "1234,5"}, {std::floor(100 * 0.15 + 0.05) / 100, "0,15"}};
    for (const auto& [value, shown] : cases) {
        EXPECT_EQ(core::decimalText(value), shown) << value;
    }
}
