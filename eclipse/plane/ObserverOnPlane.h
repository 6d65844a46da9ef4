#pragma once

#include "eclipse/plane/GeographicPlace.h"
#include "eclipse/plane/PlaneInstant.h"

// A place as the formulas of the fundamental plane take it: rho sin phi' and
// rho cos phi' (geocentric, equatorial Earth radii, the flattening and the
// height included), the longitude in radians east, and the sine and cosine of
// the geodetic latitude for the horizon.
struct GeocentricPlace {
    double rhoSinPhi = 0.0;
    double rhoCosPhi = 1.0;
    double longitude = 0.0;
    double sinLatitude = 0.0;
    double cosLatitude = 1.0;
};

// The direction of the Sun seen from a place, radians: altitude above the
// geodetic horizon (no refraction) and azimuth from north toward the east,
// in [0, 2 pi).
struct HorizontalDirection {
    double altitude = 0.0;
    double azimuth = 0.0;
};

// Given: a place (degrees, metres above the ellipsoid of kEarthPolarRatio).
// Returned: its geocentric coordinates.
// Reference: Meeus, Elements of Solar Eclipses 1951-2200 (1989), chapter 8.
GeocentricPlace GeocentricOf(const GeographicPlace& place);

// The place on the fundamental plane of an instant; its local hour angle of
// the axis, radians west of the meridian, is mu + longitude.
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.4.
PlanePoint PlaceOnPlane(const GeocentricPlace& place, const PlaneInstant& plane);

// The velocity of a point fixed on the Earth at a point of the plane: the
// Earth's rotation (mu') and the turning of the axis in declination (d').
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.4;
//            Chauvenet, Manual of Spherical and Practical Astronomy (1863), I, 10.
PlaneVelocity SurfaceVelocity(const PlanePoint& point, const PlaneInstant& plane);

// The velocity of the shadow axis relative to a point fixed on the Earth.
PlaneVelocity RelativeVelocity(const PlanePoint& point, const PlaneInstant& plane);

// The Sun, taken along the shadow axis, seen from a place at an instant.
// Reference: Meeus, Elements of Solar Eclipses 1951-2200 (1989), chapter 8.
HorizontalDirection SunSeenFrom(const GeocentricPlace& place, const PlaneInstant& plane);

// The sine of that Sun's altitude, of the same sign: for whoever needs only
// to know whether the Sun is up, without the cost of the two angles.
double SineOfSunAltitude(const GeocentricPlace& place, const PlaneInstant& plane);
