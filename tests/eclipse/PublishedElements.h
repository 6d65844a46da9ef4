#pragma once

// Besselian elements as NASA publishes them, typed from their tables, so
// that the path and the local circumstances are checked against the same
// elements the published figures were computed from.
//
// The published mu is the ephemeris hour angle: Greenwich sidereal time taken
// at the TT instant. ElementsAt, and so FittedElements, take it at Universal
// Time, Delta T earlier; the Earth turns kEarthRotationDegreesPerSecond for
// each second of Delta T (Explanatory Supplement (1992), 8.3, the ephemeris
// longitude), which FromTable removes.

#include "core/Calendar.h"
#include "core/Units.h"
#include "eclipse/FittedElements.h"

#include <initializer_list>

namespace published {

inline Polynomial Coefficients(std::initializer_list<double> values, double scale = 1.0)
{
    Polynomial polynomial;
    std::size_t power = 0;
    for (const double value : values) {
        polynomial.coefficients[power++] = value * scale;
    }
    return polynomial;
}

struct Table {
    int year, month, day;
    double t0Hours;                      // TT
    double deltaT;                       // seconds
    std::initializer_list<double> x, y, d, l1, l2, mu;  // d and mu in degrees
    double tanF1, tanF2;
};

inline FittedElements FromTable(const Table& table)
{
    FittedElements elements;
    elements.t0 = Instant::FromJulianDate(JulianDateAtMidnight(table.year, table.month, table.day), table.t0Hours / 24.0);
    elements.deltaT = table.deltaT;
    elements.x = Coefficients(table.x);
    elements.y = Coefficients(table.y);
    elements.d = Coefficients(table.d, kDegreesToRadians);
    elements.l1 = Coefficients(table.l1);
    elements.l2 = Coefficients(table.l2);
    elements.mu = Coefficients(table.mu, kDegreesToRadians);
    elements.mu.coefficients[0] -= kEarthRotationDegreesPerSecond * table.deltaT * kDegreesToRadians;
    elements.tanF1 = table.tanF1;
    elements.tanF2 = table.tanF2;
    elements.validFrom = -3.5;
    elements.validTo = 3.5;
    return elements;
}

// 2006 March 29, total. Espenak, NASA GSFC, "Besselian Elements for the
// Total Solar Eclipse of 2006 Mar 29" (k1 = 0.2725076, k2 = 0.2722810),
// Delta T 64.9 s.
inline FittedElements Eclipse2006()
{
    return FromTable({2006, 3, 29, 10.0, 64.9,
                      {-0.2899179, 0.5060887, 0.0000181, -0.0000083},
                      {0.2790394, 0.2789923, -0.0000386, -0.0000048},
                      {3.3988402, 0.0155571, -0.0000008},
                      {0.5370220, 0.0000644, -0.0000127},
                      {-0.0090899, 0.0000641, -0.0000127},
                      {328.793701, 15.004370},
                      0.0046826, 0.0046593});
}

// 2017 August 21, total. Espenak, NASA GSFC, "Besselian Elements for the
// Total Solar Eclipse of 2017 Aug 21", Delta T 70.3 s.
inline FittedElements Eclipse2017()
{
    return FromTable({2017, 8, 21, 18.0, 70.3,
                      {-0.129571, 0.5406426, -0.0000294, -0.0000081},
                      {0.485416, -0.1416400, -0.0000905, 0.0000020},
                      {11.86696, -0.013622, -0.000002},
                      {0.542093, 0.0001241, -0.0000118},
                      {-0.004025, 0.0001234, -0.0000117},
                      {89.24543, 15.003937},
                      0.0046222, 0.0045992});
}

// 2024 April 8, total. Espenak & Meeus, Five Millennium Canon of Solar
// Eclipses (NASA TP-2006-214141; k1 = 0.272488 there, which moves the
// penumbra by 0.1 km). The canon took Delta T 74.0 s; its elements do not
// depend on it, and the observed 69.1 s is used here.
inline FittedElements Eclipse2024()
{
    return FromTable({2024, 4, 8, 18.0, 69.1,
                      {-0.3182440, 0.5117116, 0.0000326, -0.0000084},
                      {0.2197640, 0.2709589, -0.0000595, -0.0000047},
                      {7.5862002, 0.0148440, -0.0000020},
                      {0.5358140, 0.0000618, -0.0000128},
                      {-0.0102720, 0.0000615, -0.0000127},
                      {89.591217, 15.004080},
                      0.0046683, 0.0046450});
}

} // namespace published
