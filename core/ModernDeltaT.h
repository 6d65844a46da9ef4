#pragma once

#include "core/DeltaT.h"

// The tidal acceleration of the Moon's mean longitude in JPL's DE431, the
// modern numerical ephemeris fitted to lunar laser ranging, arcseconds per
// century squared.
// Reference: Folkner, Williams, Boggs, Park & Kuchynka, IPN Progress Report
//            42-196 (2014), "The Planetary and Lunar Ephemerides DE430 and DE431".
inline constexpr double kModernLunarAcceleration = -25.8;

// The acceleration behind the long-term Delta T values derived from ancient
// and medieval eclipses, arcseconds per century squared.
// Reference: Morrison & Stephenson, J. Hist. Astron. 35, 327 (2004).
inline constexpr double kHistoricalLunarAcceleration = -26.0;

// Delta T as observed, and as the long-term record and its trend give it
// before and after the observations:
// - from 1700 to the last tabulated year, the yearly values observed (the
//   Astronomical Almanac's table to 1973, then the IERS/USNO values of
//   TT - UT1 on January 1), interpolated linearly;
// - before 1700, Morrison & Stephenson (2004) as Espenak & Meeus fitted it
//   (the parabola -20 + 32 u^2 before -500, their polynomials after), each
//   piece tilted by the few tenths of a second that close it onto the next;
// - after the table, a cubic from the last observed value and rate to the
//   same parabola, value and rate, in 2150, and the parabola beyond. Decade
//   fluctuations of the Earth's rotation cannot be foreseen; the parabola is
//   the tidal braking that remains on average, and the cubic keeps Delta T
//   and its rate continuous, so that the shadow never jumps.
// The values before 1955 rest on the Moon's acceleration; they are brought
// from -26"/cy^2 to kModernLunarAcceleration by Espenak & Meeus's correction
// -0.91072 (n + 26) ((year - 1955) / 100)^2 seconds, as are the parabola's
// values after 2150.
// Reference: Espenak & Meeus, Five Millennium Canon of Solar Eclipses
//            (NASA TP-2006-214141), section 2.6; The Astronomical Almanac,
//            table "Delta T" (K8-K9); IERS Rapid Service/Prediction Centre
//            (USNO), "deltat.data".
//
// Its standard error, one sigma, follows the same sources:
// - to 1320, Morrison & Stephenson's parabola 0.8 t^2 seconds, t in
//   centuries from 1820 (265 s at year 0, 54 s in 1000); they give it for
//   -1000 to 1200, and it is kept before -1000 as the values' own parabola
//   is (1167 s at -1999, beside the 1080 s that HMNAO tabulates for -2000);
// - 1320 to 1600, the 20 s of the decade fluctuations, which the parabola
//   reaches in 1320;
// - 5 s in 1700, 1 s in 1800, 0.1 s in 1900 (Stephenson & Houlden 1986),
//   geometrically between, and 0.1 s on to the last observed year, which the
//   yearly table interpolated keeps (atomic clocks give far better since 1955);
// - after the last observed year, the uncertainty that HM Nautical Almanac
//   Office states for extrapolating Delta T from its last observation (2 s
//   ten years on, 6 s after thirty, 10 s after eighty, 100 s after 480),
//   counted from our own last observed year, linearly between its figures,
//   and beyond 480 years as a parabola through the last one (412 s in 3000).
// Reference: Morrison & Stephenson, J. Hist. Astron. 35, 327 (2004), as
//            Espenak & Meeus give it (Five Millennium Canon, "Uncertainty
//            in Delta T"); Stephenson & Houlden, Atlas of Historical Eclipse
//            Maps (1986); Stephenson, Morrison & Hohenkerk, Proc. R. Soc. A
//            472, 20160404 (2016) and Morrison, Stephenson, Hohenkerk &
//            Zawilski, Proc. R. Soc. A 477, 20200776 (2021), with HMNAO's
//            table of Delta T and its uncertainty.
class ModernDeltaT : public IDeltaTModel {
public:
    double SecondsAt(double julianDateUT) const override;
    double LunarAcceleration() const override { return kModernLunarAcceleration; }
    std::optional<double> SigmaAt(double julianDateUT) const override;

    // The same at a decimal year (DecimalYear in core/Calendar.h).
    static double SecondsAtYear(double year);
    static double SigmaAtYear(double year);
    // The first and last years of the observed table.
    static double FirstObservedYear();
    static double LastObservedYear();
    // The year from which the long-term parabola is used alone.
    static double ParabolaYear();
};
