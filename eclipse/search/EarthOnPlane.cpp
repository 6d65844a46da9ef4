#include "eclipse/search/EarthOnPlane.h"

#include "core/Units.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPolarRatioSquared = kEarthPolarRatio * kEarthPolarRatio;
constexpr double kEccentricitySquared = 1.0 - kPolarRatioSquared;
constexpr int kOutlineIterations = 4;

double Reduced(double angle)
{
    return std::remainder(angle, kTwoPi);
}

// The place of a point of the ellipsoid given by its plane coordinates.
PlaceOnEarth PlaceOf(const Vector3& point, const BesselianElements& e)
{
    const double sinD = std::sin(e.d);
    const double cosD = std::cos(e.d);
    // Along the Earth's axis, and in the equator toward the meridian of the axis direction.
    const double polar = point.y * cosD + point.z * sinD;
    const double meridian = -point.y * sinD + point.z * cosD;
    PlaceOnEarth place;
    place.hourAngle = std::atan2(point.x, meridian);
    // The parametric latitude u has sin u = polar / b and cos u = hypot(xi, meridian); tan phi = tan u / b.
    place.latitude = std::atan2(polar, kPolarRatioSquared * std::hypot(point.x, meridian));
    place.longitude = Reduced(place.hourAngle - e.mu);
    place.onPlane = point;
    return place;
}

} // namespace

Vector3 PlaneCoordinates(double latitude, double longitude, const BesselianElements& e)
{
    const double parametric = std::atan(kEarthPolarRatio * std::tan(latitude));
    const double rhoSin = kEarthPolarRatio * std::sin(parametric);  // rho sin phi'
    const double rhoCos = std::cos(parametric);                     // rho cos phi'
    const double hourAngle = e.mu + longitude;
    const double sinD = std::sin(e.d);
    const double cosD = std::cos(e.d);
    return {rhoCos * std::sin(hourAngle), rhoSin * cosD - rhoCos * sinD * std::cos(hourAngle),
            rhoSin * sinD + rhoCos * cosD * std::cos(hourAngle)};
}

Vector3 PlaneVelocity(const PlaceOnEarth& place, const BesselianElements& e, double muRate, double dRate)
{
    const double parametric = std::atan(kEarthPolarRatio * std::tan(place.latitude));
    const double rhoCos = std::cos(parametric);
    const Vector3& p = place.onPlane;
    return {muRate * rhoCos * std::cos(place.hourAngle), muRate * p.x * std::sin(e.d) - p.z * dRate,
            -muRate * p.x * std::cos(e.d) + p.y * dRate};
}

std::optional<PlaceOnEarth> AxisOnEarth(const BesselianElements& e)
{
    // The surface xi^2 + meridian^2 + (polar / b)^2 = 1 along the line (x, y, zeta).
    const double sinD = std::sin(e.d);
    const double cosD = std::cos(e.d);
    const double inverse = 1.0 / kPolarRatioSquared;
    const double k2 = cosD * cosD + sinD * sinD * inverse;
    const double k1 = 2.0 * e.y * sinD * cosD * (inverse - 1.0);
    const double k0 = e.x * e.x + e.y * e.y * (sinD * sinD + cosD * cosD * inverse) - 1.0;
    const double discriminant = k1 * k1 - 4.0 * k2 * k0;
    if (!(discriminant >= 0.0)) {
        return std::nullopt;
    }
    const double zeta = (-k1 + std::sqrt(discriminant)) / (2.0 * k2);
    return PlaceOf({e.x, e.y, zeta}, e);
}

PlaceOnEarth OutlinePointNearestAxis(const BesselianElements& e)
{
    // The outline is the ellipse xi = cos t, eta = b1 sin t; Newton's method
    // on the derivative of the squared distance, from the direction of the axis.
    const double b1 = OutlineMinorAxis(e.d);
    double t = std::atan2(e.y / b1, e.x);
    for (int iteration = 0; iteration < kOutlineIterations; ++iteration) {
        const double c = std::cos(t);
        const double s = std::sin(t);
        const double slope = (e.x - c) * s - (e.y - b1 * s) * b1 * c;
        const double curvature = s * s + (e.x - c) * c + b1 * b1 * c * c + (e.y - b1 * s) * b1 * s;
        if (curvature <= 0.0) {
            break;
        }
        t -= slope / curvature;
    }
    // On the outline the line of sight touches the ellipsoid: the double root in zeta.
    const double sinD = std::sin(e.d);
    const double cosD = std::cos(e.d);
    const double inverse = 1.0 / kPolarRatioSquared;
    const double eta = b1 * std::sin(t);
    const double zeta = -eta * sinD * cosD * (inverse - 1.0) / (cosD * cosD + sinD * sinD * inverse);
    return PlaceOf({std::cos(t), eta, zeta}, e);
}

double OutlineMinorAxis(double declination)
{
    const double cosD = std::cos(declination);
    return std::sqrt(1.0 - kEccentricitySquared * cosD * cosD);
}

double AxisAltitude(const PlaceOnEarth& place, const BesselianElements& e)
{
    return std::asin(std::clamp(ZenithOnPlane(place, e).z, -1.0, 1.0));
}

Vector3 ZenithOnPlane(const PlaceOnEarth& place, const BesselianElements& e)
{
    const double sinPhi = std::sin(place.latitude);
    const double cosPhi = std::cos(place.latitude);
    const double sinD = std::sin(e.d);
    const double cosD = std::cos(e.d);
    const double cosH = std::cos(place.hourAngle);
    return {cosPhi * std::sin(place.hourAngle), sinPhi * cosD - cosPhi * sinD * cosH, sinPhi * sinD + cosPhi * cosD * cosH};
}
