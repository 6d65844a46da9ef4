#include "places/EclipseTowns.h"

#include "core/Units.h"
#include "eclipse/ElementFitting.h"
#include "eclipse/path/EclipsePath.h"
#include "eclipse/search/EclipseSearch.h"
#include "ephemeris/Ephemeris.h"
#include "places/PlaceImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>

namespace {

std::string DataDirectory()
{
    return std::string(UMBRANT_BINARY_DIR) + "/data/";
}

class EclipseTownsTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"Elp2000.dat", "VSOP87.dat", "Nutation.dat", "places.dat"}) {
            if (!std::filesystem::exists(DataDirectory() + name)) {
                GTEST_SKIP() << "no " << name << " in " << DataDirectory();
            }
        }
    }

    static FittedElements ElementsOf(int year, int month, int day)
    {
        const Ephemeris ephemeris = Ephemeris::Load(DataDirectory(), ModernModel());
        const std::optional<EclipseSummary> eclipse = FindEclipseOnUniversalDate(ephemeris, year, month, day);
        return FitElements(ephemeris, eclipse->greatest).elements;
    }
};

// A point in kilometres on the plane tangent at a town (east, north).
struct Planar {
    double east = 0.0;
    double north = 0.0;
};

Planar Around(const Place& town, double longitude, double latitude)
{
    double east = longitude - town.longitude;
    east -= 360.0 * std::round(east / 360.0);
    const double kilometresPerDegree = kEarthMeanRadiusKilometres * kDegreesToRadians;
    return {east * kilometresPerDegree * std::cos(town.latitude * kDegreesToRadians),
            (latitude - town.latitude) * kilometresPerDegree};
}

// The point of the lines nearest the town, on the plane around it.
Planar NearestOnLines(const Place& town, const std::vector<PathLine>& lines)
{
    Planar nearest;
    double least = std::numeric_limits<double>::infinity();
    for (const PathLine& line : lines) {
        for (std::size_t i = 1; i < line.size(); ++i) {
            const Planar a = Around(town, line[i - 1].longitude, line[i - 1].latitude);
            const Planar b = Around(town, line[i].longitude, line[i].latitude);
            const double dx = b.east - a.east;
            const double dy = b.north - a.north;
            const double length2 = dx * dx + dy * dy;
            const double t = length2 > 0.0 ? std::clamp(-(a.east * dx + a.north * dy) / length2, 0.0, 1.0) : 0.0;
            const Planar p{a.east + t * dx, a.north + t * dy};
            if (const double d = std::hypot(p.east, p.north); d < least) {
                least = d;
                nearest = p;
            }
        }
    }
    return nearest;
}

// How far a town lies outside the path's limits, kilometres (negative:
// inside), from the limit lines the path traces: a town inside has the
// northern limit on one side and the southern on the other.
double KilometresOutside(const Place& town, const EclipsePath& path)
{
    const Planar north = NearestOnLines(town, path.umbraNorth);
    const Planar south = NearestOnLines(town, path.umbraSouth);
    const double toNearer = std::min(std::hypot(north.east, north.north), std::hypot(south.east, south.north));
    const bool between = north.east * south.east + north.north * south.north < 0.0;
    return between ? -toNearer : toNearer;
}

std::vector<std::string> Names(const std::vector<TownCircumstances>& towns)
{
    std::vector<std::string> names;
    for (const TownCircumstances& town : towns) {
        names.push_back(town.place.name + ", " + town.place.state);
    }
    return names;
}

} // namespace

// The towns inside the 2024 path are those the path's own limit lines
// enclose: none listed lies more than 2 km outside them, none left out lies
// more than 2 km inside. The limits are traced by following the grazing
// condition over the Earth, the towns' phases by their own contacts: two
// routes to the same edge.
TEST_F(EclipseTownsTest, CentralTownsOf2024LieWithinThePathLimits)
{
    const FittedElements elements = ElementsOf(2024, 4, 8);
    const std::shared_ptr<const PlaceImage> gazetteer = PlaceImage::Load(DataDirectory() + "places.dat");
    TownFilter central;
    central.centralOnly = true;
    const std::vector<TownCircumstances> towns = TownsSeeingEclipse(*gazetteer, elements, central);
    const std::vector<std::string> names = Names(towns);
    for (const char* expected : {"Dallas, Texas", "Indianapolis, Indiana", "Cleveland, Ohio", "Buffalo, New York",
                                 "Montreal, Quebec"}) {
        EXPECT_NE(std::find(names.begin(), names.end(), expected), names.end()) << expected;
    }
    const EclipsePath path = ComputeEclipsePath(elements);
    double worstOutside = -std::numeric_limits<double>::infinity();
    for (const TownCircumstances& town : towns) {
        if (town.place.longitude < -30.0) {   // the part over North America
            worstOutside = std::max(worstOutside, KilometresOutside(town.place, path));
        }
    }
    EXPECT_LE(worstOutside, 2.0);
    gazetteer->ForEach([&](const Place& place) {
        const bool near = place.longitude > -110.0 && place.longitude < -50.0 && place.latitude > 15.0 &&
                          place.latitude < 55.0;
        if (near && KilometresOutside(place, path) < -2.0) {
            EXPECT_NE(std::find(names.begin(), names.end(), place.name + ", " + place.state), names.end())
                << place.name << " lies inside the path";
        }
    });
    for (std::size_t i = 1; i < towns.size(); ++i) {
        EXPECT_GE(towns[i - 1].seen.durationSeconds, towns[i].seen.durationSeconds);
    }
}

// The filters keep what they say.
TEST_F(EclipseTownsTest, FiltersByMagnitudePopulationAndCountry)
{
    const FittedElements elements = ElementsOf(2026, 8, 12);
    const std::shared_ptr<const PlaceImage> gazetteer = PlaceImage::Load(DataDirectory() + "places.dat");
    TownFilter filter;
    filter.countryCode = "es";
    filter.minimumPopulation = 100000;
    filter.minimumMagnitude = 0.9;
    const std::vector<TownCircumstances> towns = TownsSeeingEclipse(*gazetteer, elements, filter);
    ASSERT_FALSE(towns.empty());
    for (const TownCircumstances& town : towns) {
        EXPECT_EQ(town.place.countryCode, "ES");
        EXPECT_GE(town.place.population, 100000u);
        EXPECT_GE(town.seen.magnitude, 0.9);
        EXPECT_TRUE(town.seen.Visible());
    }
    const std::vector<std::string> names = Names(towns);
    EXPECT_NE(std::find(names.begin(), names.end(), "Burgos, Castille and León"), names.end());
}
