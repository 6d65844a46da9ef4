#pragma once

#include "core/Vector3.h"

#include <cstdint>
#include <span>

// The heliocentric Earth by direct summation of the VSOP87 series.
// Given:    vsopImage  the content of "VSOP87.dat" (version C: rectangular,
//                      ecliptic and equinox of date)
//           millennia  Julian millennia from J2000, dynamical time
// Returned: (X, Y, Z)  au, mean ecliptic and equinox of date
// Reference: Bretagnon & Francou, A&A 202, 309 (1988), "Planetary theories in
//            rectangular and spherical variables: VSOP87 solutions".
Vector3 HeliocentricEarth(std::span<const std::uint8_t> vsopImage, double millennia);
