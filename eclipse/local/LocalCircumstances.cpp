#include "eclipse/local/LocalCircumstances.h"

#include "core/Units.h"
#include "eclipse/local/Obscuration.h"
#include "eclipse/plane/ClosestApproach.h"
#include "eclipse/plane/ObserverOnPlane.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kContactIterations = 25;
// 3.6 microseconds: far below the tenth of a second anyone prints.
constexpr double kConvergedHours = 1e-9;
// The Sun's altitude changes sign at most once within this step during an
// eclipse (it takes hours to rise and set again, even near the poles).
constexpr double kHorizonSearchStepHours = 5.0 / 60.0;
constexpr double kHorizonToleranceHours = 1e-7;

// The instant, before (side -1) or after (side +1) the given one, where the
// place's distance from the axis equals the radius: each step solves the
// motion at that instant as a straight line.
std::optional<double> ContactHours(const FittedElements& elements, const GeocentricPlace& place, double fromHours,
                                   ShadowCone cone, double side)
{
    double hours = fromHours;
    for (int iteration = 0; iteration < kContactIterations; ++iteration) {
        const PlaceApproach approach = ApproachAt(elements, place, hours);
        const double radius = approach.ConeRadius(cone);
        const double speed = std::sqrt(approach.SquaredSpeed());
        const double across = (approach.a * approach.v - approach.u * approach.b) / (speed * radius);
        const double along = std::sqrt(std::max(0.0, 1.0 - across * across));
        const double step =
            -(approach.u * approach.a + approach.v * approach.b) / approach.SquaredSpeed() + side * radius / speed * along;
        if (!std::isfinite(step)) {
            return std::nullopt;
        }
        hours += step;
        if (std::abs(step) < kConvergedHours) {
            return hours;
        }
    }
    return std::nullopt;
}

double ReducedDegrees(double radians)
{
    const double degrees = std::fmod(radians * kRadiansToDegrees, 360.0);
    return degrees < 0.0 ? degrees + 360.0 : degrees;
}

LocalContact ContactAt(const FittedElements& elements, const GeocentricPlace& place, double hours, bool farSideOfLimb)
{
    const PlaceApproach approach = ApproachAt(elements, place, hours);
    const HorizontalDirection sun = SunSeenFrom(place, approach.plane);
    LocalContact contact;
    contact.time = elements.InstantOf(hours);
    contact.sunAltitude = sun.altitude * kRadiansToDegrees;
    contact.sunAzimuth = sun.azimuth * kRadiansToDegrees;
    // (u, v) points from the Sun's centre to the Moon's as the place sees
    // them; a total eclipse's inner contacts lie on the opposite limb.
    contact.positionAngle = ReducedDegrees(std::atan2(approach.u, approach.v) + (farSideOfLimb ? kPi : 0.0));
    contact.sunAboveHorizon = sun.altitude > 0.0;
    return contact;
}

double SunAltitudeAt(const FittedElements& elements, const GeocentricPlace& place, double hours)
{
    // The Sun's direction takes no rates.
    return SunSeenFrom(place, PlaneOf(elements.UnwrappedAt(hours))).altitude;
}

double HorizonCrossing(const FittedElements& elements, const GeocentricPlace& place, double below, double above)
{
    while (std::abs(above - below) > kHorizonToleranceHours) {
        const double middle = 0.5 * (below + above);
        (SunAltitudeAt(elements, place, middle) > 0.0 ? above : below) = middle;
    }
    return 0.5 * (below + above);
}

// The Sun rising or setting between the first and last contacts.
void FindHorizonEvents(const FittedElements& elements, const GeocentricPlace& place, double begin, double end,
                       LocalCircumstances& circumstances)
{
    const int steps = std::max(1, static_cast<int>(std::ceil((end - begin) / kHorizonSearchStepHours)));
    double previous = begin;
    double previousAltitude = SunAltitudeAt(elements, place, begin);
    for (int step = 1; step <= steps; ++step) {
        const double hours = begin + (end - begin) * step / steps;
        const double altitude = SunAltitudeAt(elements, place, hours);
        if ((previousAltitude > 0.0) != (altitude > 0.0)) {
            const bool rising = altitude > 0.0;
            const double crossing =
                rising ? HorizonCrossing(elements, place, previous, hours) : HorizonCrossing(elements, place, hours, previous);
            const HorizonEvent event{elements.InstantOf(crossing), ApproachAt(elements, place, crossing).Magnitude()};
            (rising ? circumstances.sunrise : circumstances.sunset) = event;
        }
        previous = hours;
        previousAltitude = altitude;
    }
}

} // namespace

bool LocalCircumstances::Visible() const
{
    for (const auto* contact : {&c1, &c2, &maximum, &c3, &c4}) {
        if (contact->has_value() && (*contact)->sunAboveHorizon) {
            return true;
        }
    }
    return sunrise.has_value() || sunset.has_value();
}

bool LocalCircumstances::CentralSeen() const
{
    const bool central = type == LocalEclipseType::Total || type == LocalEclipseType::Annular;
    return central && maximum.has_value() && maximum->sunAboveHorizon;
}

LocalCircumstances LocalCircumstancesAt(const FittedElements& elements, const GeographicPlace& place)
{
    LocalCircumstances circumstances;
    circumstances.deltaT = elements.deltaT;
    const GeocentricPlace geocentric = GeocentricOf(place);
    const std::optional<PlaceApproach> closest = ClosestApproachAt(elements, geocentric, 0.0);
    if (!closest) {
        return circumstances;
    }
    const PlaceApproach& atMaximum = *closest;
    const double maximumHours = atMaximum.plane.hours;
    const double distance = atMaximum.Distance();
    if (!(distance < atMaximum.penumbra)) {
        return circumstances;
    }
    const std::optional<double> first = ContactHours(elements, geocentric, maximumHours, ShadowCone::Penumbra, -1.0);
    const std::optional<double> last = ContactHours(elements, geocentric, maximumHours, ShadowCone::Penumbra, +1.0);
    if (!first || !last) {
        return circumstances;
    }
    const bool total = atMaximum.umbra < 0.0;
    const bool central = distance < std::abs(atMaximum.umbra);
    circumstances.type = !central ? LocalEclipseType::Partial : total ? LocalEclipseType::Total : LocalEclipseType::Annular;
    circumstances.magnitude = atMaximum.Magnitude();
    circumstances.moonSunRatio = atMaximum.MoonSunRatio();
    circumstances.obscuration = Obscuration(0.5 * (atMaximum.penumbra + atMaximum.umbra),
                                            0.5 * (atMaximum.penumbra - atMaximum.umbra), distance);
    circumstances.c1 = ContactAt(elements, geocentric, *first, false);
    circumstances.maximum = ContactAt(elements, geocentric, maximumHours, false);
    circumstances.c4 = ContactAt(elements, geocentric, *last, false);
    if (central) {
        const std::optional<double> second = ContactHours(elements, geocentric, maximumHours, ShadowCone::Umbra, -1.0);
        const std::optional<double> third = ContactHours(elements, geocentric, maximumHours, ShadowCone::Umbra, +1.0);
        if (second && third) {
            circumstances.c2 = ContactAt(elements, geocentric, *second, total);
            circumstances.c3 = ContactAt(elements, geocentric, *third, total);
            circumstances.durationSeconds = (*third - *second) * kSecondsPerHour;
        }
    }
    FindHorizonEvents(elements, geocentric, *first, *last, circumstances);
    return circumstances;
}
