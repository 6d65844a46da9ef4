#include "RecordingSurface.h"

#include "map/layers/GlobeLayer.h"
#include "map/MapColours.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using Kind = RecordingSurface::Shape::Kind;
constexpr double kPi = std::numbers::pi;

} // namespace

TEST(CircleCrossingsTest, WholeGlobeInAn800x600WindowCrossesNoEdge)
{
    const LimbCrossings crossings = CircleWindowCrossings(800, 600, 400.0, 300.0, 800.0 / kPi);
    EXPECT_EQ(crossings.count, 0);
    EXPECT_TRUE(crossings.angleZeroInside);
    const LimbArcs arcs = OrderCrossings(crossings);
    ASSERT_EQ(arcs.count, 1);
    EXPECT_EQ(arcs.items[0].entry.angle, 0.0f);
    EXPECT_EQ(arcs.items[0].exit.angle, static_cast<float>(2.0 * kPi));
    EXPECT_EQ(arcs.items[0].entry.edge, WindowEdge::None);
}

TEST(CircleCrossingsTest, CircleCrossingOnlyTheRightEdgeGivesOneArcThroughTheLeftSide)
{
    // Centre (700, 300), R = 200: the right edge x = 800 is crossed at a = acos(0.5).
    const LimbCrossings crossings = CircleWindowCrossings(800, 600, 700.0, 300.0, 200.0);
    ASSERT_EQ(crossings.count, 2);
    EXPECT_FALSE(crossings.angleZeroInside);
    EXPECT_FLOAT_EQ(crossings.items[0].angle, static_cast<float>(kPi / 3.0));
    EXPECT_FLOAT_EQ(crossings.items[1].angle, static_cast<float>(5.0 * kPi / 3.0));
    EXPECT_EQ(crossings.items[0].edge, WindowEdge::Right);
    const LimbArcs arcs = OrderCrossings(crossings);
    ASSERT_EQ(arcs.count, 1);
    EXPECT_FLOAT_EQ(arcs.items[0].entry.angle, static_cast<float>(kPi / 3.0));
    EXPECT_FLOAT_EQ(arcs.items[0].exit.angle, static_cast<float>(5.0 * kPi / 3.0));
}

TEST(CircleCrossingsTest, CircleCrossingOnlyTheLeftEdgeRotatesItsArcThroughAngleZero)
{
    // Centre (100, 300), R = 200: the left edge is crossed at a = acos(-0.5) = 2 pi / 3.
    const LimbCrossings crossings = CircleWindowCrossings(800, 600, 100.0, 300.0, 200.0);
    ASSERT_EQ(crossings.count, 2);
    EXPECT_TRUE(crossings.angleZeroInside);
    const LimbArcs arcs = OrderCrossings(crossings);
    ASSERT_EQ(arcs.count, 1);
    EXPECT_FLOAT_EQ(arcs.items[0].entry.angle, static_cast<float>(-2.0 * kPi / 3.0));
    EXPECT_FLOAT_EQ(arcs.items[0].exit.angle, static_cast<float>(2.0 * kPi / 3.0));
    EXPECT_EQ(arcs.items[0].entry.edge, WindowEdge::Left);
}

TEST(CircleCrossingsTest, CircleThroughACornerLosesThatCrossingOnBothEdges)
{
    // Centre (30, 40), R = 50: the circle meets the left edge at (0, 80) and
    // (0, 0), the top edge at (0, 0) and (60, 0); the corner counts for neither.
    const LimbCrossings crossings = CircleWindowCrossings(800, 600, 30.0, 40.0, 50.0);
    ASSERT_EQ(crossings.count, 2);
    EXPECT_EQ(crossings.items[0].edge, WindowEdge::Left);
    EXPECT_EQ(crossings.items[1].edge, WindowEdge::Top);
}

TEST(CircleCrossingsTest, TangentEdgeGivesNoCrossing)
{
    // R = 300 touches the top and bottom edges of the 800 x 600 window.
    EXPECT_EQ(CircleWindowCrossings(800, 600, 400.0, 300.0, 300.0).count, 0);
}

TEST(ArcStepTest, IsTheAngleOfChordsWithinTheTolerance)
{
    EXPECT_DOUBLE_EQ(ArcStep(100.0, 0.65), std::acos(1.0 - 0.0065));
    EXPECT_DOUBLE_EQ(ArcStep(1.0, 2.0), kPi);  // no longer undefined for tiny globes
    EXPECT_EQ(ArcStepCount(2.0 * kPi, ArcStep(5.0e8, 0.65)), 123224);  // 2 pi / sqrt(1.3 / 5e8), plus one
}

TEST(AddCornersTest, WalksTheBorderClockwiseFromExitToEntry)
{
    std::vector<DevicePoint> points;
    AddCorners(WindowEdge::Right, WindowEdge::Top, points, 800, 600);
    EXPECT_EQ(points, (std::vector<DevicePoint>{{800, 600}, {0, 600}, {0, 0}}));
    points.clear();
    AddCorners(WindowEdge::Top, WindowEdge::Right, points, 800, 600);
    EXPECT_EQ(points, (std::vector<DevicePoint>{{800, 0}}));
    points.clear();
    AddCorners(WindowEdge::None, WindowEdge::None, points, 800, 600);
    AddCorners(WindowEdge::Left, WindowEdge::Left, points, 800, 600);
    EXPECT_TRUE(points.empty());
}

TEST(GlobeDiskTest, WholeGlobeIsAPolygonApproximatingTheCircle)
{
    RecordingSurface surface(800, 600);
    FillGlobeDisk(surface, 400.0, 300.0, 800.0 / kPi);
    ASSERT_EQ(surface.shapes.size(), 1u);
    const RecordingSurface::Shape& disk = surface.shapes[0];
    EXPECT_EQ(disk.kind, Kind::Polygon);
    EXPECT_EQ(disk.colour, kSeaColour);
    EXPECT_EQ(disk.points.front(), (DevicePoint{655, 300}));  // rint(400 + 254.648)
    for (const DevicePoint point : disk.points) {
        EXPECT_NEAR(std::hypot(point.x - 400.0, point.y - 300.0), 800.0 / kPi, 0.75);
    }
}

TEST(GlobeDiskTest, WindowInsideTheDiskIsFilledWholeAndHasNoLimb)
{
    RecordingSurface surface(800, 600);
    FillGlobeDisk(surface, 400.0, -5000.0, 1.0e6);
    DrawLimb(surface, 400.0, -5000.0, 1.0e6);
    ASSERT_EQ(surface.shapes.size(), 1u);
    EXPECT_EQ(surface.shapes[0].kind, Kind::Rectangle);
    EXPECT_EQ(surface.shapes[0].points, (std::vector<DevicePoint>{{0, 0}, {800, 600}}));
}

TEST(GlobeDiskTest, DiskWhollyOutsideTheWindowLeavesTheSkyBlack)
{
    RecordingSurface surface(800, 600);
    FillGlobeDisk(surface, -1000.0, 300.0, 200.0);
    DrawLimb(surface, -1000.0, 300.0, 200.0);
    EXPECT_TRUE(surface.shapes.empty());
}

TEST(GlobeDiskTest, DiskCrossingTheRightEdgeClosesAlongThatEdge)
{
    RecordingSurface surface(800, 600);
    FillGlobeDisk(surface, 700.0, 300.0, 200.0);
    ASSERT_EQ(surface.shapes.size(), 1u);
    const std::vector<DevicePoint>& points = surface.shapes[0].points;
    // From 60 degrees (below the centre on the screen) round the left side to 300 degrees.
    EXPECT_EQ(points.front(), (DevicePoint{800, 473}));  // 300 + 200 sin 60 deg = 473.2
    EXPECT_EQ(points.back(), (DevicePoint{800, 127}));
    for (const DevicePoint point : points) {
        EXPECT_LE(point.x, 800);
    }
}

TEST(GlobeDiskTest, HugeCircleAroundTheWindowIsClippedNearTheWindow)
{
    // Deep zoom with the centre inside: the whole circle lies far outside.
    RecordingSurface surface(800, 600);
    FillGlobeDisk(surface, 400.0, 300.0, 5.0e8);
    DrawLimb(surface, 400.0, 300.0, 5.0e8);
    const auto disks = surface.Of(Kind::Polygon);
    ASSERT_EQ(disks.size(), 1u);
    for (const DevicePoint point : disks[0].points) {
        EXPECT_LE(std::abs(point.x), 800 + 4096);
        EXPECT_LE(std::abs(point.y), 600 + 4096);
    }
    EXPECT_TRUE(surface.Of(Kind::Polyline).empty());  // the limb is nowhere near the window
}

TEST(LimbTest, ArcsInsideTheWindowAreStrokedInBlack)
{
    RecordingSurface surface(800, 600);
    DrawLimb(surface, 700.0, 300.0, 200.0);
    const auto limbs = surface.Of(Kind::Polyline);
    ASSERT_EQ(limbs.size(), 1u);
    EXPECT_EQ(limbs[0].colour, kLimbColour);
    EXPECT_EQ(limbs[0].points.front(), (DevicePoint{800, 473}));
    EXPECT_EQ(limbs[0].points.back(), (DevicePoint{800, 127}));
}

TEST(LimbTest, NothingIsDrawnForAGlobeWithoutRadius)
{
    RecordingSurface surface(800, 600);
    FillGlobeDisk(surface, 400.0, 300.0, 0.0);
    DrawLimb(surface, 400.0, 300.0, std::nan(""));
    EXPECT_TRUE(surface.shapes.empty());
}
