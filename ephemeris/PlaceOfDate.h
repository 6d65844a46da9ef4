#pragma once

#include "core/Vector3.h"
#include "ephemeris/LunarSeries.h"
#include "ephemeris/Nutation.h"

// A body's geocentric place of date, as the evaluators finish it.
struct PlaceOfDate {
    double longitude = 0.0;  // ecliptic longitude of date, radians (nutation included when asked)
    Vector3 ecliptic;        // rectangular, ecliptic of date
    Vector3 position;        // what the options ask for: equatorial of date, or the ecliptic vector
};

// The Sun seen from the Earth, from the heliocentric Earth.
// Given:    earth      heliocentric Earth, au, ecliptic and mean equinox of date
//           millennia  Julian millennia from J2000 (TT) of the position
//           nutation   nutation of that instant (used with NUTATION)
//           options    EQUATORIAL, NUTATION (PositionOptions.h)
// Returned: au; equatorial of date (true equator and equinox with NUTATION)
//           with EQUATORIAL, the ecliptic vector of date without it
// Reference: Meeus, Astronomical Algorithms (2nd ed., 1998), chapters 13 and 32.
PlaceOfDate SunOfDate(const Vector3& earth, double millennia, const NutationAngles& nutation, int options);

// The Moon of date, from the series' position on the ecliptic of J2000.
// Given:    moon       longitude, latitude (radians) and distance (km),
//                      mean ecliptic and equinox of J2000
//           millennia  Julian millennia from J2000 (TT) of the position
//           nutation   nutation of that instant (used with NUTATION)
//           options    EQUATORIAL, NUTATION (PositionOptions.h); NUTATION also
//                      carries the position from the equinox of J2000 to that of date
// Returned: km; equatorial of date with EQUATORIAL, the ecliptic vector
//           without it (of date with NUTATION, of J2000 without)
// Reference: Chapront-Touze & Chapront, ELP 2000-82B (1988); Meeus,
//            Astronomical Algorithms (2nd ed., 1998), chapter 13.
PlaceOfDate MoonOfDate(const LunarSpherical& moon, double millennia, const NutationAngles& nutation, int options);
