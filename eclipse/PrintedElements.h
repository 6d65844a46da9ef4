#pragma once

#include "eclipse/FittedElements.h"

#include <array>
#include <cstddef>
#include <string>

// The fitted elements as the canons print them: the terms n = 0 to 3 of
// each polynomial in hours of TT from T0; x, y, l1 and l2 in equatorial
// Earth radii, d and mu in degrees, mu the ephemeris hour angle
// (EphemerisHourAngle).
// Reference: Espenak & Meeus, Five Millennium Canon of Solar Eclipses
//            (NASA TP-2006-214141), section 1.4.
struct PrintedElements {
    static constexpr std::size_t kTerms = 4;
    std::array<double, kTerms> x, y, d, l1, l2, mu;
    double tanF1 = 0.0;
    double tanF2 = 0.0;
};
PrintedElements PrintedElementsOf(const FittedElements& elements);

// The table in the canons' layout, one line a term under the header
// "  n          x            y             d           l1            l2             mu",
// then an empty line and "  tan f1 = ...      tan f2 = ...", each line
// ending with a line feed. Every front end prints the same figures.
std::string ElementsTableText(const PrintedElements& elements);
