#include "eclipse/path/GlobalCircumstances.h"

#include "core/Units.h"
#include "eclipse/path/CentralLine.h"
#include "eclipse/path/RootFinding.h"
#include "eclipse/plane/EarthOnPlane.h"
#include "eclipse/plane/ObserverOnPlane.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr double kScanStepHours = 1.0 / 60.0;
constexpr double kTimeToleranceHours = 1e-9;

int ScanSteps(const FittedElements& elements)
{
    return std::max(1, static_cast<int>(std::ceil((elements.validTo - elements.validFrom) / kScanStepHours)));
}

double ScanInstant(const FittedElements& elements, int step, int steps)
{
    return elements.validFrom + (elements.validTo - elements.validFrom) * step / steps;
}

enum class Tangency { External, Internal };

// Positive while the cone's circle and the limb are apart (External) or
// while the circle crosses the limb (Internal).
double ContactGap(const FittedElements& elements, double hours, ShadowCone cone, Tangency tangency)
{
    const EarthOnPlane earth(PlaneAt(elements, hours));
    const BesselianElements& shadow = earth.Plane().elements;
    const EarthOnPlane::LimbDistance nearest = earth.NearestLimbPoint(shadow.x, shadow.y);
    const double radius = ConeRadius(earth.Plane(), cone, earth.LimbPoint(nearest.theta).zeta);
    return tangency == Tangency::External ? nearest.distance - radius : nearest.distance + radius;
}

GlobalContact ContactAt(const FittedElements& elements, double hours)
{
    const EarthOnPlane earth(PlaneAt(elements, hours));
    const EarthOnPlane::Geographic place = earth.GeographicOf(earth.LimbPointNearestAxis());
    return {elements.InstantOf(hours), place.latitude * kRadiansToDegrees, place.longitude * kRadiansToDegrees};
}

// The first instant where gap turns negative and the last where it turns
// positive again.
void FindContactPair(const FittedElements& elements, const std::function<double(double)>& gap,
                     std::optional<GlobalContact>& first, std::optional<GlobalContact>& last)
{
    const int steps = ScanSteps(elements);
    double previous = elements.validFrom;
    double previousGap = gap(previous);
    for (int step = 1; step <= steps; ++step) {
        const double hours = ScanInstant(elements, step, steps);
        const double value = gap(hours);
        if ((previousGap > 0.0) != (value > 0.0)) {
            const double root = FindRoot(gap, previous, previousGap, hours, value, kTimeToleranceHours);
            if (value <= 0.0 && !first) {
                first = ContactAt(elements, root);
            } else if (value > 0.0) {
                last = ContactAt(elements, root);
            }
        }
        previous = hours;
        previousGap = value;
    }
}

double AxisApproach(const FittedElements& elements, double hours)
{
    return elements.x.At(hours) * elements.x.DerivativeAt(hours) + elements.y.At(hours) * elements.y.DerivativeAt(hours);
}

GreatestEclipse FindGreatestEclipse(const FittedElements& elements)
{
    const auto approach = [&elements](double hours) { return AxisApproach(elements, hours); };
    double hours = 0.0;
    const int steps = ScanSteps(elements);
    for (int step = 1; step <= steps; ++step) {
        const double previous = ScanInstant(elements, step - 1, steps);
        const double next = ScanInstant(elements, step, steps);
        if (approach(previous) <= 0.0 && approach(next) > 0.0) {
            hours = FindRoot(approach, previous, approach(previous), next, approach(next), kTimeToleranceHours);
            break;
        }
    }
    const EarthOnPlane earth(PlaneAt(elements, hours));
    const BesselianElements& shadow = earth.Plane().elements;
    GreatestEclipse greatest;
    greatest.time = elements.InstantOf(hours);
    greatest.gamma = std::copysign(std::hypot(shadow.x, shadow.y), shadow.y);
    const std::optional<PlanePoint> central = earth.AxisPoint();
    const PlanePoint point = central ? *central : earth.LimbPointNearestAxis();
    const EarthOnPlane::Geographic place = earth.GeographicOf(point);
    greatest.latitude = place.latitude * kRadiansToDegrees;
    greatest.longitude = place.longitude * kRadiansToDegrees;
    const HorizontalDirection sun =
        SunSeenFrom(GeocentricOf({greatest.longitude, greatest.latitude, 0.0}), earth.Plane());
    greatest.sunAltitude = sun.altitude * kRadiansToDegrees;
    if (const std::optional<CentralVertex> vertex = CentralVertexAt(elements, hours)) {
        greatest.durationSeconds = vertex->durationSeconds;
        greatest.widthKm = vertex->widthKm;
    }
    return greatest;
}

} // namespace

GlobalCircumstances ComputeGlobalCircumstances(const FittedElements& elements)
{
    GlobalCircumstances circumstances;
    const auto gap = [&elements](ShadowCone cone, Tangency tangency) {
        return [&elements, cone, tangency](double hours) { return ContactGap(elements, hours, cone, tangency); };
    };
    FindContactPair(elements, gap(ShadowCone::Penumbra, Tangency::External), circumstances.p1, circumstances.p4);
    FindContactPair(elements, gap(ShadowCone::Penumbra, Tangency::Internal), circumstances.p2, circumstances.p3);
    FindContactPair(elements, gap(ShadowCone::Umbra, Tangency::External), circumstances.u1, circumstances.u4);
    FindContactPair(elements, gap(ShadowCone::Umbra, Tangency::Internal), circumstances.u2, circumstances.u3);
    circumstances.greatest = FindGreatestEclipse(elements);
    return circumstances;
}
