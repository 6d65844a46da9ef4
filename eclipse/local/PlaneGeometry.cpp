#include "eclipse/local/PlaneGeometry.h"

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

PlanePoint PlaceOnPlane(const GeocentricPlace& place, const ShadowInstant& shadow)
{
    const double hourAngle = shadow.mu + place.longitude;
    const double towardAxisMeridian = place.rhoCosPhi * std::cos(hourAngle);
    PlanePoint point;
    point.xi = place.rhoCosPhi * std::sin(hourAngle);
    point.eta = place.rhoSinPhi * shadow.cosD - towardAxisMeridian * shadow.sinD;
    point.zeta = place.rhoSinPhi * shadow.sinD + towardAxisMeridian * shadow.cosD;
    return point;
}

PlaneVelocity SurfaceVelocity(const PlanePoint& point, const ShadowInstant& shadow)
{
    // The point's distance from the Earth's axis toward the meridian of the
    // shadow axis is rho cos phi' cos H = zeta cos d - eta sin d.
    const double towardAxisMeridian = point.zeta * shadow.cosD - point.eta * shadow.sinD;
    return {shadow.muRate * towardAxisMeridian, shadow.muRate * point.xi * shadow.sinD - shadow.dRate * point.zeta};
}

HorizontalDirection SunSeenFrom(const GeocentricPlace& place, const ShadowInstant& shadow)
{
    const double hourAngle = shadow.mu + place.longitude;
    const double cosHourAngle = std::cos(hourAngle);
    const double east = -shadow.cosD * std::sin(hourAngle);
    const double north = shadow.sinD * place.cosLatitude - shadow.cosD * cosHourAngle * place.sinLatitude;
    const double up = shadow.sinD * place.sinLatitude + shadow.cosD * cosHourAngle * place.cosLatitude;
    HorizontalDirection direction;
    direction.altitude = std::atan2(up, std::hypot(east, north));
    direction.azimuth = std::atan2(east, north);
    if (direction.azimuth < 0.0) {
        direction.azimuth += kTwoPi;
    }
    return direction;
}
