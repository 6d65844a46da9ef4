#pragma once

#include "core/Instant.h"

class Ephemeris;

// The Besselian elements of one instant: the Moon's shadow described on the
// fundamental plane (through the Earth's centre, perpendicular to the shadow
// axis). Lengths in equatorial Earth radii, angles in radians.
struct BesselianElements {
    double x = 0.0;       // the axis on the fundamental plane, toward the east
    double y = 0.0;       // the axis on the fundamental plane, toward the north
    double z = 0.0;       // the Moon's height above the plane, toward the Sun
    double d = 0.0;       // declination of the axis (toward the Sun)
    double mu = 0.0;      // Greenwich hour angle of the axis, [0, 2 pi)
    double l1 = 0.0;      // radius of the penumbra on the plane
    double l2 = 0.0;      // radius of the umbra on the plane; negative for a total eclipse
    double tanF1 = 0.0;   // half-angle of the penumbral cone
    double tanF2 = 0.0;   // half-angle of the umbral cone
    double deltaT = 0.0;  // seconds, TT - UT behind mu
};

// Besselian elements at an instant, from the apparent geocentric Sun and Moon
// (light time, nutation, equator of date), with the Moon's radius k1 for the
// penumbra and k2 for the umbra and mu at the instant's Universal Time
// (the ephemeris model's Delta T).
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.3;
//            Espenak & Meeus, Five Millennium Canon of Solar Eclipses
//            (NASA TP-2006-214141), section 1.4, for k1 and k2.
BesselianElements ElementsAt(const Ephemeris& ephemeris, const Instant& instant);
