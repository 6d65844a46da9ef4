#pragma once

#include "eclipse/FittedElements.h"
#include "eclipse/path/PathTypes.h"

// The contacts of the penumbra and of the umbra or antumbra with the Earth's
// disk on the fundamental plane (the limb of the ellipsoid): external when
// the shadow's circle touches the limb from outside (P1, P4, U1, U4),
// internal when it touches it from inside (P2, P3, U2, U3); each place is
// the limb's point touched. Greatest eclipse is where x^2 + y^2 is least.
// Sought over the elements' validity window.
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.5;
//            Meeus, Elements of Solar Eclipses 1951-2200 (1989), chapter 4.
GlobalCircumstances ComputeGlobalCircumstances(const FittedElements& elements);
