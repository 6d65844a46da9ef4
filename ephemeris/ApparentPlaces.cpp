#include "ephemeris/ApparentPlaces.h"

#include "core/Units.h"
#include "core/Vector3.h"
#include "ephemeris/Ephemeris.h"
#include "ephemeris/PositionOptions.h"

#include <cmath>

namespace {

double ReducedAngle(double angle)
{
    const double reduced = std::fmod(angle, kTwoPi);
    return reduced < 0.0 ? reduced + kTwoPi : reduced;
}

// Right ascension and declination of an apparent equatorial vector; the
// semi-diameter of a body of the given radius at the geometric distance
// (same unit).
ApparentPlace PlaceOf(const Vector3& position, double distance, double bodyRadius)
{
    ApparentPlace place;
    place.rightAscension = ReducedAngle(std::atan2(position.y, position.x));
    place.declination = std::asin(position.z / Length(position));
    place.distance = distance;
    place.semiDiameter = std::asin(bodyRadius / distance);
    return place;
}

} // namespace

ApparentPlace ApparentSun(const Ephemeris& ephemeris, const Instant& instant)
{
    return PlaceOf(SunAt(ephemeris, instant, kAllPositionOptions), Length(SunAt(ephemeris, instant, 0)),
                   kSunRadiusMetres / kAstronomicalUnitMetres);
}

ApparentPlace ApparentMoon(const Ephemeris& ephemeris, const Instant& instant)
{
    return PlaceOf(MoonAt(ephemeris, instant, kAllPositionOptions), Length(MoonAt(ephemeris, instant, 0)),
                   kMoonRadiusMetres / kMetresPerKilometre);
}

HeliocentricPlace HeliocentricEarthAt(const Ephemeris& ephemeris, const Instant& instant)
{
    const Vector3 sun = SunAt(ephemeris, instant, 0);
    const Vector3 earth = -1.0 * sun;
    HeliocentricPlace place;
    place.radius = Length(earth);
    place.longitude = ReducedAngle(std::atan2(earth.y, earth.x));
    place.latitude = std::asin(earth.z / place.radius);
    return place;
}

CGeoPosition SubsolarPoint(const Ephemeris& ephemeris, const Instant& instant)
{
    const ApparentPlace sun = ApparentSun(ephemeris, instant);
    const double siderealTime = GreenwichSiderealTime(ephemeris, instant, DeltaTAt(instant, ephemeris.DeltaT()));
    double longitude = std::remainder(sun.rightAscension - siderealTime, kTwoPi) * kRadiansToDegrees;
    if (longitude >= 180.0) {
        longitude -= 360.0;
    }
    return CGeoPosition(longitude, sun.declination * kRadiansToDegrees);
}
