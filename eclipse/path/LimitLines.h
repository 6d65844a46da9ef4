#pragma once

#include "eclipse/FittedElements.h"
#include "eclipse/path/PathTypes.h"
#include "eclipse/path/ShadowEdges.h"

#include <vector>

// The limit of the umbral (antumbral) or penumbral path on one side, or a
// curve of equal magnitude (ShadowCircle::OfMagnitude): the places whose
// eclipse just grazes the circle at its maximum, where the axis'
// least distance from them equals the cone's radius at their height. Seeds
// come from the limit points of regular instants (LimitPoint); from each,
// the line is followed over the Earth in both directions, each vertex
// corrected onto it by Newton's method, until the maximum happens with the
// Sun on the horizon (the curve of maximum eclipse at sunrise or sunset).
// Following the places rather than the instants keeps the line whole where
// near the horizon it doubles back in time. Every vertex carries the
// instant of its maximum.
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.5;
//            Chauvenet, Manual of Spherical and Practical Astronomy (1863), I, 10.
std::vector<PathLine> TraceLimitLines(const FittedElements& elements, const ShadowCircle& cone, PathSide side);
