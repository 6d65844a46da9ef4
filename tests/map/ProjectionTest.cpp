#include "map/Projection.h"
#include "map/ViewportOperations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kDegree = 0.017453292519943295;

CViewport GlobalViewport800x600()
{
    CViewport viewport;
    SetGlobalViewport(viewport, 800, 600);
    return viewport;
}

} // namespace

TEST(ProjectionTest, MapCentreLandsOnTheGlobeOrigin)
{
    const auto point = ProjectPoint(0.0, 30.0 * kDegree, std::cos(30.0 * kDegree), std::sin(30.0 * kDegree), GlobalViewport800x600());
    ASSERT_TRUE(point.has_value());
    EXPECT_EQ(*point, (DevicePoint{400, 300}));
}

TEST(ProjectionTest, PointsJustShortOfTheLimbAreVisibleAndJustBeyondAreHidden)
{
    // From a centre on the equator, a point on the equator at 89.9 and 90.1
    // degrees of longitude lies that many degrees of arc away.
    const CViewport viewport = GlobalViewport800x600();
    const auto near = ProjectPoint(89.9 * kDegree, 0.0, 1.0, 0.0, viewport);
    ASSERT_TRUE(near.has_value());
    EXPECT_EQ(near->x, 654);  // trunc(400 + 254.6479 * sin 89.9 deg)
    EXPECT_EQ(near->y, 300);
    EXPECT_FALSE(ProjectPoint(90.1 * kDegree, 0.0, 1.0, 0.0, viewport).has_value());
    // Seen from above the north pole, latitudes 0.1 and -0.1 degree lie 89.9 and 90.1 degrees away.
    EXPECT_TRUE(ProjectPoint(0.0, 0.1 * kDegree, std::cos(90.0 * kDegree), 1.0, viewport).has_value());
    EXPECT_FALSE(ProjectPoint(0.0, -0.1 * kDegree, std::cos(90.0 * kDegree), 1.0, viewport).has_value());
}

TEST(ProjectionTest, PoleSeenFromTheEquatorIsOnTheLimbAndHidden)
{
    EXPECT_FALSE(ProjectPoint(0.0, 90.0 * kDegree, 1.0, 0.0, GlobalViewport800x600()).has_value());
}

TEST(ProjectionTest, NorthIsUpAndEastIsRight)
{
    const CViewport viewport = GlobalViewport800x600();
    const auto north = ProjectPoint(0.0, 10.0 * kDegree, 1.0, 0.0, viewport);
    const auto east = ProjectPoint(10.0 * kDegree, 0.0, 1.0, 0.0, viewport);
    ASSERT_TRUE(north && east);
    EXPECT_EQ(*north, (DevicePoint{400, 255}));  // trunc(300 - 254.6479 * sin 10 deg) = trunc(255.78)
    EXPECT_EQ(*east, (DevicePoint{444, 300}));   // trunc(400 + 44.22)
}

TEST(ProjectionTest, PixelsFarBeyondThe32BitRangeSaturateInsteadOfOverflowing)
{
    CViewport viewport = GlobalViewport800x600();
    viewport.m_originX = 3.0e9f;
    const auto point = ProjectPoint(0.0, 0.0, 1.0, 0.0, viewport);
    ASSERT_TRUE(point.has_value());
    EXPECT_EQ(point->x, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(SaturatedPixel(-1.0e12), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(SaturatedPixel(-2.7), -2);
}
