#pragma once

#include "core/Vector3.h"

// The shadow axis and the fundamental plane of one instant: the plane
// through the Earth's centre perpendicular to the line from the Moon to the
// Sun. Vectors are geocentric, rectangular, referred to the true equator and
// equinox of date; fundamental-plane coordinates are in equatorial Earth
// radii: x east, y north, z along the axis toward the Sun.
struct FundamentalPlane {
    Vector3 moonToSun;             // m, Sun minus Moon
    double moonSunDistance = 0.0;  // m
    double axisRightAscension = 0.0;  // rad, (-pi, pi]
    Vector3 axis;                  // unit, from the Moon toward the Sun
    Vector3 planeAxis1;            // unit, in the equator plane, pointing west
    Vector3 planeAxis2;            // unit, in the fundamental plane, pointing south
    Vector3 sun;                   // Earth radii, fundamental-plane coordinates
    Vector3 moon;                  // Earth radii, fundamental-plane coordinates
};

// Given:    sun, moon  geocentric positions, metres, equator and equinox of date
// Returned: the axis, the plane's unit vectors and both bodies' coordinates
// Reference: Explanatory Supplement to the Astronomical Almanac (1992),
//            8.3 "Besselian elements"; Chauvenet, A Manual of Spherical and
//            Practical Astronomy (1863), vol. 1, ch. 9.
FundamentalPlane FundamentalPlaneOf(const Vector3& sun, const Vector3& moon);
