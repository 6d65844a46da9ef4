#include "eclipse/search/EclipseCircumstances.h"

#include "core/Units.h"
#include "eclipse/plane/EarthOnPlane.h"
#include "eclipse/plane/ObserverOnPlane.h"

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

EarthOnPlane EarthAt(const FittedElements& f, double t)
{
    return EarthOnPlane(PlaneAt(f, t));
}

struct CentralLine {
    EclipseType type = EclipseType::Total;
    double margin = 0.0;  // of the extremes of L2 from 0
};

// Total, annular or hybrid, by the sign of L2 along the central line.
CentralLine CentralTypeOf(const FittedElements& f, double greatest)
{
    const auto onEarth = [&](double t) { return EarthAt(f, t).AxisPoint().has_value(); };
    const double first = EdgeFrom(greatest, -1.0, kCentralLineStepHours, kLongestCentralHalfHours, onEarth);
    const double last = EdgeFrom(greatest, +1.0, kCentralLineStepHours, kLongestCentralHalfHours, onEarth);
    double smallest = 0.0;
    double largest = 0.0;
    bool any = false;
    for (int i = 0; i <= kCentralLineSamples + 1; ++i) {
        // The ends of the line (zeta 0), the samples between and greatest eclipse itself.
        const double t = i <= kCentralLineSamples ? first + (last - first) * i / kCentralLineSamples : greatest;
        const EarthOnPlane earth = EarthAt(f, t);
        const std::optional<PlanePoint> axis = earth.AxisPoint();
        const double radius = UmbraRadius(earth.Plane(), axis ? std::max(axis->zeta, 0.0) : 0.0);
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
double UmbralGap(const FittedElements& f, const GeocentricPlace& place, double t)
{
    const PlaneInstant plane = PlaneAt(f, t);
    const PlanePoint p = PlaceOnPlane(place, plane);
    return std::hypot(plane.elements.x - p.xi, plane.elements.y - p.eta) - std::abs(UmbraRadius(plane, p.zeta));
}

std::optional<double> CentralDurationSeconds(const FittedElements& f, const GeocentricPlace& place, double greatest)
{
    const auto inside = [&](double t) { return UmbralGap(f, place, t) < 0.0; };
    if (!inside(greatest)) {
        return std::nullopt;
    }
    const double start = EdgeFrom(greatest, -1.0, kContactStepHours, kLongestHalfPhaseHours, inside);
    const double end = EdgeFrom(greatest, +1.0, kContactStepHours, kLongestHalfPhaseHours, inside);
    return (end - start) * kSecondsPerHour;
}

double Degrees(double radians)
{
    return radians * kRadiansToDegrees;
}

void SetPlace(EclipseSummary& summary, const EarthOnPlane& earth, const PlanePoint& point)
{
    const EarthOnPlane::Geographic place = earth.GeographicOf(point);
    summary.latitude = Degrees(place.latitude);
    summary.longitude = Degrees(place.longitude);
    summary.sunAltitude = std::max(0.0, Degrees(earth.SunAltitudeAt(point)));
}

} // namespace

std::optional<EclipseAtGreatest> CircumstancesAtGreatestEclipse(const FittedElements& f, double greatest)
{
    const EarthOnPlane earth = EarthAt(f, greatest);
    const BesselianElements& e = earth.Plane().elements;
    EclipseAtGreatest result;
    EclipseSummary& summary = result.summary;
    summary.greatest = f.InstantOf(greatest);
    summary.deltaT = f.deltaT;
    summary.gamma = std::copysign(std::hypot(e.x, e.y), e.y);

    if (const std::optional<PlanePoint> axis = earth.AxisPoint()) {
        const double penumbra = PenumbraRadius(earth.Plane(), axis->zeta);
        const double umbra = UmbraRadius(earth.Plane(), axis->zeta);
        const CentralLine line = CentralTypeOf(f, greatest);
        summary.magnitude = MoonSunRatio(penumbra, umbra);
        summary.type = line.type;
        SetPlace(summary, earth, *axis);
        summary.durationSeconds = CentralDurationSeconds(f, GeocentricOf({summary.longitude, summary.latitude, 0.0}), greatest);
        summary.widthKm = SweptWidthKm(earth, *axis, umbra);
        result.typeMargin = line.margin;
        return result;
    }

    const PlanePoint limb = earth.LimbPointNearestAxis();
    const double distance = std::hypot(e.x - limb.xi, e.y - limb.eta);
    const double penumbra = PenumbraRadius(earth.Plane(), limb.zeta);
    const double umbra = UmbraRadius(earth.Plane(), limb.zeta);
    if (!(distance < penumbra)) {
        return std::nullopt;
    }
    summary.magnitude = MagnitudeAt(penumbra, umbra, distance);
    const bool umbral = distance < std::abs(umbra);
    summary.type = umbral ? (umbra < 0.0 ? EclipseType::Total : EclipseType::Annular) : EclipseType::Partial;
    SetPlace(summary, earth, limb);
    result.typeMargin = std::min({std::abs(distance - std::abs(umbra)), penumbra - distance, std::abs(umbra)});
    return result;
}
