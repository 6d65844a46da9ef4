#pragma once

#include "eclipse/plane/EarthOnPlane.h"
#include "eclipse/plane/PlaneInstant.h"

#include <optional>

// North is to the left of the shadow's motion over the ground, which always
// runs eastward on the fundamental plane.
enum class PathSide { North, South };

// The point of a limit of the path at this instant: the place whose
// maximum eclipse happens now with the cone's edge (or another circle about
// the axis) just touching it, so
// that its distance from the axis, across the relative motion, is the
// cone's radius at its own height. Found by iterating the place's motion
// and height; none where it lies beyond the limb.
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.5;
//            Meeus, Elements of Solar Eclipses 1951-2200 (1989), chapter 6.
std::optional<PlanePoint> LimitPoint(const EarthOnPlane& earth, const ShadowCircle& cone, PathSide side);
