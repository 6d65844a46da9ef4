#include "ephemeris/PlaceOfDate.h"

#include "core/Units.h"
#include "ephemeris/PositionOptions.h"

#include <cmath>

namespace {

PlaceOfDate FromSpherical(double longitude, double latitude, double distance, double millennia, float nutationInObliquity,
                          int options)
{
    PlaceOfDate place;
    place.longitude = longitude;
    place.ecliptic = {distance * std::cos(latitude) * std::cos(longitude), distance * std::cos(latitude) * std::sin(longitude),
                      distance * std::sin(latitude)};
    if ((options & EQUATORIAL) == 0) {
        place.position = place.ecliptic;
        return place;
    }
    const double obliquity = MeanObliquity(millennia) + nutationInObliquity;
    const double ecliptic[3] = {place.ecliptic.x, place.ecliptic.y, place.ecliptic.z};
    double equatorial[3];
    EclipticToEquatorial(ecliptic, distance, obliquity, equatorial);
    place.position = ToVector(equatorial);
    return place;
}

} // namespace

PlaceOfDate SunOfDate(const Vector3& earth, double millennia, const NutationAngles& nutation, int options)
{
    const double distance = Length(earth);
    const double latitude = std::asin(-earth.z / distance);
    double longitude = std::atan2(-earth.y / distance, -earth.x / distance);
    const bool nutated = (options & NUTATION) != 0;
    if (nutated) {
        longitude += nutation.longitude;
    }
    return FromSpherical(longitude, latitude, distance, millennia, nutated ? nutation.obliquity : 0.0f, options);
}

PlaceOfDate MoonOfDate(const LunarSpherical& moon, double millennia, const NutationAngles& nutation, int options)
{
    double longitude = moon.longitude;
    const bool nutated = (options & NUTATION) != 0;
    if (nutated) {
        longitude += GeneralPrecession(millennia) * kDegreesToRadians / kArcsecondsPerDegree;
        longitude += nutation.longitude;
    }
    return FromSpherical(longitude, moon.latitude, moon.distance, millennia, nutated ? nutation.obliquity : 0.0f, options);
}
