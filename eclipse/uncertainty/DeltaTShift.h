#pragma once

#include "eclipse/FittedElements.h"

// Delta T decides only how far the Earth has turned at each instant of TT:
// the Sun, the Moon and so the shadow (x, y, d, l1, l2, f1, f2) do not
// depend on it. Seconds added to Delta T leave the Earth that much less
// turned, so the whole eclipse (path, limits, the circumstances at every
// place) moves east by the Earth's rotation in those seconds, at the same
// instants of TT.

// Degrees of longitude the eclipse moves east for seconds added to Delta T.
double LongitudeShiftDegrees(double deltaTSeconds);

// The elements of the same eclipse under Delta T + addedSeconds: mu, the
// Greenwich hour angle of the axis, falls behind by the rotation, and
// deltaT carries the new value; times stay TT.
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.3
//            (mu and the ephemeris meridian).
FittedElements WithAddedDeltaT(const FittedElements& elements, double addedSeconds);
