// The observer and the Earth on the fundamental plane, checked against a
// second route: Earth-fixed rectangular coordinates on the ellipsoid turned
// into the frame of the shadow axis (IndependentGeometry.h).
#include "core/Units.h"
#include "eclipse/plane/EarthOnPlane.h"
#include "eclipse/plane/ObserverOnPlane.h"
#include "tests/eclipse/IndependentGeometry.h"
#include "tests/eclipse/PublishedElements.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

// Places with the Sun above their horizon at the given hour of the
// published elements (hours from T0).
struct PlaceAtInstant {
    std::string name;
    std::function<FittedElements()> elements;
    GeographicPlace place;
    double hours = 0.0;
};

const std::vector<PlaceAtInstant> kPlaces = {
    {"Dallas 2024, at greatest eclipse", published::Eclipse2024, {-96.797, 32.777, 0.0}, 0.3},
    {"Dallas 2024, 1500 m up, an hour earlier", published::Eclipse2024, {-96.797, 32.777, 1500.0}, -0.7},
    {"Mazatlan 2024", published::Eclipse2024, {-106.41, 23.25, 0.0}, 0.0},
    {"Nashville 2017", published::Eclipse2017, {-86.78, 36.16, 0.0}, 0.5},
    {"Reykjavik 2017, low Sun", published::Eclipse2017, {-21.94, 64.15, 0.0}, -1.0},
    {"Paris 2006", published::Eclipse2006, {2.35, 48.85, 0.0}, 0.5},
    {"Side 2006", published::Eclipse2006, {31.43, 36.78, 0.0}, 0.9},
    {"Longyearbyen 2006, near the pole", published::Eclipse2006, {15.63, 78.22, 0.0}, -1.0},
};

constexpr double kSameLength = 1e-12;       // Earth radii
constexpr double kSameAngle = 1e-11;        // radians
constexpr double kSameRate = 1e-8;          // Earth radii per hour, against differences over 0.36 s
constexpr double kDifferenceHours = 1e-4;
// Heights enter with the document's factor for metres, kEarthRadiiPerMetre,
// which is 1 / 6378136.3 m: 9.1e-14 Earth radii a metre more than
// 1 / kEarthEquatorialRadiusMetres, which the second route takes.
constexpr double kHeightFactorDifference = 1e-13;  // Earth radii per metre

independent::Vector InAxisFrame(const PlaceAtInstant& at, double hours)
{
    const independent::Vector earthFixed =
        independent::EarthFixed(at.place.latitude, at.place.longitude, at.place.height);
    return independent::InAxisFrame(at.elements(), earthFixed, hours);
}

TEST(FundamentalPlane, PlacesTheObserverAsTheEarthFixedFrameTurnedOntoTheAxis)
{
    for (const PlaceAtInstant& at : kPlaces) {
        SCOPED_TRACE(at.name);
        const PlanePoint point = PlaceOnPlane(GeocentricOf(at.place), PlaneAt(at.elements(), at.hours));
        const independent::Vector expected = InAxisFrame(at, at.hours);
        const double tolerance = kSameLength + at.place.height * kHeightFactorDifference;
        EXPECT_NEAR(point.xi, expected.x, tolerance);
        EXPECT_NEAR(point.eta, expected.y, tolerance);
        EXPECT_NEAR(point.zeta, expected.z, tolerance);
    }
}

TEST(FundamentalPlane, MovesTheObserverAsTheEarthFixedFrameTurns)
{
    for (const PlaceAtInstant& at : kPlaces) {
        SCOPED_TRACE(at.name);
        const PlaneInstant plane = PlaneAt(at.elements(), at.hours);
        const PlaneVelocity velocity = SurfaceVelocity(PlaceOnPlane(GeocentricOf(at.place), plane), plane);
        const independent::Vector after = InAxisFrame(at, at.hours + kDifferenceHours);
        const independent::Vector before = InAxisFrame(at, at.hours - kDifferenceHours);
        EXPECT_NEAR(velocity.xi, (after.x - before.x) / (2.0 * kDifferenceHours), kSameRate);
        EXPECT_NEAR(velocity.eta, (after.y - before.y) / (2.0 * kDifferenceHours), kSameRate);
    }
}

TEST(FundamentalPlane, FindsTheSunlitPlaceAboveItsPointAndTheSunsAltitudeThere)
{
    for (const PlaceAtInstant& at : kPlaces) {
        if (at.place.height != 0.0) {
            continue;  // the surface is the ellipsoid's
        }
        SCOPED_TRACE(at.name);
        const EarthOnPlane earth(PlaneAt(at.elements(), at.hours));
        const independent::Vector expected = InAxisFrame(at, at.hours);
        const std::optional<PlanePoint> surface = earth.SurfaceAbove(expected.x, expected.y);
        ASSERT_TRUE(surface);
        EXPECT_NEAR(surface->zeta, expected.z, kSameLength);
        const EarthOnPlane::Geographic place = earth.GeographicOf(*surface);
        EXPECT_NEAR(place.latitude, at.place.latitude * kDegreesToRadians, kSameAngle);
        EXPECT_NEAR(std::remainder(place.longitude - at.place.longitude * kDegreesToRadians, kTwoPi), 0.0, kSameAngle);
        const double altitude =
            independent::SunAltitude(at.elements(), at.place.latitude, at.place.longitude, at.hours) * kDegreesToRadians;
        EXPECT_NEAR(earth.SunAltitudeAt(*surface), altitude, kSameAngle);
        const HorizontalDirection sun = SunSeenFrom(GeocentricOf(at.place), earth.Plane());
        EXPECT_NEAR(sun.altitude, altitude, kSameAngle);
    }
}

TEST(FundamentalPlane, PutsTheLimbWhereTheSunIsOnTheHorizon)
{
    for (const PlaceAtInstant& at : kPlaces) {
        SCOPED_TRACE(at.name);
        const EarthOnPlane earth(PlaneAt(at.elements(), at.hours));
        for (int step = 0; step < 12; ++step) {
            const PlanePoint limb = earth.LimbPoint(step * 30.0 * kDegreesToRadians);
            const EarthOnPlane::Geographic place = earth.GeographicOf(limb);
            const double latitude = place.latitude * kRadiansToDegrees;
            const double longitude = place.longitude * kRadiansToDegrees;
            EXPECT_NEAR(independent::SunAltitude(at.elements(), latitude, longitude, at.hours), 0.0, 1e-9);
            const independent::Vector back = independent::InAxisFrame(
                at.elements(), independent::EarthFixed(latitude, longitude, 0.0), at.hours);
            EXPECT_NEAR(back.x, limb.xi, kSameLength);
            EXPECT_NEAR(back.y, limb.eta, kSameLength);
            EXPECT_NEAR(back.z, limb.zeta, kSameLength);
        }
    }
}

} // namespace
