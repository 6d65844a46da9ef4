#pragma once

// A second route to a place's position relative to the shadow, for checking
// the fundamental-plane formulas: the place's Earth-fixed rectangular
// coordinates on the ellipsoid, turned into the frame of the shadow axis,
// and the axis' nearest approach found by scanning time second by second.

#include "core/Units.h"
#include "eclipse/FittedElements.h"

#include <cmath>

namespace independent {

struct Vector {
    double x, y, z;
};

// Earth-fixed: x toward Greenwich on the equator, z toward the north pole;
// equatorial Earth radii. Latitude and longitude in degrees, height in metres.
inline Vector EarthFixed(double latitude, double longitude, double height)
{
    const double phi = latitude * kDegreesToRadians;
    const double lambda = longitude * kDegreesToRadians;
    const double eccentricitySquared = 1.0 - kEarthPolarRatio * kEarthPolarRatio;
    const double normal = 1.0 / std::sqrt(1.0 - eccentricitySquared * std::sin(phi) * std::sin(phi));
    const double h = height / kEarthEquatorialRadiusMetres;
    return {(normal + h) * std::cos(phi) * std::cos(lambda), (normal + h) * std::cos(phi) * std::sin(lambda),
            (normal * (1.0 - eccentricitySquared) + h) * std::sin(phi)};
}

// The place in the axis' frame at hours from T0: the axis points to
// declination d at Greenwich hour angle mu, so it stands over longitude -mu.
inline Vector InAxisFrame(const FittedElements& elements, const Vector& place, double hours)
{
    const double d = elements.d.At(hours);
    const double longitude = -elements.mu.At(hours);
    const Vector axis{std::cos(d) * std::cos(longitude), std::cos(d) * std::sin(longitude), std::sin(d)};
    const Vector east{-std::sin(longitude), std::cos(longitude), 0.0};
    const Vector north{-std::sin(d) * std::cos(longitude), -std::sin(d) * std::sin(longitude), std::cos(d)};
    const auto dot = [&place](const Vector& v) { return place.x * v.x + place.y * v.y + place.z * v.z; };
    return {dot(east), dot(north), dot(axis)};
}

// The place's distance from the axis less the radius of the penumbra
// (or of the umbra, in absolute value) at the place.
inline double DistanceFromAxis(const FittedElements& elements, const Vector& place, double hours)
{
    const Vector local = InAxisFrame(elements, place, hours);
    return std::hypot(elements.x.At(hours) - local.x, elements.y.At(hours) - local.y);
}

inline double PenumbraAt(const FittedElements& elements, const Vector& place, double hours)
{
    return elements.l1.At(hours) - InAxisFrame(elements, place, hours).z * elements.tanF1;
}

inline double UmbraAt(const FittedElements& elements, const Vector& place, double hours)
{
    return elements.l2.At(hours) - InAxisFrame(elements, place, hours).z * elements.tanF2;
}

// The geodetic altitude of the axis direction (the Sun's) at a place,
// degrees: the ellipsoid's normal there against the axis.
inline double SunAltitude(const FittedElements& elements, double latitude, double longitude, double hours)
{
    const double phi = latitude * kDegreesToRadians;
    const double lambda = longitude * kDegreesToRadians;
    const Vector normal{std::cos(phi) * std::cos(lambda), std::cos(phi) * std::sin(lambda), std::sin(phi)};
    return std::asin(InAxisFrame(elements, normal, hours).z) * kRadiansToDegrees;
}

struct Scan {
    double maximumHours = 0.0;
    double magnitude = 0.0;     // at the maximum, (L1 - m) / (L1 + L2)
    double firstContact = NAN;  // hours, the penumbra's edge passing
    double lastContact = NAN;
    double secondContact = NAN; // the umbra's edge passing
    double thirdContact = NAN;
};

// Every second of the window, contacts interpolated between seconds.
inline Scan ScanEclipse(const FittedElements& elements, double latitude, double longitude, double height)
{
    const Vector place = EarthFixed(latitude, longitude, height);
    Scan scan;
    double least = 1e9;
    double previousOuter = NAN;
    double previousInner = NAN;
    const double step = 1.0 / 3600.0;
    for (double hours = elements.validFrom; hours <= elements.validTo; hours += step) {
        const double distance = DistanceFromAxis(elements, place, hours);
        const double outer = distance - PenumbraAt(elements, place, hours);
        const double inner = distance - std::abs(UmbraAt(elements, place, hours));
        if (distance < least) {
            least = distance;
            scan.maximumHours = hours;
            const double l1 = PenumbraAt(elements, place, hours);
            scan.magnitude = (l1 - distance) / (l1 + UmbraAt(elements, place, hours));
        }
        const auto crossing = [hours, step](double before, double after) { return hours - step * after / (after - before); };
        if (previousOuter > 0.0 && outer <= 0.0) {
            scan.firstContact = crossing(previousOuter, outer);
        }
        if (previousOuter <= 0.0 && outer > 0.0) {
            scan.lastContact = crossing(previousOuter, outer);
        }
        if (previousInner > 0.0 && inner <= 0.0) {
            scan.secondContact = crossing(previousInner, inner);
        }
        if (previousInner <= 0.0 && inner > 0.0) {
            scan.thirdContact = crossing(previousInner, inner);
        }
        previousOuter = outer;
        previousInner = inner;
    }
    return scan;
}

} // namespace independent
