#pragma once

#include "core/Instant.h"
#include "model/Observation.h"

class Ephemeris;

// Where the Sun or the Moon is seen from the Earth's centre at an instant:
// the direction on the true equator and equinox of date, light time
// applied (for the Sun, the annual aberration it amounts to); the distance
// geometric, at the instant.
struct ApparentPlace {
    double rightAscension = 0.0;  // radians, [0, 2 pi)
    double declination = 0.0;     // radians
    double distance = 0.0;        // au for the Sun, km for the Moon
    double semiDiameter = 0.0;    // radians, geocentric
};

// The Earth seen from the Sun's centre: the ecliptic and equinox of date,
// geometric (no light time, no nutation), as VSOP87 gives it.
struct HeliocentricPlace {
    double longitude = 0.0;       // radians, [0, 2 pi)
    double latitude = 0.0;        // radians
    double radius = 0.0;          // au
};

// Given:    instant  TT
// Returned: the apparent place of the Sun (distance in au) or of the Moon
//           (distance in km); the semi-diameter from the bodies' radii in
//           core/Units.h.
// Reference: Meeus, Astronomical Algorithms (2nd ed., 1998), chapters 25,
//            47 and 55.
ApparentPlace ApparentSun(const Ephemeris& ephemeris, const Instant& instant);
ApparentPlace ApparentMoon(const Ephemeris& ephemeris, const Instant& instant);

// Given:    instant  TT
// Returned: the Earth's heliocentric longitude, latitude and radius vector.
// Reference: Bretagnon & Francou, A&A 202, 309 (1988), VSOP87 version C;
//            Meeus, Astronomical Algorithms (2nd ed., 1998), chapter 32.
HeliocentricPlace HeliocentricEarthAt(const Ephemeris& ephemeris, const Instant& instant);

// The place under the Sun at an instant (TT), degrees, longitude in
// [-180, 180): the Sun's apparent right ascension less the model's
// Greenwich sidereal time, and its declination.
CGeoPosition SubsolarPoint(const Ephemeris& ephemeris, const Instant& instant);
