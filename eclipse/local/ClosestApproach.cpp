#include "eclipse/local/ClosestApproach.h"

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
    return (penumbra - Distance()) / (penumbra + umbra);
}

PlaceApproach ApproachAt(const FittedElements& elements, const GeocentricPlace& place, double hours)
{
    PlaceApproach approach;
    approach.shadow = ShadowAt(elements, hours);
    approach.place = PlaceOnPlane(place, approach.shadow);
    const PlaneVelocity velocity = SurfaceVelocity(approach.place, approach.shadow);
    approach.u = approach.shadow.x - approach.place.xi;
    approach.v = approach.shadow.y - approach.place.eta;
    approach.a = approach.shadow.xRate - velocity.xi;
    approach.b = approach.shadow.yRate - velocity.eta;
    approach.penumbra = approach.shadow.l1 - approach.place.zeta * approach.shadow.tanF1;
    approach.umbra = approach.shadow.l2 - approach.place.zeta * approach.shadow.tanF2;
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
