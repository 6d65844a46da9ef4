#pragma once

#include "eclipse/FittedElements.h"
#include "eclipse/plane/ObserverOnPlane.h"
#include "eclipse/plane/PlaneInstant.h"

#include <optional>

// A place relative to the shadow at one instant, on the fundamental plane.
struct PlaceApproach {
    PlaneInstant plane;
    PlanePoint place;
    double u = 0.0;           // the axis minus the place, Earth radii
    double v = 0.0;
    double a = 0.0;           // rates of u and v, per hour
    double b = 0.0;
    double penumbra = 0.0;    // L1 at the place's height above the plane
    double umbra = 0.0;       // L2 there, negative for a total eclipse

    double SquaredSpeed() const { return a * a + b * b; }
    double Distance() const;
    // The fraction of the Sun's diameter covered, (L1 - m) / (L1 + L2).
    double Magnitude() const;
    // The ratio of the Moon's apparent diameter to the Sun's, (L1 - L2) / (L1 + L2).
    double MoonSunRatio() const;
    // The radius of one circle about the axis there; for a cone, L1, or |L2|
    // for the umbra or antumbra.
    double ConeRadius(const ShadowCircle& circle) const;
};

// A place at hours from T0.
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.4.
PlaceApproach ApproachAt(const FittedElements& elements, const GeocentricPlace& place, double hours);

// The instant where the place comes nearest the axis, u a + v b = 0, by
// Newton's iteration from startHours (hours from T0) until the step is below
// toleranceHours; none if it does not settle.
// Reference: Meeus, Elements of Solar Eclipses 1951-2200 (1989), chapter 8.
std::optional<PlaceApproach> ClosestApproachAt(const FittedElements& elements, const GeocentricPlace& place,
                                               double startHours, double toleranceHours = 1e-9);
