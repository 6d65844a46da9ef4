#pragma once

#include "eclipse/FittedElements.h"

// The fitted elements of one eclipse evaluated at one instant, with their
// rates, in the form every circumstance is computed from.
struct ShadowInstant {
    double hours = 0.0;   // from T0, TT
    double x = 0.0;       // the shadow axis on the fundamental plane, Earth radii, east
    double y = 0.0;       // north
    double l1 = 0.0;      // penumbra's radius on the plane, Earth radii
    double l2 = 0.0;      // umbra's radius on the plane, negative for a total eclipse
    double tanF1 = 0.0;
    double tanF2 = 0.0;
    double sinD = 0.0;    // declination of the axis
    double cosD = 1.0;
    double mu = 0.0;      // Greenwich hour angle of the axis, radians, not reduced
    // Rates per hour (radians per hour for d and mu).
    double xRate = 0.0;
    double yRate = 0.0;
    double dRate = 0.0;
    double muRate = 0.0;
};

// The elements and their rates at hours from T0 (TT).
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.3.
ShadowInstant ShadowAt(const FittedElements& elements, double hours);
