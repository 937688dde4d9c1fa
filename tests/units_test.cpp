#include "core/Twips.hpp"
#include "core/Zoom.hpp"

#include <gtest/gtest.h>

namespace twips = surface::twips;
namespace zoom = surface::zoom;

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
