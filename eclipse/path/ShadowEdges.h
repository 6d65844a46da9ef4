#pragma once

#include "eclipse/local/PlaneGeometry.h"
#include "eclipse/path/EarthOnPlane.h"

#include <optional>

enum class ShadowCone { Penumbra, Umbra };
// North is to the left of the shadow's motion over the ground, which always
// runs eastward on the fundamental plane.
enum class PathSide { North, South };

// The radius of a cone's section at height zeta above the plane, Earth
// radii: L1 = l1 - zeta tan f1 for the penumbra, |L2| = |l2 - zeta tan f2|
// for the umbra or antumbra.
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.3.
double ConeRadius(const ShadowInstant& shadow, ShadowCone cone, double zeta);

// The point under the shadow axis, if the axis meets the Earth.
std::optional<PlanePoint> CentralPoint(const EarthOnPlane& earth);

// The velocity of the shadow axis relative to a point fixed on the Earth,
// on the plane, Earth radii per hour.
PlaneVelocity RelativeVelocity(const PlanePoint& point, const ShadowInstant& shadow);

// The point of a limit of the path at this instant: the place whose
// maximum eclipse happens now with the cone's edge just touching it, so
// that its distance from the axis, across the relative motion, is the
// cone's radius at its own height. Found by iterating the place's motion
// and height; none where it lies beyond the limb.
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.5;
//            Meeus, Elements of Solar Eclipses 1951-2200 (1989), chapter 6.
std::optional<PlanePoint> LimitPoint(const EarthOnPlane& earth, ShadowCone cone, PathSide side);
