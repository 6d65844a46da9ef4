#pragma once

#include "eclipse/plane/EarthOnPlane.h"

#include <optional>

// A curve meets the limb of one instant at two points; each branch follows
// one of them: First lies counterclockwise (from north through east) of the
// limb's point nearest the shadow, Second clockwise.
enum class LimbBranch { First, Second };

// Where the edge of the penumbra crosses the limb at this instant: a place
// whose eclipse begins or ends there and then, with the Sun on its horizon.
// None while the penumbra lies wholly on or off the Earth's disk.
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.5;
//            Chauvenet, Manual of Spherical and Practical Astronomy (1863), I, 10.
std::optional<PlanePoint> ContactOnLimb(const EarthOnPlane& earth, LimbBranch branch);

// A place of the limb whose maximum eclipse happens at this instant: its
// distance from the axis is least, so the axis moves across the line from it
// relative to the ground; none where that place lies outside the penumbra.
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.5;
//            Meeus, Elements of Solar Eclipses 1951-2200 (1989), chapter 6.
std::optional<PlanePoint> MaximumOnLimb(const EarthOnPlane& earth, LimbBranch branch);
