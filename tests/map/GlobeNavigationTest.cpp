// Moving about the globe: the place under a point of the map (checked by
// projecting it back), turning the globe under a drag, zooming about the
// cursor, and the whole globe in a wide window.

#include "map/GeoProjection.h"
#include "map/GlobeNavigation.h"
#include "map/ViewportOperations.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

MapFrame FrameAbout(const CGeoPosition& centre, int width = 800, int height = 600)
{
    MapFrame frame;
    SetGlobalViewport(frame.viewport, width, height);
    frame.centre = centre;
    frame.width = width;
    frame.height = height;
    return frame;
}

struct Place {
    const char* name;
    double longitude;
    double latitude;
};

const Place kPlaces[] = {
    {"Paris", 2.3522, 48.8566},        {"New York", -74.0060, 40.7128}, {"Dallas", -96.797, 32.777},
    {"Quito", -78.4678, -0.1807},      {"Cape Town", 18.4241, -33.9249}, {"near the pole", 10.0, 89.5},
};

const CGeoPosition kCentres[] = {{-2.2, 49.5}, {-95.0, 32.0}, {0.0, 0.0}, {170.0, -60.0}, {-179.9, 89.0}};

} // namespace

// Every place on the visible hemisphere, projected by the annotation
// layers' projector and turned back into a place.
TEST(PlaceUnderPointTest, IsTheInverseOfTheProjection)
{
    for (const CGeoPosition& centre : kCentres) {
        const MapFrame frame = FrameAbout(centre);
        const GeoProjector projector(frame);
        for (const Place& place : kPlaces) {
            const std::optional<MapPoint> point = projector.Project(place.latitude, place.longitude);
            if (!point) {
                continue;
            }
            const std::optional<CGeoPosition> found = PlaceUnderPoint(point->x, point->y, frame.viewport, centre);
            ASSERT_TRUE(found) << place.name;
            EXPECT_NEAR(found->m_latitude, place.latitude, 1e-9) << place.name;
            EXPECT_NEAR(std::remainder(found->m_longitude - place.longitude, 360.0), 0.0, 1e-7) << place.name;
        }
    }
}

TEST(PlaceUnderPointTest, TheMiddleOfTheGlobeIsTheCentreAndBeyondTheLimbIsNothing)
{
    const MapFrame frame = FrameAbout({-95.0, 32.0});
    const std::optional<CGeoPosition> middle = PlaceUnderPoint(400.0, 300.0, frame.viewport, frame.centre);
    ASSERT_TRUE(middle);
    EXPECT_NEAR(middle->m_longitude, -95.0, 1e-12);
    EXPECT_NEAR(middle->m_latitude, 32.0, 1e-12);
    // The top of the limb is 58 degrees beyond the pole: longitude turned by 180.
    const std::optional<CGeoPosition> top = PlaceUnderPoint(400.0, 300.0 - frame.viewport.m_scale, frame.viewport, frame.centre);
    ASSERT_TRUE(top);
    EXPECT_NEAR(top->m_latitude, 58.0, 1e-4);
    EXPECT_NEAR(top->m_longitude, 85.0, 1e-4);
    EXPECT_FALSE(PlaceUnderPoint(400.0 + frame.viewport.m_scale + 0.5, 300.0, frame.viewport, frame.centre));
    EXPECT_FALSE(PlaceUnderPoint(2.0, 2.0, frame.viewport, frame.centre));
}

// The place that was in the middle of the map is, after the turn, where the
// mouse went: a drag pulls the globe along.
TEST(TurnGlobeTest, ThePlaceInTheMiddleFollowsTheDrag)
{
    struct Drag {
        double dx;
        double dy;
    };
    for (const CGeoPosition& start : {CGeoPosition{-2.2, 49.5}, CGeoPosition{120.0, -20.0}, CGeoPosition{0.0, 0.0}}) {
        for (const Drag drag : {Drag{3.0, 0.0}, Drag{0.0, -2.0}, Drag{-2.0, 1.5}}) {
            MapFrame frame = FrameAbout(start);
            TurnGlobe(frame.centre, drag.dx, drag.dy, frame.viewport.m_scale);
            const std::optional<MapPoint> moved = GeoProjector(frame).Project(start.m_latitude, start.m_longitude);
            ASSERT_TRUE(moved);
            // Exact to first order: the rest, about dx^2 tan(latitude) / 2r, is
            // a few hundredths of a pixel for a drag of a few pixels.
            EXPECT_NEAR(moved->x, 400.0 + drag.dx, 0.05);
            EXPECT_NEAR(moved->y, 300.0 + drag.dy, 0.05);
        }
    }
}

TEST(TurnGlobeTest, StopsAtThePoleAndWrapsTheLongitude)
{
    CGeoPosition centre{179.0, 80.0};
    TurnGlobe(centre, -300.0, 300.0, 254.6479);  // east and north, more than the 10 degrees left
    EXPECT_EQ(centre.m_latitude, 90.0);
    EXPECT_GE(centre.m_longitude, -180.0);
    EXPECT_LT(centre.m_longitude, 180.0);
}

TEST(ZoomAboutTest, ThePlaceUnderTheCursorStaysUnderIt)
{
    const CGeoPosition centre{-95.0, 32.0};
    for (const double factor : {1.25, 0.8, 3.0}) {
        CEclipseMap map;
        SetGlobalViewport(map.m_viewport, 800, 600);
        const MapPoint cursor{520.5, 233.25};
        const std::optional<CGeoPosition> before = PlaceUnderPoint(cursor.x, cursor.y, map.m_viewport, centre);
        ZoomAbout(map, cursor, factor);
        const std::optional<CGeoPosition> after = PlaceUnderPoint(cursor.x, cursor.y, map.m_viewport, centre);
        ASSERT_TRUE(before && after);
        EXPECT_NEAR(after->m_latitude, before->m_latitude, 1e-4) << factor;
        EXPECT_NEAR(after->m_longitude, before->m_longitude, 1e-4) << factor;
        EXPECT_FLOAT_EQ(map.m_viewport.m_scale, static_cast<float>(254.6479034423828 * factor));
        EXPECT_EQ(map.m_previousViewport.m_scale, 254.6479034423828f);
    }
}

// The smallest radius is a quarter of the whole globe's, 800/pi/4 = 63.66.
TEST(ZoomAboutTest, KeepsTheRadiusWithinTheZoomsBounds)
{
    CEclipseMap map;
    SetGlobalViewport(map.m_viewport, 800, 600);
    for (int step = 0; step < 200; ++step) {
        ZoomAbout(map, {400.0, 300.0}, 1.0 / 1.25);
    }
    EXPECT_FLOAT_EQ(map.m_viewport.m_scale, 63.66197723675813f);
    for (int step = 0; step < 400; ++step) {
        ZoomAbout(map, {400.0, 300.0}, 1.25);
    }
    EXPECT_EQ(map.m_viewport.m_scale, 500000000.0f);
}

// The width rule where the width limits; the height where the window is
// wide, so that both poles are in view.
TEST(WholeGlobeViewportTest, FitsTheSmallerOfTheWidthAndTheHeight)
{
    struct Case {
        int width;
        int height;
        float scale;
    };
    for (const Case& c : {Case{800, 600, 254.6479034423828f}, Case{801, 601, 254.96621704101562f},
                          Case{1600, 900, 405.0f}, Case{1920, 1080, 486.0f}, Case{600, 800, 190.98593139648438f}}) {
        CViewport viewport;
        SetWholeGlobeViewport(viewport, c.width, c.height);
        EXPECT_EQ(viewport.m_scale, c.scale) << c.width << "x" << c.height;
        EXPECT_EQ(viewport.m_originX, static_cast<float>(c.width / 2));
        EXPECT_EQ(viewport.m_originY, static_cast<float>(c.height / 2));
        EXPECT_LE(viewport.m_originY + viewport.m_scale, c.height);
        EXPECT_GE(viewport.m_originY - viewport.m_scale, 0.0f);
    }
}
