#pragma once

#include "ephemeris/EphemerisSeries.h"

#include <string>

// Whether the loaded series are what a sound conversion of the published
// texts gives, before anything is computed with them: images of the right
// size whose bytes are garbage (filled with 0xFF, NaN or zeros, another
// file's bytes) would otherwise give a Sun or a Moon somewhere else, or
// nowhere, and commands would report "no eclipse" about them.
//
// At three instants (1000, 2024 and 3000, TT) the sums must be finite and
// plausible: the nutation in longitude and obliquity together between 5"
// and 25" from zero (its 18.6-year term alone is 17.2" by 9.2"), the Sun
// between 0.97 and 1.03 au from the Earth, the Moon between 350 000 and
// 410 000 km and within 6 degrees of the ecliptic.
// Given:    series         the images of "Nutation.dat", "VSOP87.dat" and
//                          "Elp2000.dat" and the lunar terms of the last
//           dataDirectory  where they were read, ending with a separator
// Raises CFileException naming the first file whose sums fail.
void CheckSeriesPlausible(const EphemerisSeries& series, const std::string& dataDirectory);
