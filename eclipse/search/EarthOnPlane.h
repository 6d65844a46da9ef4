#pragma once

#include "core/Vector3.h"
#include "eclipse/BesselianElements.h"

#include <optional>

// The Earth (the IAU 1976 ellipsoid, equatorial radius 1) seen in the
// fundamental plane of one instant. Places are geodetic, at sea level:
// latitude north positive, longitude east positive, radians. Plane
// coordinates (xi, eta, zeta) are in equatorial Earth radii: xi east, eta
// north, zeta toward the Sun.
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.33
//            and 8.34; Meeus, Elements of Solar Eclipses 1951-2200 (1989).

struct PlaceOnEarth {
    double latitude = 0.0;   // geodetic, radians
    double longitude = 0.0;  // east positive, radians, (-pi, pi]
    double hourAngle = 0.0;  // of the shadow axis at the place, radians (mu + longitude)
    Vector3 onPlane;         // xi, eta, zeta
};

// The plane coordinates of a place.
Vector3 PlaneCoordinates(double latitude, double longitude, const BesselianElements& elements);

// Their rates per hour as the Earth turns, given the rates per hour of mu and d.
Vector3 PlaneVelocity(const PlaceOnEarth& place, const BesselianElements& elements, double muRate, double dRate);

// Where the shadow axis meets the Earth on the Sun's side; none when it misses.
std::optional<PlaceOnEarth> AxisOnEarth(const BesselianElements& elements);

// The point of the Earth's outline on the plane (the Sun on the horizon)
// nearest the axis, for an axis that misses the Earth.
PlaceOnEarth OutlinePointNearestAxis(const BesselianElements& elements);

// The semi-minor axis of the Earth's outline on the plane (its semi-major
// axis, along xi, is 1): sqrt(1 - e^2 cos^2 d).
double OutlineMinorAxis(double declination);

// Altitude of the axis direction (the Sun) above the horizon of a place,
// radians, from its geodetic latitude and the axis's hour angle there.
double AxisAltitude(const PlaceOnEarth& place, const BesselianElements& elements);

// The unit normal of the ellipsoid (the geodetic zenith) at a place, in plane coordinates.
Vector3 ZenithOnPlane(const PlaceOnEarth& place, const BesselianElements& elements);
