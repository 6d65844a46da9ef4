// The eclipse seen from one place: published circumstances, a second route
// (Earth-fixed coordinates turned into the axis' frame, time scanned second
// by second) and the order of the contacts everywhere on the Earth.
#include "core/DeltaT.h"
#include "core/Units.h"
#include "eclipse/ElementFitting.h"
#include "eclipse/local/LocalCircumstances.h"
#include "eclipse/local/Obscuration.h"
#include "eclipse/search/EclipseSearch.h"
#include "ephemeris/Ephemeris.h"
#include "ephemeris/PositionOptions.h"
#include "tests/eclipse/EclipseTestData.h"
#include "tests/eclipse/IndependentGeometry.h"
#include "tests/eclipse/PublishedElements.h"

#include "UtClock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

struct PublishedLocal {
    std::string name;
    std::function<FittedElements()> elements;
    GeographicPlace place;
    LocalEclipseType type;
    std::optional<double> maximumUt;         // seconds of the day
    double maximumTolerance = 0.0;
    std::optional<double> secondContactUt;
    std::optional<double> durationSeconds;
    std::optional<double> magnitude;
    std::optional<double> sunAltitudeAtMaximum;
};

// Espenak, NASA GSFC, local circumstances tables of the 2006 and 2024
// eclipses, and the figures quoted for each city.
const std::vector<PublishedLocal> kPublished = {
    {"Accra 2006", published::Eclipse2006, {-0.187, 5.556, 0.0}, LocalEclipseType::Total, Hms(9, 11, 0), 60.0,
     std::nullopt, 178.0, std::nullopt, std::nullopt},
    {"Dallas 2024", published::Eclipse2024, {-96.797, 32.777, 0.0}, LocalEclipseType::Total, std::nullopt, 0.0,
     Hms(18, 40, 43), 231.0, std::nullopt, 64.6},
    {"Paris 2006", published::Eclipse2006, {2.35, 48.85, 0.0}, LocalEclipseType::Partial, Hms(10, 32, 27), 10.0,
     std::nullopt, std::nullopt, 0.339, std::nullopt},
};

TEST(LocalCircumstances, AgreeWithThePublishedCircumstancesOfCities)
{
    for (const PublishedLocal& city : kPublished) {
        SCOPED_TRACE(city.name);
        const FittedElements elements = city.elements();
        const LocalCircumstances seen = LocalCircumstancesAt(elements, city.place);
        EXPECT_EQ(seen.type, city.type);
        ASSERT_TRUE(seen.c1 && seen.maximum && seen.c4);
        EXPECT_TRUE(seen.maximum->sunAboveHorizon);
        if (city.maximumUt) {
            EXPECT_NEAR(UtSecondsOfDay(seen.maximum->time, elements.deltaT), *city.maximumUt, city.maximumTolerance);
        }
        if (city.secondContactUt) {
            ASSERT_TRUE(seen.c2);
            EXPECT_NEAR(UtSecondsOfDay(seen.c2->time, elements.deltaT), *city.secondContactUt, 5.0);
        }
        if (city.durationSeconds) {
            EXPECT_NEAR(seen.durationSeconds, *city.durationSeconds, 3.0);
        }
        if (city.magnitude) {
            EXPECT_NEAR(seen.magnitude, *city.magnitude, 0.005);
        }
        if (city.sunAltitudeAtMaximum) {
            EXPECT_NEAR(seen.maximum->sunAltitude, *city.sunAltitudeAtMaximum, 0.2);
        }
        if (city.type == LocalEclipseType::Partial) {
            EXPECT_FALSE(seen.c2.has_value());
            EXPECT_FALSE(seen.c3.has_value());
            EXPECT_EQ(seen.durationSeconds, 0.0);
        }
    }
}

struct CheckedPlace {
    std::function<FittedElements()> elements;
    GeographicPlace place;
};

const std::vector<CheckedPlace> kCheckedPlaces = {
    {published::Eclipse2006, {-0.187, 5.556, 0.0}},     // Accra, total
    {published::Eclipse2006, {2.35, 48.85, 0.0}},       // Paris, partial
    {published::Eclipse2006, {31.24, 30.04, 2000.0}},   // above Cairo, 2 km up
    {published::Eclipse2006, {80.0, 70.0, 0.0}},        // Siberian Arctic, low Sun
    {published::Eclipse2017, {-87.7, 37.0, 0.0}},       // near greatest eclipse
    {published::Eclipse2017, {-122.68, 45.52, 0.0}},    // Portland
    {published::Eclipse2024, {-96.797, 32.777, 0.0}},   // Dallas
    {published::Eclipse2024, {-73.57, 45.50, 0.0}},     // Montreal, partial
};

TEST(LocalCircumstances, AgreeWithTheAxisDistanceScannedSecondBySecond)
{
    for (const CheckedPlace& checked : kCheckedPlaces) {
        const FittedElements elements = checked.elements();
        const GeographicPlace& place = checked.place;
        SCOPED_TRACE(std::to_string(place.latitude) + " " + std::to_string(place.longitude));
        const LocalCircumstances seen = LocalCircumstancesAt(elements, place);
        const independent::Scan scan = independent::ScanEclipse(elements, place.latitude, place.longitude, place.height);
        const auto hours = [&elements](const std::optional<LocalContact>& contact) {
            return elements.HoursOf(contact->time);
        };
        ASSERT_TRUE(seen.maximum && seen.c1 && seen.c4);
        EXPECT_NEAR(hours(seen.maximum), scan.maximumHours, 1.0 / 3600.0);
        EXPECT_NEAR(seen.magnitude, scan.magnitude, 2e-5);
        EXPECT_NEAR(hours(seen.c1), scan.firstContact, 0.1 / 3600.0);
        EXPECT_NEAR(hours(seen.c4), scan.lastContact, 0.1 / 3600.0);
        EXPECT_EQ(seen.c2.has_value(), !std::isnan(scan.secondContact));
        if (seen.c2 && seen.c3) {
            EXPECT_NEAR(hours(seen.c2), scan.secondContact, 0.1 / 3600.0);
            EXPECT_NEAR(hours(seen.c3), scan.thirdContact, 0.1 / 3600.0);
        }
    }
}

bool InOrder(const LocalCircumstances& seen, const FittedElements& elements)
{
    std::vector<double> times;
    for (const auto* contact : {&seen.c1, &seen.c2, &seen.maximum, &seen.c3, &seen.c4}) {
        if (contact->has_value()) {
            times.push_back(elements.HoursOf((*contact)->time));
        }
    }
    return std::is_sorted(times.begin(), times.end());
}

// Every place of a 3-degree grid over the Earth, for three eclipses.
TEST(LocalCircumstances, ContactsComeInOrderAndFiguresStayInRangeEverywhere)
{
    for (const auto& make : {published::Eclipse2006, published::Eclipse2017, published::Eclipse2024}) {
        const FittedElements elements = make();
        int eclipsed = 0;
        int central = 0;
        for (double latitude = -89.0; latitude <= 89.0; latitude += 3.0) {
            for (double longitude = -180.0; longitude < 180.0; longitude += 3.0) {
                const LocalCircumstances seen = LocalCircumstancesAt(elements, {longitude, latitude, 0.0});
                if (seen.type == LocalEclipseType::None) {
                    EXPECT_FALSE(seen.c1 || seen.c2 || seen.maximum || seen.c3 || seen.c4);
                    EXPECT_EQ(seen.magnitude, 0.0);
                    continue;
                }
                SCOPED_TRACE(std::to_string(latitude) + " " + std::to_string(longitude));
                ++eclipsed;
                EXPECT_TRUE(InOrder(seen, elements));
                EXPECT_GT(seen.magnitude, 0.0);
                EXPECT_GE(seen.obscuration, 0.0);
                EXPECT_LE(seen.obscuration, 1.0);
                const bool isCentral = seen.type == LocalEclipseType::Total || seen.type == LocalEclipseType::Annular;
                EXPECT_EQ(seen.c2.has_value(), isCentral);
                EXPECT_EQ(seen.c3.has_value(), isCentral);
                EXPECT_EQ(seen.durationSeconds > 0.0, isCentral);
                if (seen.type == LocalEclipseType::Total) {
                    ++central;
                    EXPECT_GT(seen.magnitude, 1.0);
                    EXPECT_EQ(seen.obscuration, 1.0);
                }
                for (const auto* contact : {&seen.c1, &seen.c2, &seen.maximum, &seen.c3, &seen.c4}) {
                    if (contact->has_value()) {
                        EXPECT_EQ((*contact)->sunAboveHorizon, (*contact)->sunAltitude > 0.0);
                        EXPECT_GE((*contact)->positionAngle, 0.0);
                        EXPECT_LT((*contact)->positionAngle, 360.0);
                        EXPECT_GE((*contact)->sunAzimuth, 0.0);
                        EXPECT_LT((*contact)->sunAzimuth, 360.0);
                    }
                }
            }
        }
        EXPECT_GT(eclipsed, 500);
        EXPECT_GT(central, 0);
    }
}

// Near where totality first touches down in Brazil in 2006 the Sun rises
// eclipsed: the first contact happens below the horizon.
TEST(LocalCircumstances, ReportAnEclipseInProgressAtSunrise)
{
    const FittedElements elements = published::Eclipse2006();
    const LocalCircumstances seen = LocalCircumstancesAt(elements, {-37.0, -6.3, 0.0});
    ASSERT_TRUE(seen.c1 && seen.maximum && seen.c4);
    EXPECT_FALSE(seen.c1->sunAboveHorizon);
    EXPECT_TRUE(seen.c4->sunAboveHorizon);
    ASSERT_TRUE(seen.sunrise.has_value());
    EXPECT_FALSE(seen.sunset.has_value());
    EXPECT_GT(seen.sunrise->time, seen.c1->time);
    EXPECT_LT(seen.sunrise->time, seen.c4->time);
    EXPECT_GT(seen.sunrise->magnitude, 0.0);
    EXPECT_TRUE(seen.Visible());
}

TEST(LocalCircumstances, FindNoEclipseWhereThePenumbraNeverPasses)
{
    const LocalCircumstances seen = LocalCircumstancesAt(published::Eclipse2006(), {-150.0, -40.0, 0.0});
    EXPECT_EQ(seen.type, LocalEclipseType::None);
    EXPECT_FALSE(seen.Visible());
}

// A place's position in the frame of the ephemeris (true equator and
// equinox of date), metres, at an instant of Universal Time given by the
// Greenwich sidereal time.
Vector3 ObserverPosition(const GeographicPlace& place, double siderealTime)
{
    const independent::Vector earthFixed = independent::EarthFixed(place.latitude, place.longitude, place.height);
    const double c = std::cos(siderealTime);
    const double s = std::sin(siderealTime);
    return kEarthEquatorialRadiusMetres *
           Vector3{earthFixed.x * c - earthFixed.y * s, earthFixed.x * s + earthFixed.y * c, earthFixed.z};
}

struct RatioPlace {
    std::string name;
    int year, month, day;
    GeographicPlace place;
    LocalEclipseType type;
};

class MoonSunRatio : public EclipseDataTest {};

// The Moon's and the Sun's apparent radii from the place at the instant of
// maximum, from the ephemeris's own positions (topocentric distances, not
// the fundamental plane), with the Moon's radius k2 of the umbra. The cones
// of the elements take k1 for the outer contacts: that, and the place's
// distance from the axis, move the ratio by 3e-5 at most, below the fourth
// decimal that is printed.
TEST_F(MoonSunRatio, IsTheRatioOfTheApparentDiametersSeenFromThePlaceAtMaximum)
{
    const std::vector<RatioPlace> places = {
        {"Dallas 2024", 2024, 4, 8, {-96.80, 32.78, 0.0}, LocalEclipseType::Total},
        {"Exmouth 2023", 2023, 4, 20, {114.13, -21.93, 0.0}, LocalEclipseType::Total},
        {"Albuquerque 2023, 1600 m up", 2023, 10, 14, {-106.65, 35.08, 1600.0}, LocalEclipseType::Annular},
        {"Paris 2006", 2006, 3, 29, {2.35, 48.85, 0.0}, LocalEclipseType::Partial},
    };
    const Ephemeris ephemeris = EclipseEphemeris(std::nullopt);
    for (const RatioPlace& at : places) {
        SCOPED_TRACE(at.name);
        const std::optional<EclipseSummary> eclipse = FindEclipseOnUniversalDate(ephemeris, at.year, at.month, at.day);
        ASSERT_TRUE(eclipse);
        const FittedElements elements = FitElements(ephemeris, eclipse->greatest).elements;
        const LocalCircumstances seen = LocalCircumstancesAt(elements, at.place);
        EXPECT_EQ(seen.type, at.type);
        ASSERT_TRUE(seen.maximum);

        const Instant maximum = seen.maximum->time;
        const Vector3 observer =
            ObserverPosition(at.place, GreenwichSiderealTime(ephemeris, maximum, elements.deltaT));
        const double moonDistance =
            Length(kMetresPerKilometre * MoonAt(ephemeris, maximum, kAllPositionOptions) - observer);
        const double sunDistance =
            Length(kAstronomicalUnitMetres * SunAt(ephemeris, maximum, kAllPositionOptions) - observer);
        const double moon = std::asin(kMoonRadiusUmbral * kEarthEquatorialRadiusMetres / moonDistance);
        const double sun = std::asin(kSunRadiusMetres / sunDistance);
        EXPECT_NEAR(seen.moonSunRatio, moon / sun, 5e-5);
    }
}

// The covered fraction of the Sun's disk, counted on a fine grid of the disk.
double CountedObscuration(double sunRadius, double moonRadius, double separation)
{
    constexpr int kCells = 1200;
    int inside = 0;
    int covered = 0;
    for (int i = 0; i < kCells; ++i) {
        for (int j = 0; j < kCells; ++j) {
            const double x = sunRadius * (2.0 * (i + 0.5) / kCells - 1.0);
            const double y = sunRadius * (2.0 * (j + 0.5) / kCells - 1.0);
            if (x * x + y * y <= sunRadius * sunRadius) {
                ++inside;
                covered += (x - separation) * (x - separation) + y * y <= moonRadius * moonRadius;
            }
        }
    }
    return static_cast<double>(covered) / inside;
}

TEST(Obscuration, MatchesTheCoveredAreaCountedOnAGrid)
{
    const struct {
        double sun, moon, separation;
    } cases[] = {{1.0, 1.0, 0.0}, {1.0, 0.95, 0.02}, {1.0, 1.05, 0.5}, {1.0, 1.02, 1.2}, {1.0, 0.9, 1.85}, {1.0, 1.0, 2.5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.separation);
        EXPECT_NEAR(Obscuration(c.sun, c.moon, c.separation), CountedObscuration(c.sun, c.moon, c.separation), 2e-3);
    }
}

} // namespace
