#include "eclipse/path/CentralLine.h"

#include "core/Units.h"
#include "eclipse/path/ShadowEdges.h"
#include "eclipse/plane/EarthOnPlane.h"
#include "eclipse/plane/ObserverOnPlane.h"

#include <cmath>
#include <limits>

namespace {

std::optional<PathVertex> LimitVertex(const FittedElements& elements, const EarthOnPlane& earth, PathSide side)
{
    const std::optional<PlanePoint> point = LimitPoint(earth, ShadowCone::Umbra, side);
    if (!point) {
        return std::nullopt;
    }
    const EarthOnPlane::Geographic place = earth.GeographicOf(*point);
    return PathVertex{place.latitude * kRadiansToDegrees, place.longitude * kRadiansToDegrees,
                      elements.InstantOf(earth.Plane().hours)};
}

} // namespace

std::optional<CentralVertex> CentralVertexAt(const FittedElements& elements, double hours)
{
    const EarthOnPlane earth(PlaneAt(elements, hours));
    const std::optional<PlanePoint> point = earth.AxisPoint();
    if (!point) {
        return std::nullopt;
    }
    const EarthOnPlane::Geographic place = earth.GeographicOf(*point);
    CentralVertex vertex;
    vertex.place = {place.latitude * kRadiansToDegrees, place.longitude * kRadiansToDegrees, elements.InstantOf(hours)};

    const PlaneVelocity relative = RelativeVelocity(*point, earth.Plane());
    const double speed = std::hypot(relative.xi, relative.eta);
    const double umbra = ConeRadius(earth.Plane(), ShadowCone::Umbra, point->zeta);
    vertex.durationSeconds = 2.0 * umbra / speed * kSecondsPerHour;
    vertex.widthKm = SweptWidthKm(earth, *point, umbra).value_or(std::numeric_limits<double>::infinity());

    const HorizontalDirection sun =
        SunSeenFrom(GeocentricOf({vertex.place.longitude, vertex.place.latitude, 0.0}), earth.Plane());
    vertex.sunAltitude = sun.altitude * kRadiansToDegrees;
    vertex.sunAzimuth = sun.azimuth * kRadiansToDegrees;
    vertex.northLimit = LimitVertex(elements, earth, PathSide::North);
    vertex.southLimit = LimitVertex(elements, earth, PathSide::South);
    return vertex;
}
