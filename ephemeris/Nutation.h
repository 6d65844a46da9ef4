#pragma once

#include <cstdint>
#include <span>

// Nutation in longitude and in obliquity, radians, referred to the ecliptic
// of date. Summed in single precision, as the published maps were computed.
struct NutationAngles {
    float longitude = 0.0f;
    float obliquity = 0.0f;
};

// Nutation, IAU 1980 theory, from its 106 terms.
// Given:    nutationImage  the content of "Nutation.dat"
//           centuries      Julian centuries from J2000, dynamical time
// Returned: the nutation in longitude and obliquity, radians
// Reference: Seidelmann, Celestial Mechanics 27, 79 (1982); Explanatory
//            Supplement to the Astronomical Almanac (1992), 3.222.
NutationAngles SumNutation(std::span<const std::uint8_t> nutationImage, double centuries);

// Mean obliquity of the ecliptic of date, radians.
// Given: millennia2000TT  Julian millennia from J2000, dynamical time.
// Reference: Laskar, A&A 157, 59 (1986), in millennia.
double MeanObliquity(double millennia2000TT);

// Rotation from ecliptic to equatorial rectangular coordinates of date.
// Given:    ecliptic  (x, y, z) referred to the ecliptic and equinox of date, any unit
//           length    the length of that vector, same unit
//           obliquity radians (mean, or true when nutation is applied)
// Returned: equatorial (x, y, z), same unit, x toward the equinox and z toward
//           the celestial pole of date
// Reference: Meeus, Astronomical Algorithms (2nd ed., 1998), chapter 13.
void EclipticToEquatorial(const double ecliptic[3], double length, double obliquity, double equatorial[3]);
