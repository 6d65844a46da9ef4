#pragma once

#include <cmath>

// Rectangular vectors are plain arrays of three doubles, as the evaluators
// and the shadow geometry hand them around.
inline double Dot(const double a[3], const double b[3])
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

inline double Length(const double v[3])
{
    return std::sqrt(Dot(v, v));
}

// Metres in one astronomical unit, as the Sun's distance is converted.
inline constexpr double kAstronomicalUnitMetres = 149597870691.0;
