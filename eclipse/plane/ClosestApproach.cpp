#include "eclipse/plane/ClosestApproach.h"

#include <cmath>

namespace {

constexpr int kMaximumIterations = 25;

} // namespace

double PlaceApproach::Distance() const
{
    return std::hypot(u, v);
}

double PlaceApproach::Magnitude() const
{
    return MagnitudeAt(penumbra, umbra, Distance());
}

double PlaceApproach::MoonSunRatio() const
{
    return ::MoonSunRatio(penumbra, umbra);
}

double PlaceApproach::ConeRadius(const ShadowCircle& circle) const
{
    return circle.Radius(penumbra, umbra);
}

PlaceApproach ApproachAt(const FittedElements& elements, const GeocentricPlace& place, double hours)
{
    PlaceApproach approach;
    approach.plane = PlaneAt(elements, hours);
    approach.place = PlaceOnPlane(place, approach.plane);
    const PlaneVelocity relative = RelativeVelocity(approach.place, approach.plane);
    approach.u = approach.plane.elements.x - approach.place.xi;
    approach.v = approach.plane.elements.y - approach.place.eta;
    approach.a = relative.xi;
    approach.b = relative.eta;
    approach.penumbra = PenumbraRadius(approach.plane, approach.place.zeta);
    approach.umbra = UmbraRadius(approach.plane, approach.place.zeta);
    return approach;
}

std::optional<PlaceApproach> ClosestApproachAt(const FittedElements& elements, const GeocentricPlace& place,
                                               double startHours, double toleranceHours)
{
    double hours = startHours;
    for (int iteration = 0; iteration < kMaximumIterations; ++iteration) {
        const PlaceApproach approach = ApproachAt(elements, place, hours);
        const double step = -(approach.u * approach.a + approach.v * approach.b) / approach.SquaredSpeed();
        if (!std::isfinite(step)) {
            return std::nullopt;
        }
        if (std::abs(step) < toleranceHours) {
            return approach;
        }
        hours += step;
    }
    return std::nullopt;
}
