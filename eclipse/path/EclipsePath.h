#pragma once

#include "eclipse/FittedElements.h"
#include "eclipse/path/PathTypes.h"

// The whole eclipse on the Earth from its fitted elements: the global
// contacts and greatest eclipse; the central line from sunrise to sunset,
// with a vertex every step of Universal Time (on whole multiples of it) and
// at its exact ends; the limits of the umbral or antumbral path and of the
// partial eclipse, with the Moon's radius k2 for the umbra and k1 for the
// penumbra; the curves where the eclipse begins or ends at sunrise or sunset,
// and where its maximum happens then. Every vertex carries its instant; where
// a curve bends or runs fast, more vertices keep it within a kilometre.
// Given:    the elements; the step in seconds: more than 0, and long enough
//           that the elements' span holds at most kMostRegularPathVertices
//           steps, so that no caller can ask for unbounded work (a step of
//           1 s over the longest eclipse, whose penumbra lasts about 6.5 h,
//           gives 23 400); a shorter step raises std::invalid_argument
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.5;
//            Meeus, Elements of Solar Eclipses 1951-2200 (1989);
//            Chauvenet, Manual of Spherical and Practical Astronomy (1863), I, 10.
inline constexpr int kMostRegularPathVertices = 43200;

EclipsePath ComputeEclipsePath(const FittedElements& elements, double stepSeconds = 60.0);
