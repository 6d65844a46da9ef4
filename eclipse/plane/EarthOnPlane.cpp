#include "eclipse/plane/EarthOnPlane.h"

#include "core/Units.h"
#include "eclipse/plane/ObserverOnPlane.h"

#include <algorithm>
#include <cmath>

namespace {

// 1 / b^2 for the ellipsoid X^2 + Y^2 + Z^2 / b^2 = 1.
constexpr double kInversePolarSquared = kEarthInversePolarRatio * kEarthInversePolarRatio;
constexpr double kPolarSquared = kEarthPolarRatio * kEarthPolarRatio;
constexpr int kLimbIterations = 8;
constexpr double kLimbTolerance = 1e-13;

} // namespace

EarthOnPlane::EarthOnPlane(const PlaneInstant& plane) : m_plane(plane)
{
    const double s = plane.sinD;
    const double c = plane.cosD;
    // The point (xi, eta, zeta) has X toward the axis meridian = zeta c - eta s,
    // Z = eta c + zeta s; X^2 + xi^2 + Z^2 / b^2 = 1 is quadratic in zeta.
    m_zetaSquared = c * c + kInversePolarSquared * s * s;
    m_zetaEta = c * s * (kInversePolarSquared - 1.0);
    m_etaSquared = s * s + kInversePolarSquared * c * c;
    m_limbNorthRadius = std::sqrt(m_zetaSquared / kInversePolarSquared);
}

std::optional<PlanePoint> EarthOnPlane::SurfaceAbove(double xi, double eta) const
{
    const double b = m_zetaEta * eta;
    const double constant = m_etaSquared * eta * eta + xi * xi - 1.0;
    const double discriminant = b * b - m_zetaSquared * constant;
    if (!(discriminant >= 0.0)) {
        return std::nullopt;
    }
    return PlanePoint{xi, eta, (-b + std::sqrt(discriminant)) / m_zetaSquared};
}

PlanePoint EarthOnPlane::SurfaceOrLimbAbove(double xi, double eta) const
{
    const double b = m_zetaEta * eta;
    const double constant = m_etaSquared * eta * eta + xi * xi - 1.0;
    const double discriminant = b * b - m_zetaSquared * constant;
    return {xi, eta, (-b + std::sqrt(std::max(0.0, discriminant))) / m_zetaSquared};
}

std::optional<PlanePoint> EarthOnPlane::AxisPoint() const
{
    return SurfaceAbove(m_plane.elements.x, m_plane.elements.y);
}

PlanePoint EarthOnPlane::LimbPoint(double theta) const
{
    const double xi = std::sin(theta);
    const double eta = m_limbNorthRadius * std::cos(theta);
    // On the limb the discriminant vanishes: zeta = -B / A.
    return {xi, eta, -m_zetaEta * eta / m_zetaSquared};
}

EarthOnPlane::LimbDistance EarthOnPlane::LimbExtremum(double xi, double eta, double startTheta) const
{
    // Newton on the derivative of the squared distance along the limb.
    double theta = startTheta;
    for (int iteration = 0; iteration < kLimbIterations; ++iteration) {
        const double sine = std::sin(theta);
        const double cosine = std::cos(theta);
        const double dx = sine - xi;
        const double dy = m_limbNorthRadius * cosine - eta;
        const double slope = dx * cosine - dy * m_limbNorthRadius * sine;
        const double curvature = cosine * cosine + m_limbNorthRadius * m_limbNorthRadius * sine * sine - dx * sine -
                                 dy * m_limbNorthRadius * cosine;
        if (curvature == 0.0) {
            break;
        }
        const double step = slope / curvature;
        theta -= step;
        if (std::abs(step) < kLimbTolerance) {
            break;
        }
    }
    const double distance = std::hypot(std::sin(theta) - xi, m_limbNorthRadius * std::cos(theta) - eta);
    return {theta, distance};
}

EarthOnPlane::LimbDistance EarthOnPlane::NearestLimbPoint(double xi, double eta) const
{
    LimbDistance nearest = LimbExtremum(xi, eta, std::atan2(xi, eta / m_limbNorthRadius));
    const double normalized = xi * xi + (eta / m_limbNorthRadius) * (eta / m_limbNorthRadius);
    if (normalized < 1.0) {
        nearest.distance = -nearest.distance;
    }
    return nearest;
}

EarthOnPlane::LimbDistance EarthOnPlane::FarthestLimbPoint(double xi, double eta) const
{
    return LimbExtremum(xi, eta, std::atan2(-xi, -eta / m_limbNorthRadius));
}

PlanePoint EarthOnPlane::LimbPointNearestAxis() const
{
    return LimbPoint(NearestLimbPoint(m_plane.elements.x, m_plane.elements.y).theta);
}

EarthOnPlane::Geographic EarthOnPlane::GeographicOf(const PlanePoint& point) const
{
    const double towardAxisMeridian = point.zeta * m_plane.cosD - point.eta * m_plane.sinD;
    const double polar = point.eta * m_plane.cosD + point.zeta * m_plane.sinD;
    const double equatorial = std::hypot(towardAxisMeridian, point.xi);
    Geographic geographic;
    geographic.latitude = std::atan2(polar, kPolarSquared * equatorial);
    double longitude = std::atan2(point.xi, towardAxisMeridian) - m_plane.elements.mu;
    longitude = std::remainder(longitude, kTwoPi);
    geographic.longitude = longitude >= kPi ? longitude - kTwoPi : longitude;
    return geographic;
}

PlanePoint EarthOnPlane::NormalAt(const PlanePoint& point) const
{
    // The gradient of X^2 + Y^2 + Z^2 / b^2, turned into the plane's frame.
    const double towardAxisMeridian = point.zeta * m_plane.cosD - point.eta * m_plane.sinD;
    const double polar = (point.eta * m_plane.cosD + point.zeta * m_plane.sinD) * kInversePolarSquared;
    PlanePoint normal{point.xi, polar * m_plane.cosD - towardAxisMeridian * m_plane.sinD,
                      polar * m_plane.sinD + towardAxisMeridian * m_plane.cosD};
    const double length = std::sqrt(normal.xi * normal.xi + normal.eta * normal.eta + normal.zeta * normal.zeta);
    return {normal.xi / length, normal.eta / length, normal.zeta / length};
}

double EarthOnPlane::SunAltitudeAt(const PlanePoint& point) const
{
    return std::asin(std::clamp(NormalAt(point).zeta, -1.0, 1.0));
}

std::optional<double> SweptWidthKm(const EarthOnPlane& earth, const PlanePoint& point, double radius)
{
    const PlaneVelocity relative = RelativeVelocity(point, earth.Plane());
    const double speed = std::hypot(relative.xi, relative.eta);
    const PlanePoint normal = earth.NormalAt(point);
    const double across = (-relative.eta * normal.xi + relative.xi * normal.eta) / speed;
    const double tilt = 1.0 - across * across;
    if (!(speed > 0.0) || !(tilt > 0.0)) {
        return std::nullopt;
    }
    return 2.0 * std::abs(radius) / std::sqrt(tilt) * kEarthEquatorialRadiusKilometres;
}
