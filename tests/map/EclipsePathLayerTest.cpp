// The umbral band of the map is shaded to its limits, also at its ends,
// where the shadow meets the Earth at sunrise or sunset: every place that
// sees the central eclipse (by the local circumstances, an independent
// computation) lies inside the shading.

#include "RecordingSurface.h"

#include "core/Units.h"
#include "eclipse/ElementFitting.h"
#include "eclipse/local/LocalCircumstances.h"
#include "eclipse/path/EclipsePath.h"
#include "eclipse/search/EclipseSearch.h"
#include "map/EclipseOverlay.h"
#include "map/GeoProjection.h"
#include "map/layers/EclipsePathLayer.h"
#include "tests/eclipse/EclipseTestData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr RgbColour kBandColour{96, 0, 128};
constexpr int kWidth = 1000;
constexpr int kHeight = 800;

struct Place {
    const char* name;
    double latitude;
    double longitude;
};

class EclipseBandTest : public EclipseDataTest {
protected:
    void ComputePath(int year, int month, int day)
    {
        const Ephemeris ephemeris = EclipseEphemeris(std::nullopt);
        const std::optional<EclipseSummary> eclipse = FindEclipseOnUniversalDate(ephemeris, year, month, day);
        ASSERT_TRUE(eclipse.has_value());
        m_elements = FitElements(ephemeris, eclipse->greatest).elements;
        m_overlay.path = ComputeEclipsePath(m_elements);
        ASSERT_EQ(m_overlay.path.centralLine.size(), 1u);
    }

    // The map about a place, zoomed so that a pixel is about 2 km.
    void DrawAbout(double latitude, double longitude)
    {
        m_frame.viewport.m_scale = 3000.0f;
        m_frame.viewport.m_originX = kWidth / 2.0f;
        m_frame.viewport.m_originY = kHeight / 2.0f;
        m_frame.centre = CGeoPosition(longitude, latitude);
        m_frame.width = kWidth;
        m_frame.height = kHeight;
        m_frame.eclipse = &m_overlay;
        RecordingSurface surface(kWidth, kHeight);
        CEclipsePathLayer().Draw(surface, m_frame);
        for (const RecordingSurface::Shape& shape : surface.Of(RecordingSurface::Shape::Kind::Polygon)) {
            if (shape.colour == kBandColour) {
                m_band.push_back(shape.points);
            }
        }
        ASSERT_FALSE(m_band.empty());
    }

    // Inside the shading by the even-odd rule the surface fills with.
    bool Shaded(double latitude, double longitude) const
    {
        const std::optional<MapPoint> at = GeoProjector(m_frame).Project(latitude, longitude);
        if (!at) {
            return false;
        }
        bool inside = false;
        for (const std::vector<DevicePoint>& polygon : m_band) {
            for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
                const DevicePoint& a = polygon[i];
                const DevicePoint& b = polygon[j];
                if ((a.y > at->y) != (b.y > at->y) &&
                    at->x < (b.x - a.x) * (at->y - a.y) / static_cast<double>(b.y - a.y) + a.x) {
                    inside = !inside;
                }
            }
        }
        return inside;
    }

    LocalEclipseType TypeAt(double latitude, double longitude) const
    {
        return LocalCircumstancesAt(m_elements, GeographicPlace{longitude, latitude, 0.0}).type;
    }

    // Places between the central line and each limit, about the central
    // vertices of the given stretch: the fractions 0.3, 0.6 and 0.85 of the
    // way to the nearest vertex of each limit.
    std::vector<Place> PlacesBetweenTheLimits(std::size_t from, std::size_t to) const
    {
        std::vector<Place> places;
        const std::vector<CentralVertex>& central = m_overlay.path.centralLine.front();
        for (std::size_t i = from; i < to && i < central.size(); ++i) {
            const PathVertex& centre = central[i].place;
            for (const std::vector<PathLine>* limit : {&m_overlay.path.umbraNorth, &m_overlay.path.umbraSouth}) {
                const PathVertex& edge = Nearest(limit->front(), centre);
                for (const double fraction : {0.3, 0.6, 0.85}) {
                    places.push_back({"", centre.latitude + fraction * (edge.latitude - centre.latitude),
                                      centre.longitude + fraction * (edge.longitude - centre.longitude)});
                }
            }
        }
        return places;
    }

    static const PathVertex& Nearest(const PathLine& line, const PathVertex& to)
    {
        const PathVertex* nearest = &line.front();
        double least = 1e300;
        for (const PathVertex& vertex : line) {
            const double dLatitude = vertex.latitude - to.latitude;
            const double dLongitude = (vertex.longitude - to.longitude) * std::cos(to.latitude * kDegreesToRadians);
            const double distance = dLatitude * dLatitude + dLongitude * dLongitude;
            if (distance < least) {
                least = distance;
                nearest = &vertex;
            }
        }
        return *nearest;
    }

    FittedElements m_elements;
    EclipseOverlay m_overlay;
    MapFrame m_frame;
    std::vector<std::vector<DevicePoint>> m_band;
};

} // namespace

// 2026 August 12: the total phase ends at sunset over Spain and the
// Balearic Islands. The towns are those the published maps put in the path
// (Espenak, eclipsewise.com); Barcelona and Madrid lie just outside it.
TEST_F(EclipseBandTest, TheBandOverSpainIsShadedToItsSunsetEnd)
{
    ComputePath(2026, 8, 12);
    DrawAbout(40.5, -1.0);
    const Place towns[] = {
        {"Oviedo", 43.36, -5.85}, {"Zaragoza", 41.65, -0.88}, {"Valencia", 39.47, -0.38}, {"Palma", 39.57, 2.65},
    };
    for (const Place& town : towns) {
        EXPECT_EQ(TypeAt(town.latitude, town.longitude), LocalEclipseType::Total) << town.name;
        EXPECT_TRUE(Shaded(town.latitude, town.longitude)) << town.name;
    }
    for (const Place& town : {Place{"Barcelona", 41.39, 2.17}, Place{"Madrid", 40.42, -3.70}}) {
        EXPECT_NE(TypeAt(town.latitude, town.longitude), LocalEclipseType::Total) << town.name;
        EXPECT_FALSE(Shaded(town.latitude, town.longitude)) << town.name;
    }
    const std::size_t count = m_overlay.path.centralLine.front().size();
    int total = 0;
    for (const Place& place : PlacesBetweenTheLimits(count - 16, count - 1)) {
        if (TypeAt(place.latitude, place.longitude) == LocalEclipseType::Total) {
            ++total;
            EXPECT_TRUE(Shaded(place.latitude, place.longitude)) << place.latitude << ", " << place.longitude;
        }
    }
    EXPECT_GE(total, 60);
}

// 2021 June 10: the annular phase begins at sunrise over Ontario.
TEST_F(EclipseBandTest, TheBandOverOntarioIsShadedFromItsSunriseEnd)
{
    ComputePath(2021, 6, 10);
    DrawAbout(50.0, -88.0);
    int annular = 0;
    for (const Place& place : PlacesBetweenTheLimits(1, 16)) {
        if (TypeAt(place.latitude, place.longitude) == LocalEclipseType::Annular) {
            ++annular;
            EXPECT_TRUE(Shaded(place.latitude, place.longitude)) << place.latitude << ", " << place.longitude;
        }
    }
    EXPECT_GE(annular, 60);
}

// The times along the central line are those of the tables: in local time
// when the document's offset is two hours, each label reads two hours later
// than in UT, at the same places.
TEST_F(EclipseBandTest, TheCentralLineIsLabelledInTheTimeOfTheTables)
{
    ComputePath(2026, 8, 12);
    const auto labels = [this](double offsetHours) {
        MapFrame frame;
        frame.viewport.m_scale = 500.0f;
        frame.viewport.m_originX = 500.0f;
        frame.viewport.m_originY = 400.0f;
        frame.centre = CGeoPosition(-20.0, 55.0);
        frame.width = kWidth;
        frame.height = kHeight;
        frame.eclipse = &m_overlay;
        frame.timeOffsetHours = offsetHours;
        RecordingSurface surface(kWidth, kHeight);
        CEclipsePathLayer().Draw(surface, frame);
        std::vector<std::pair<std::string, DevicePoint>> texts;
        for (const RecordingSurface::Shape& shape : surface.Of(RecordingSurface::Shape::Kind::Text)) {
            if (shape.colour == RgbColour{150, 0, 24}) {
                texts.emplace_back(shape.text, shape.points.front());
            }
        }
        return texts;
    };
    const auto universal = labels(0.0);
    const auto local = labels(2.0);
    ASSERT_GE(universal.size(), 3u);
    ASSERT_EQ(local.size(), universal.size());
    for (std::size_t i = 0; i < universal.size(); ++i) {
        const int hours = std::stoi(universal[i].first.substr(0, 2));
        char expected[8];
        std::snprintf(expected, sizeof expected, "%02d%s", (hours + 2) % 24, universal[i].first.substr(2).c_str());
        EXPECT_EQ(local[i].first, expected);
        EXPECT_EQ(local[i].second, universal[i].second);
    }
    EXPECT_EQ(universal.back().first, "18:30");
}
