#include "RecordingSurface.h"

#include "core/WorkerPool.h"
#include "datafiles/ImageCache.h"
#include "map/MapColours.h"
#include "map/layers/ShorelineLayer.h"
#include "map/ViewportOperations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <latch>
#include <memory>
#include <vector>

namespace {

using Kind = RecordingSurface::Shape::Kind;

struct TestPolygon {
    std::int32_t level;
    std::vector<ShorelinePoint> points;  // longitude, latitude in degrees
};

ShorelineImage MakeImage(const std::vector<TestPolygon>& polygons)
{
    ShorelineImage image;
    std::int32_t next = 0;
    for (std::size_t i = 0; i < polygons.size(); ++i) {
        for (const ShorelinePoint point : polygons[i].points) {
            image.SetPoint(next++, point);
        }
        image.SetPolygon(static_cast<std::int32_t>(i), static_cast<std::int32_t>(polygons[i].points.size()), polygons[i].level);
    }
    image.SetCounts(static_cast<std::int32_t>(polygons.size()), next);
    return image;
}

// The whole globe in 800 x 600, centred on longitude 0, latitude 0.
struct GlobalView {
    CViewport viewport;
    CGeoPosition centre{0.0, 0.0};
    GlobalView() { SetGlobalViewport(viewport, 800, 600); }
};

double DistanceFromCentre(DevicePoint point)
{
    return std::hypot(point.x - 400.0, point.y - 300.0);
}

} // namespace

TEST(ShorelineLayerTest, VisiblePolygonIsFilledWithItsPointsLessDuplicatesAndClosingPoint)
{
    // A ring whose second point repeats the first: listed once; its closing point is dropped.
    const ShorelineImage image = MakeImage({{1, {{0, 0}, {0.01f, 0}, {10, 0}, {10, 10}, {0, 0}}}});
    GlobalView view;
    RecordingSurface surface(800, 600);
    DrawShorelines(surface, image, view.viewport, view.centre);
    ASSERT_EQ(surface.shapes.size(), 1u);
    EXPECT_EQ(surface.shapes[0].kind, Kind::Polygon);
    EXPECT_EQ(surface.shapes[0].colour, kLandColour);
    EXPECT_EQ(surface.shapes[0].points, (std::vector<DevicePoint>{{400, 300}, {444, 300}, {443, 255}}));
}

TEST(ShorelineLayerTest, LakesAreSeaAndIslandsInLakesAreLand)
{
    const std::vector<ShorelinePoint> square{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
    const ShorelineImage image = MakeImage({{1, square}, {2, square}, {3, square}, {4, square}});
    GlobalView view;
    RecordingSurface surface(800, 600);
    DrawShorelines(surface, image, view.viewport, view.centre);
    ASSERT_EQ(surface.shapes.size(), 4u);
    EXPECT_EQ(surface.shapes[0].colour, kLandColour);
    EXPECT_EQ(surface.shapes[1].colour, kSeaColour);
    EXPECT_EQ(surface.shapes[2].colour, kLandColour);
    EXPECT_EQ(surface.shapes[3].colour, kSeaColour);
}

TEST(ShorelineLayerTest, PolygonOnTheHiddenHemisphereDrawsNothing)
{
    const ShorelineImage image = MakeImage({{1, {{170, 0}, {175, 0}, {175, 5}, {170, 0}}}});
    GlobalView view;
    RecordingSurface surface(800, 600);
    DrawShorelines(surface, image, view.viewport, view.centre);
    EXPECT_TRUE(surface.shapes.empty());
}

TEST(ShorelineLayerTest, HiddenStretchIsReplacedByTheShorterLimbArc)
{
    // From 80 E over the limb to 100 E and back: exit near (652, y), re-entry near it again.
    const ShorelineImage image = MakeImage({{1, {{80, -20}, {100, -20}, {100, 20}, {80, 20}, {80, 0}, {80, -20}}}});
    GlobalView view;
    RecordingSurface surface(800, 600);
    DrawShorelines(surface, image, view.viewport, view.centre);
    ASSERT_EQ(surface.shapes.size(), 1u);
    const std::vector<DevicePoint>& points = surface.shapes[0].points;
    ASSERT_GT(points.size(), 10u);
    // The first point is the exit point; then the arc runs along the limb, upwards on the screen.
    const auto onLimb = [](DevicePoint point) { return std::abs(DistanceFromCentre(point) - 800.0 / 3.141592653589793) < 1.0; };
    int limbPoints = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (onLimb(points[i]) && onLimb(points[i - 1])) {
            ++limbPoints;
            EXPECT_LE(points[i].y, points[i - 1].y);
        }
    }
    EXPECT_GT(limbPoints, 5);
    for (const DevicePoint point : points) {
        EXPECT_LE(DistanceFromCentre(point), 800.0 / 3.141592653589793 + 1.0);
    }
}

TEST(ShorelineLayerTest, PolygonThatBeginsBehindTheGlobeIsClosedAlongTheLimb)
{
    const ShorelineImage image = MakeImage({{1, {{100, -20}, {100, 20}, {80, 20}, {80, -20}, {100, -20}}}});
    GlobalView view;
    RecordingSurface surface(800, 600);
    DrawShorelines(surface, image, view.viewport, view.centre);
    ASSERT_EQ(surface.shapes.size(), 1u);
    const std::vector<DevicePoint>& points = surface.shapes[0].points;
    // The last points handed over run along the limb back towards the first visible point.
    EXPECT_NEAR(DistanceFromCentre(points.back()), 800.0 / 3.141592653589793, 1.0);
    EXPECT_GT(points.size(), 10u);
}

TEST(ClipAndFillPolygonTest, PolygonCrossingTheWindowEdgeIsCutAlongIt)
{
    RecordingSurface surface(800, 600);
    const std::vector<DevicePoint> triangle{{700, 100}, {900, 300}, {700, 500}};
    ClipAndFillPolygon(surface, triangle, 1);
    ASSERT_EQ(surface.shapes.size(), 1u);
    EXPECT_EQ(surface.shapes[0].points,
              (std::vector<DevicePoint>{{700, 100}, {800, 200}, {800, 400}, {700, 500}}));
}

TEST(ClipAndFillPolygonTest, IntersectionsTruncateTowardZeroWithoutOverflow)
{
    RecordingSurface surface(800, 600);
    // A huge triangle whose sides cross the left edge far from its corners.
    const std::vector<DevicePoint> triangle{{-2000000000, 301}, {400, -2000000000}, {400, 2000000000}};
    ClipAndFillPolygon(surface, triangle, 1);
    ASSERT_EQ(surface.shapes.size(), 1u);
    for (const DevicePoint point : surface.shapes[0].points) {
        EXPECT_GE(point.x, 0);
        EXPECT_LE(point.x, 800);
        EXPECT_GE(point.y, 0);
        EXPECT_LE(point.y, 600);
    }
}

TEST(ClipAndFillPolygonTest, PolygonOutsideTheWindowDrawsNothing)
{
    RecordingSurface surface(800, 600);
    const std::vector<DevicePoint> triangle{{900, 100}, {1000, 300}, {900, 500}};
    ClipAndFillPolygon(surface, triangle, 2);
    EXPECT_TRUE(surface.shapes.empty());
}

TEST(ShorelineLayerTest, CountsBeyondTheCapacitiesAreBounded)
{
    ShorelineImage image = MakeImage({{1, {{0, 0}, {10, 0}, {10, 10}, {0, 0}}}});
    image.SetCounts(2000000000, -1);
    image.SetPolygon(1, 2000000000, 1);
    image.SetPolygon(2, -5, 1);
    GlobalView view;
    RecordingSurface surface(800, 600);
    DrawShorelines(surface, image, view.viewport, view.centre);  // must neither crash nor read past the image
    EXPECT_GE(surface.shapes.size(), 1u);
}

namespace {

DataImage AsDataImage(const ShorelineImage& image)
{
    auto bytes = std::make_shared<ImageBytes>(ShorelineLayout::kImageSize);
    std::copy(image.Bytes().begin(), image.Bytes().end(), bytes->data());
    return bytes;
}

// Rectangles of width x 4 degrees every step degrees over the whole globe,
// one in lakeEvery a lake: many polygons in front of the globe, behind it and
// across the limb.
std::vector<TestPolygon> RectanglesAllOver(float step, float width, std::size_t lakeEvery)
{
    std::vector<TestPolygon> rectangles;
    for (float latitude = -85.0f; latitude <= 80.0f; latitude += step) {
        for (float longitude = -180.0f; longitude < 180.0f; longitude += step) {
            rectangles.push_back({rectangles.size() % lakeEvery == 0 ? 2 : 1,
                                  {{longitude, latitude},
                                   {longitude + width, latitude},
                                   {longitude + width, latitude + 4.0f},
                                   {longitude, latitude + 4.0f},
                                   {longitude, latitude}}});
        }
    }
    return rectangles;
}

std::vector<std::pair<std::vector<DevicePoint>, RgbColour>> Drawn(const RecordingSurface& surface)
{
    std::vector<std::pair<std::vector<DevicePoint>, RgbColour>> shapes;
    for (const RecordingSurface::Shape& shape : surface.shapes) {
        shapes.emplace_back(shape.points, shape.colour);
    }
    return shapes;
}

} // namespace

TEST(ShorelineLayerTest, IndexBuiltAheadOnAThreadDrawsAsTheOneBuiltWhileDrawing)
{
    const ShorelineImage image = MakeImage(RectanglesAllOver(15.0f, 4.0f, 2));
    GlobalView view;
    view.centre = {35.0, 50.0};
    RecordingSurface direct(800, 600);
    DrawShorelines(direct, image, view.viewport, view.centre);
    RecordingSurface whileDrawing(800, 600);
    DrawShorelines(whileDrawing, AsDataImage(image), view.viewport, view.centre);
    const DataImage ahead = AsDataImage(image);
    PrepareShorelines(ahead);
    RecordingSurface prepared(800, 600);
    DrawShorelines(prepared, ahead, view.viewport, view.centre);

    ASSERT_GT(direct.shapes.size(), 100u);
    EXPECT_EQ(Drawn(whileDrawing), Drawn(direct));
    EXPECT_EQ(Drawn(prepared), Drawn(direct));
}

namespace {

// Every thread of the program's pool taken by work that waits until the
// end of the scope.
class BusyPool {
public:
    BusyPool() : m_started(static_cast<std::ptrdiff_t>(WorkerPool::Shared().ThreadCount()))
    {
        for (std::size_t t = 0; t < WorkerPool::Shared().ThreadCount(); ++t) {
            m_tasks.push_back(WorkerPool::Shared().Submit(TaskUrgency::Now, [this] {
                m_started.count_down();
                m_release.wait();
            }));
        }
        m_started.wait();
    }
    ~BusyPool()
    {
        m_release.count_down();
        for (const PoolTask<void>& task : m_tasks) {
            task.Get();
        }
    }
    BusyPool(const BusyPool&) = delete;
    BusyPool& operator=(const BusyPool&) = delete;

private:
    std::latch m_started;
    std::latch m_release{1};
    std::vector<PoolTask<void>> m_tasks;
};

} // namespace

// Over six hundred rectangles, more in view than one run of outlines holds:
// the outlines are filled in the image's order, each exactly as it is alone,
// whether a pool thread projects them or, with none free, the drawing
// thread itself.
TEST(ShorelineLayerTest, ManyPolygonsAreFilledInTheImagesOrderEachAsAlone)
{
    const std::vector<TestPolygon> rectangles = RectanglesAllOver(10.0f, 6.0f, 3);
    GlobalView view;
    view.centre = {-20.0, 30.0};
    RecordingSurface oneByOne(800, 600);
    for (const TestPolygon& rectangle : rectangles) {
        DrawShorelines(oneByOne, MakeImage({rectangle}), view.viewport, view.centre);
    }
    const ShorelineImage image = MakeImage(rectangles);
    RecordingSurface together(800, 600);
    DrawShorelines(together, image, view.viewport, view.centre);
    RecordingSurface poolBusy(800, 600);
    RecordingSurface poolBusyCached(800, 600);
    {
        const BusyPool busy;
        DrawShorelines(poolBusy, image, view.viewport, view.centre);
        DrawShorelines(poolBusyCached, AsDataImage(image), view.viewport, view.centre);
    }

    ASSERT_GT(together.shapes.size(), 256u);
    EXPECT_EQ(Drawn(together), Drawn(oneByOne));
    EXPECT_EQ(Drawn(poolBusy), Drawn(oneByOne));
    EXPECT_EQ(Drawn(poolBusyCached), Drawn(oneByOne));
}
