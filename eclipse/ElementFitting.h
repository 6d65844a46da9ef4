#pragma once

#include "core/Instant.h"
#include "eclipse/FittedElements.h"

class Ephemeris;

// The largest difference between each fitted polynomial and ElementsAt over
// the validity window (Earth radii; radians for d and mu).
struct FitResiduals {
    double x = 0.0;
    double y = 0.0;
    double d = 0.0;
    double l1 = 0.0;
    double l2 = 0.0;
    double mu = 0.0;
    double tanF1 = 0.0;
    double tanF2 = 0.0;
};

struct FittedElementsReport {
    FittedElements elements;
    FitResiduals residuals;
};

// The Besselian elements of the eclipse whose greatest eclipse lies near
// the given instant (TT): ElementsAt sampled from before P1 to after P4,
// fitted by least squares in hours from T0, the whole TT hour nearest
// greatest eclipse.
FittedElementsReport FitElements(const Ephemeris& ephemeris, const Instant& nearGreatestEclipse);

// mu as the canons publish it: the ephemeris hour angle, counted from the
// ephemeris meridian, 1.002738 Delta T (in time) east of Greenwich, so that
// the published elements place the shadow for Delta T = 0 and their users
// turn it back by Delta T: mu + Delta T kEarthRotationDegreesPerSecond.
// Radians, in hours from T0.
// Reference: Explanatory Supplement to the Astronomical Almanac (1992),
//            ch. 8 (ephemeris longitude); Espenak & Meeus, Five Millennium
//            Canon of Solar Eclipses (NASA TP-2006-214141).
Polynomial EphemerisHourAngle(const FittedElements& elements);
