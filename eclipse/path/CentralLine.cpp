#include "eclipse/path/CentralLine.h"

#include "core/Units.h"
#include "eclipse/local/PlaneGeometry.h"
#include "eclipse/path/EarthOnPlane.h"
#include "eclipse/path/ShadowEdges.h"

#include <algorithm>
#include <cmath>

namespace {

std::optional<PathVertex> LimitVertex(const FittedElements& elements, const EarthOnPlane& earth, PathSide side)
{
    const std::optional<PlanePoint> point = LimitPoint(earth, ShadowCone::Umbra, side);
    if (!point) {
        return std::nullopt;
    }
    const EarthOnPlane::Geographic place = earth.GeographicOf(*point);
    return PathVertex{place.latitude * kRadiansToDegrees, place.longitude * kRadiansToDegrees,
                      elements.InstantOf(earth.Shadow().hours)};
}

} // namespace

std::optional<CentralVertex> CentralVertexAt(const FittedElements& elements, double hours)
{
    const EarthOnPlane earth(ShadowAt(elements, hours));
    const ShadowInstant& shadow = earth.Shadow();
    const std::optional<PlanePoint> point = CentralPoint(earth);
    if (!point) {
        return std::nullopt;
    }
    const EarthOnPlane::Geographic place = earth.GeographicOf(*point);
    CentralVertex vertex;
    vertex.place = {place.latitude * kRadiansToDegrees, place.longitude * kRadiansToDegrees, elements.InstantOf(hours)};

    const PlaneVelocity relative = RelativeVelocity(*point, shadow);
    const double speed = std::hypot(relative.xi, relative.eta);
    const double umbra = ConeRadius(shadow, ShadowCone::Umbra, point->zeta);
    vertex.durationSeconds = 2.0 * umbra / speed * kSecondsPerHour;
    // The ground tilts away from the plane along the Sun's azimuth: a band
    // 2 |L2| wide across the motion on the plane is wider on the ground by
    // 1 / sqrt(1 - (across . normal)^2).
    const PlanePoint normal = earth.NormalAt(*point);
    const double across = (-relative.eta * normal.xi + relative.xi * normal.eta) / speed;
    vertex.widthKm = 2.0 * umbra / std::sqrt(std::max(0.0, 1.0 - across * across)) * kEarthEquatorialRadiusKilometres;

    const HorizontalDirection sun =
        SunSeenFrom(GeocentricOf({vertex.place.longitude, vertex.place.latitude, 0.0}), shadow);
    vertex.sunAltitude = sun.altitude * kRadiansToDegrees;
    vertex.sunAzimuth = sun.azimuth * kRadiansToDegrees;
    vertex.northLimit = LimitVertex(elements, earth, PathSide::North);
    vertex.southLimit = LimitVertex(elements, earth, PathSide::South);
    return vertex;
}
