#include "eclipse/search/EclipseCircumstances.h"

#include "core/Units.h"
#include "eclipse/search/EarthOnPlane.h"

#include <algorithm>
#include <cmath>

namespace {

// The central line lasts at most some four hours; contacts at a place some
// minutes (totality at most 7.5, annularity 12.5).
constexpr double kCentralLineStepHours = 0.25;
constexpr double kLongestCentralHalfHours = 4.0;
constexpr double kContactStepHours = 1.0 / 60.0;
constexpr double kLongestHalfPhaseHours = 0.25;
constexpr int kBisections = 48;
constexpr int kCentralLineSamples = 64;

// Bisects between a time where inside(t) holds and one where it does not.
template <typename Predicate>
double Boundary(double in, double out, Predicate inside)
{
    for (int i = 0; i < kBisections; ++i) {
        const double middle = 0.5 * (in + out);
        (inside(middle) ? in : out) = middle;
    }
    return 0.5 * (in + out);
}

// Steps from start (where inside holds) in a direction up to a limit, then
// bisects: the last time inside holds. The limit when it holds throughout.
template <typename Predicate>
double EdgeFrom(double start, double direction, double step, double limit, Predicate inside)
{
    double in = start;
    for (double offset = step; offset <= limit + 1e-12; offset += step) {
        const double out = start + direction * offset;
        if (!inside(out)) {
            return Boundary(in, out, inside);
        }
        in = out;
    }
    return in;
}

double UmbralRadiusAt(const BesselianElements& e, double zeta)
{
    return e.l2 - zeta * e.tanF2;
}

double PenumbralRadiusAt(const BesselianElements& e, double zeta)
{
    return e.l1 - zeta * e.tanF1;
}

struct CentralLine {
    EclipseType type = EclipseType::Total;
    double margin = 0.0;  // of the extremes of L2 from 0
};

// Total, annular or hybrid, by the sign of L2 along the central line.
CentralLine CentralTypeOf(const FittedElements& f, double greatest)
{
    const auto onEarth = [&](double t) { return AxisOnEarth(f.At(t)).has_value(); };
    const double first = EdgeFrom(greatest, -1.0, kCentralLineStepHours, kLongestCentralHalfHours, onEarth);
    const double last = EdgeFrom(greatest, +1.0, kCentralLineStepHours, kLongestCentralHalfHours, onEarth);
    double smallest = 0.0;
    double largest = 0.0;
    bool any = false;
    for (int i = 0; i <= kCentralLineSamples + 1; ++i) {
        // The ends of the line (zeta 0), the samples between and greatest eclipse itself.
        const double t = i <= kCentralLineSamples ? first + (last - first) * i / kCentralLineSamples : greatest;
        const BesselianElements e = f.At(t);
        const std::optional<PlaceOnEarth> axis = AxisOnEarth(e);
        const double radius = UmbralRadiusAt(e, axis ? std::max(axis->onPlane.z, 0.0) : 0.0);
        smallest = any ? std::min(smallest, radius) : radius;
        largest = any ? std::max(largest, radius) : radius;
        any = true;
    }
    CentralLine line;
    line.margin = std::min(std::abs(smallest), std::abs(largest));
    if (smallest < 0.0 && largest > 0.0) {
        line.type = EclipseType::Hybrid;
    } else {
        line.type = smallest < 0.0 ? EclipseType::Total : EclipseType::Annular;
    }
    return line;
}

// The shadow's distance from a fixed place minus the umbral radius there:
// negative inside the umbra or antumbra.
double UmbralGap(const FittedElements& f, const PlaceOnEarth& place, double t)
{
    const BesselianElements e = f.At(t);
    const Vector3 p = PlaneCoordinates(place.latitude, place.longitude, e);
    return std::hypot(e.x - p.x, e.y - p.y) - std::abs(UmbralRadiusAt(e, p.z));
}

std::optional<double> CentralDurationSeconds(const FittedElements& f, const PlaceOnEarth& place, double greatest)
{
    const auto inside = [&](double t) { return UmbralGap(f, place, t) < 0.0; };
    if (!inside(greatest)) {
        return std::nullopt;
    }
    const double start = EdgeFrom(greatest, -1.0, kContactStepHours, kLongestHalfPhaseHours, inside);
    const double end = EdgeFrom(greatest, +1.0, kContactStepHours, kLongestHalfPhaseHours, inside);
    return (end - start) * kSecondsPerHour;
}

// The band the umbra sweeps is 2 |L2| wide on the plane across the shadow's
// motion relative to the place; on the ground it widens as the surface
// tilts across the band: 2 |L2| / sqrt(1 - (n . p)^2), n the zenith and p the
// unit vector on the plane across the motion.
std::optional<double> PathWidthKm(const FittedElements& f, const PlaceOnEarth& place, double greatest, double umbralRadius)
{
    const BesselianElements e = f.At(greatest);
    const BesselianElements rates = f.RatesAt(greatest);
    const Vector3 placeVelocity = PlaneVelocity(place, e, rates.mu, rates.d);
    const double a = rates.x - placeVelocity.x;
    const double b = rates.y - placeVelocity.y;
    const double speed = std::hypot(a, b);
    const Vector3 zenith = ZenithOnPlane(place, e);
    const double across = (-b * zenith.x + a * zenith.y) / speed;
    const double tilt = 1.0 - across * across;
    if (!(speed > 0.0) || !(tilt > 0.0)) {
        return std::nullopt;
    }
    return 2.0 * std::abs(umbralRadius) / std::sqrt(tilt) * kEarthEquatorialRadiusKilometres;
}

double Degrees(double radians)
{
    return radians * kRadiansToDegrees;
}

void SetPlace(EclipseSummary& summary, const PlaceOnEarth& place, const BesselianElements& e)
{
    summary.latitude = Degrees(place.latitude);
    summary.longitude = Degrees(place.longitude);
    summary.sunAltitude = std::max(0.0, Degrees(AxisAltitude(place, e)));
}

} // namespace

std::optional<EclipseAtGreatest> CircumstancesAtGreatestEclipse(const FittedElements& f, double greatest)
{
    const BesselianElements e = f.At(greatest);
    EclipseAtGreatest result;
    EclipseSummary& summary = result.summary;
    summary.greatest = f.InstantOf(greatest);
    summary.deltaT = f.deltaT;
    summary.gamma = std::copysign(std::hypot(e.x, e.y), e.y);

    if (const std::optional<PlaceOnEarth> axis = AxisOnEarth(e)) {
        const double zeta = axis->onPlane.z;
        const double penumbra = PenumbralRadiusAt(e, zeta);
        const double umbra = UmbralRadiusAt(e, zeta);
        const CentralLine line = CentralTypeOf(f, greatest);
        summary.magnitude = (penumbra - umbra) / (penumbra + umbra);
        summary.type = line.type;
        SetPlace(summary, *axis, e);
        summary.durationSeconds = CentralDurationSeconds(f, *axis, greatest);
        summary.widthKm = PathWidthKm(f, *axis, greatest, umbra);
        result.typeMargin = line.margin;
        return result;
    }

    const PlaceOnEarth limb = OutlinePointNearestAxis(e);
    const double distance = std::hypot(e.x - limb.onPlane.x, e.y - limb.onPlane.y);
    const double penumbra = PenumbralRadiusAt(e, limb.onPlane.z);
    const double umbra = UmbralRadiusAt(e, limb.onPlane.z);
    if (!(distance < penumbra)) {
        return std::nullopt;
    }
    summary.magnitude = (penumbra - distance) / (penumbra + umbra);
    const bool umbral = distance < std::abs(umbra);
    summary.type = umbral ? (umbra < 0.0 ? EclipseType::Total : EclipseType::Annular) : EclipseType::Partial;
    SetPlace(summary, limb, e);
    result.typeMargin = std::min({std::abs(distance - std::abs(umbra)), penumbra - distance, std::abs(umbra)});
    return result;
}
