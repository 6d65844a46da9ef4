#include "RecordingSurface.h"

#include "map/EclipseOverlay.h"
#include "map/layers/AnnotationLayers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Kind = RecordingSurface::Shape::Kind;
constexpr double kDegree = 0.017453292519943295;

// The orthographic projection as Snyder gives it (Map Projections, a
// Working Manual, 1987, (20-3) and (20-4)), in the map's pixels.
MapPoint Orthographic(const CViewport& viewport, double centreLongitude, double centreLatitude, double longitude,
                      double latitude)
{
    const double phi = latitude * kDegree;
    const double phi0 = centreLatitude * kDegree;
    const double dLambda = (longitude - centreLongitude) * kDegree;
    const double x = std::cos(phi) * std::sin(dLambda);
    const double y = std::cos(phi0) * std::sin(phi) - std::sin(phi0) * std::cos(phi) * std::cos(dLambda);
    return {viewport.m_originX + viewport.m_scale * x, viewport.m_originY - viewport.m_scale * y};
}

struct TownMap {
    EclipseOverlay overlay;
    MapFrame frame;

    TownMap()
    {
        overlay.towns = {{"Dallas", -96.8067, 32.7831}, {"Montréal", -73.5878, 45.5088}, {"Sydney", 151.2073, -33.8679}};
        frame.viewport.m_scale = 300.0f;
        frame.viewport.m_originX = 400.0f;
        frame.viewport.m_originY = 300.0f;
        frame.centre = CGeoPosition(-85.0, 38.0);
        frame.width = 800;
        frame.height = 600;
        frame.layers.towns = true;
        frame.eclipse = &overlay;
    }
};

} // namespace

// Each town on the visible side gets its name beside its dot, where the
// orthographic projection puts it; a town behind the globe gets nothing.
TEST(TownLabelsLayer, NamesTheVisibleTownsBesideTheirPlaces)
{
    const TownMap map;
    RecordingSurface surface(800, 600);
    CTownLabelsLayer().Draw(surface, map.frame);
    const std::vector<RecordingSurface::Shape> labels = surface.Of(Kind::Text);
    ASSERT_EQ(labels.size(), 2u);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const TownLabel& town = map.overlay.towns[i];
        EXPECT_EQ(labels[i].text, town.name);
        const MapPoint at = Orthographic(map.frame.viewport, -85.0, 38.0, town.longitude, town.latitude);
        EXPECT_NEAR(labels[i].points[0].x, at.x + 4.0, 1.0) << town.name;
        EXPECT_NEAR(labels[i].points[0].y, at.y - 4.0, 1.0) << town.name;
    }
}

TEST(TownLabelsLayer, DrawsNothingUnlessChosen)
{
    TownMap map;
    map.frame.layers.towns = false;
    RecordingSurface surface(800, 600);
    CTownLabelsLayer().Draw(surface, map.frame);
    EXPECT_TRUE(surface.shapes.empty());
    map.frame.layers.towns = true;
    map.frame.eclipse = nullptr;
    CTownLabelsLayer().Draw(surface, map.frame);
    EXPECT_TRUE(surface.shapes.empty());
}
