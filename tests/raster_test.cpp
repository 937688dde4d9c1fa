#include "core/Raster.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::uint32_t white = 0xffffffff;
constexpr std::uint32_t black = 0xff000000;

long blackPixels(const core::Raster& r)
{
    return std::count(r.pixels(), r.pixels() + static_cast<long>(r.width()) * r.height(), black);
}

} // namespace

TEST(Raster, ADotIsRoundAndHeldBackUntilDrawn)
{
    core::Raster r(40, 30, white);
    r.dot(10.0, 10.0, 5, black);
    EXPECT_EQ(blackPixels(r), 0);
    r.drawHeldDot();
    EXPECT_EQ(r.pixels()[(10 * 40) + 8], black);
    EXPECT_EQ(r.pixels()[(10 * 40) + 13], white);
    EXPECT_GT(blackPixels(r), 15);
    EXPECT_LT(blackPixels(r), 25); // a 5 x 5 square would be 25
}

TEST(Raster, ADotErasedInPlaceChangesNothing)
{
    core::Raster r(40, 30, white);
    r.dot(10.0, 10.0, 3, black);
    r.dot(10.0, 10.0, 3, white);
    EXPECT_FALSE(r.settleHeldDot());
    EXPECT_FALSE(r.hasChanges());
    r.dot(1e30, 0.0, 3, black);
    EXPECT_FALSE(r.settleHeldDot());
}

TEST(Raster, ChangesAreRepaintedInRowsOfTheLogicalGrid)
{
    core::Raster r(200, 200, white);
    r.changed({10, 40, 2, 2});
    r.changed({100, 5, 2, 2});
    r.changed({300, 5, 2, 2}); // beyond the surface
    const auto rows = r.takeRepaintRows(2.0, 100, 100);
    ASSERT_EQ(rows.size(), 1U);
    EXPECT_EQ(rows[0].left, 5);
    EXPECT_EQ(rows[0].right(), 50);
    EXPECT_EQ(rows[0].top, 0);
    EXPECT_EQ(rows[0].bottom(), 31);
    EXPECT_FALSE(r.hasChanges());
}

TEST(Raster, ADotMovedInTwoPassesIsOneChangedRectangle)
{
    core::Raster r(200, 100, white);
    const auto pass = [&r](double from, double to) {
        r.dot(20.0, from, 6, white);
        r.dot(20.0, to, 6, black);
        r.dot(120.0, from, 6, white);
        r.dot(120.0, to, 6, black);
        r.settleHeldDot();
    };
    pass(50.0, 52.0);
    pass(52.0, 54.0);
    const auto rects = r.takeChangedRects();
    ASSERT_EQ(rects.size(), 2U);
    EXPECT_EQ(rects[0].left, 17);
    EXPECT_EQ(rects[0].top, 47);
    EXPECT_EQ(rects[0].bottom(), 56);
    EXPECT_EQ(rects[1].left, 117);
    EXPECT_FALSE(r.hasChanges());
}

TEST(Raster, ChangedRectanglesStayWithinTheRaster)
{
    core::Raster r(40, 30, white);
    r.changed({-5, 25, 10, 10});
    r.changed({50, 0, 4, 4});
    const auto rects = r.takeChangedRects();
    ASSERT_EQ(rects.size(), 1U);
    EXPECT_EQ(rects[0].left, 0);
    EXPECT_EQ(rects[0].width, 5);
    EXPECT_EQ(rects[0].top, 25);
    EXPECT_EQ(rects[0].height, 5);
}
