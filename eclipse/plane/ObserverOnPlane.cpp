#include "eclipse/plane/ObserverOnPlane.h"

#include "core/Units.h"

#include <cmath>

GeocentricPlace GeocentricOf(const GeographicPlace& place)
{
    const double latitude = place.latitude * kDegreesToRadians;
    const double parametric = std::atan(kEarthPolarRatio * std::tan(latitude));
    const double height = place.height * kEarthRadiiPerMetre;
    GeocentricPlace geocentric;
    geocentric.sinLatitude = std::sin(latitude);
    geocentric.cosLatitude = std::cos(latitude);
    geocentric.rhoSinPhi = kEarthPolarRatio * std::sin(parametric) + height * geocentric.sinLatitude;
    geocentric.rhoCosPhi = std::cos(parametric) + height * geocentric.cosLatitude;
    geocentric.longitude = place.longitude * kDegreesToRadians;
    return geocentric;
}

PlanePoint PlaceOnPlane(const GeocentricPlace& place, const PlaneInstant& plane)
{
    const double hourAngle = plane.elements.mu + place.longitude;
    const double towardAxisMeridian = place.rhoCosPhi * std::cos(hourAngle);
    PlanePoint point;
    point.xi = place.rhoCosPhi * std::sin(hourAngle);
    point.eta = place.rhoSinPhi * plane.cosD - towardAxisMeridian * plane.sinD;
    point.zeta = place.rhoSinPhi * plane.sinD + towardAxisMeridian * plane.cosD;
    return point;
}

PlaneVelocity SurfaceVelocity(const PlanePoint& point, const PlaneInstant& plane)
{
    // The point's distance from the Earth's axis toward the meridian of the
    // shadow axis is rho cos phi' cos H = zeta cos d - eta sin d.
    const double towardAxisMeridian = point.zeta * plane.cosD - point.eta * plane.sinD;
    return {plane.rates.mu * towardAxisMeridian, plane.rates.mu * point.xi * plane.sinD - plane.rates.d * point.zeta};
}

PlaneVelocity RelativeVelocity(const PlanePoint& point, const PlaneInstant& plane)
{
    const PlaneVelocity ground = SurfaceVelocity(point, plane);
    return {plane.rates.x - ground.xi, plane.rates.y - ground.eta};
}

namespace {

// The Sun's direction toward the zenith, given the cosine of its hour angle.
double SunUp(const GeocentricPlace& place, const PlaneInstant& plane, double cosHourAngle)
{
    return plane.sinD * place.sinLatitude + plane.cosD * cosHourAngle * place.cosLatitude;
}

} // namespace

double SineOfSunAltitude(const GeocentricPlace& place, const PlaneInstant& plane)
{
    return SunUp(place, plane, std::cos(plane.elements.mu + place.longitude));
}

HorizontalDirection SunSeenFrom(const GeocentricPlace& place, const PlaneInstant& plane)
{
    const double hourAngle = plane.elements.mu + place.longitude;
    const double cosHourAngle = std::cos(hourAngle);
    const double east = -plane.cosD * std::sin(hourAngle);
    const double north = plane.sinD * place.cosLatitude - plane.cosD * cosHourAngle * place.sinLatitude;
    const double up = SunUp(place, plane, cosHourAngle);
    HorizontalDirection direction;
    direction.altitude = std::atan2(up, std::hypot(east, north));
    direction.azimuth = std::atan2(east, north);
    if (direction.azimuth < 0.0) {
        direction.azimuth += kTwoPi;
    }
    return direction;
}
